#pragma once

#include <QString>

class QsciScintillaBase;

// The text an input method is shown around the caret: part of the caret's
// line, at most a thousand characters each side. QScintilla answers with the
// caret's whole paragraph, which in generated WML is often the whole page:
// megabytes copied after every keystroke while an input method runs.
struct InputMethodContext
{
    QString text;
    int cursor = 0; // in UTF-16 units of text
    int anchor = 0; // the selection's other end, kept inside text

    static InputMethodContext around(const QsciScintillaBase &editor);
};
