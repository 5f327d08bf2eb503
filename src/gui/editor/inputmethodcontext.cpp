#include "inputmethodcontext.h"

#include <Qsci/qsciscintillabase.h>

#include <algorithm>

namespace {

constexpr long reach = 1000; // characters each side of the caret

QString textBetween(const QsciScintillaBase &editor, long from, long to)
{
    if (to <= from)
        return QString();
    const char *bytes
        = reinterpret_cast<const char *>(editor.SendScintilla(QsciScintillaBase::SCI_GETRANGEPOINTER, from, to - from));
    return QString::fromUtf8(bytes, to - from);
}

} // namespace

InputMethodContext InputMethodContext::around(const QsciScintillaBase &editor)
{
    const long caret = editor.SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS);
    const long anchor = editor.SendScintilla(QsciScintillaBase::SCI_GETANCHOR);
    const long line = editor.SendScintilla(QsciScintillaBase::SCI_LINEFROMPOSITION, caret);
    const long lineStart = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
    const long lineEnd = editor.SendScintilla(QsciScintillaBase::SCI_GETLINEENDPOSITION, line);
    // Stepping by characters keeps the window off the middle of a UTF-8
    // sequence; a step past either end of the text gives 0.
    long from = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE, caret, -reach);
    if (from < lineStart || caret - lineStart <= reach)
        from = lineStart;
    long to = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONRELATIVE, caret, reach);
    if (to <= caret || to > lineEnd)
        to = lineEnd;

    InputMethodContext context;
    context.text = textBetween(editor, from, to);
    context.cursor = int(textBetween(editor, from, caret).size());
    context.anchor = int(textBetween(editor, from, std::clamp(anchor, from, to)).size());
    return context;
}
