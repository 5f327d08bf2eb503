#pragma once

#include "diagnostic.h"

class SourceEditor;

// Makes the edits of a quick fix in a source editor as one undo step.
class FixApplier
{
public:
    // Whether the edits fit a text of length characters: each inside it,
    // none overlapping another.
    static bool fits(const QuickFix &fix, int length);
    // Makes the edits, from the last backwards so that the offsets of the
    // earlier ones stay valid, and puts the caret after the first one's
    // new text. Returns false, changing nothing, when they do not fit.
    static bool apply(SourceEditor &editor, const QuickFix &fix);
};
