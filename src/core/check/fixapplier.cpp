#include "fixapplier.h"

#include "editor/sourceeditor.h"

#include <algorithm>

namespace {

QList<TextEdit> sortedEdits(const QuickFix &fix)
{
    QList<TextEdit> edits = fix.edits;
    std::stable_sort(edits.begin(), edits.end(), [](const TextEdit &a, const TextEdit &b) { return a.start < b.start; });
    return edits;
}

} // namespace

bool FixApplier::fits(const QuickFix &fix, int length)
{
    if (fix.edits.isEmpty())
        return false;
    int previousEnd = 0;
    for (const TextEdit &edit : sortedEdits(fix)) {
        if (edit.start < previousEnd || edit.end < edit.start || edit.end > length)
            return false;
        previousEnd = edit.end;
    }
    return true;
}

bool FixApplier::apply(SourceEditor &editor, const QuickFix &fix)
{
    if (!fits(fix, editor.length()))
        return false;
    const QList<TextEdit> edits = sortedEdits(fix);
    editor.beginUndoStep();
    for (auto it = edits.crbegin(); it != edits.crend(); ++it) {
        editor.setSelection(it->start, it->end);
        editor.replaceSelection(it->replacement);
    }
    const TextEdit &first = edits.front();
    editor.setCaret(first.start + int(first.replacement.size()));
    editor.endUndoStep();
    return true;
}
