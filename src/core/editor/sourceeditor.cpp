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
