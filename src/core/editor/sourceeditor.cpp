#include "sourceeditor.h"

#include "textsearch.h"

#include "common/linebreaks.h"

QChar SourceEditor::charAt(int position) const
{
    if (position < 0 || position >= length())
        return QChar();
    const QString one = textRange(position, position + 1);
    return one.isEmpty() ? QChar() : one[0];
}

int SourceEditor::lastIndexOfAscii(char c, int position) const
{
    position = qBound(0, position, length());
    const int caretLine = lineOfPosition(position);
    for (int line = caretLine; line >= 0; --line) {
        const QString text = lineText(line);
        const int column = int(line == caretLine ? text.left(position - lineStart(line)).lastIndexOf(QLatin1Char(c))
                                                 : text.lastIndexOf(QLatin1Char(c)));
        if (column >= 0)
            return lineStart(line) + column;
    }
    return -1;
}

QString SourceEditor::textUpTo(int start, char c, int end) const
{
    constexpr int piece = 256;
    QString text;
    for (int from = start; from < end; from += piece) {
        const QString part = textRange(from, qMin(end, from + piece));
        const qsizetype at = part.indexOf(QLatin1Char(c));
        if (at >= 0)
            return text + part.left(at);
        text += part;
    }
    return text;
}

QStringList SourceEditor::lines() const
{
    return LineBreaks::split(text());
}

void SourceEditor::setLines(const QStringList &lines)
{
    setText(LineBreaks::join(lines));
}

QString SourceEditor::selectedText() const
{
    return textRange(selectionStart(), selectionEnd());
}

QString SourceEditor::wordSeparators()
{
    return QStringLiteral("\t $%&,./:;<=>");
}

bool SourceEditor::search(const QString &pattern, const SearchOptions &options)
{
    const TextSearch::Match match = TextSearch::find(*this, pattern, caret(), options);
    if (!match.found())
        return false;
    if (options.forward)
        setSelection(match.start, match.start + match.length);
    else
        setSelection(match.start + match.length, match.start);
    return true;
}
