#include "textsearch.h"

namespace TextSearch {

namespace {

bool isSeparator(QChar c)
{
    return SourceEditor::wordSeparators().contains(c);
}

bool isWholeWord(QStringView line, int column, int length)
{
    const bool startOk = column == 0 || isSeparator(line[column - 1]);
    const int end = column + length;
    const bool endOk = end == line.size() || isSeparator(line[end]);
    return startOk && endOk;
}

} // namespace

QString upperCased(QStringView text)
{
    QString upper(text.size(), Qt::Uninitialized);
    QChar *out = upper.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80)
            out[i] = QChar(c >= u'a' && c <= u'z' ? char16_t(c - 32) : c);
        else
            out[i] = text[i].toUpper();
    }
    return upper;
}

int findInLine(QStringView line, QStringView pattern, int column, const SearchOptions &options)
{
    if (pattern.isEmpty() || pattern.size() > line.size())
        return -1;
    QString upperLine;
    QString upperPattern;
    QStringView haystack = line;
    QStringView needle = pattern;
    if (!options.matchCase) {
        upperLine = upperCased(line);
        upperPattern = upperCased(pattern);
        haystack = upperLine;
        needle = upperPattern;
    }
    if (options.forward) {
        for (qsizetype at = haystack.indexOf(needle, qMax(0, column)); at >= 0;
             at = haystack.indexOf(needle, at + 1)) {
            if (!options.wholeWord || isWholeWord(line, int(at), int(pattern.size())))
                return int(at);
        }
        return -1;
    }
    int before = qMin<int>(column, int(haystack.size())) - 1;
    while (before >= 0) {
        const qsizetype at = haystack.lastIndexOf(needle, before);
        if (at < 0)
            return -1;
        if (!options.wholeWord || isWholeWord(line, int(at), int(pattern.size())))
            return int(at);
        before = int(at) - 1;
    }
    return -1;
}

Match find(const SourceEditor &editor, const QString &pattern, int from, const SearchOptions &options)
{
    Match match;
    if (pattern.isEmpty() || pattern.contains(QLatin1Char('\r')) || pattern.contains(QLatin1Char('\n')))
        return match;
    from = qBound(0, from, editor.length());
    const int lines = editor.lineCount();
    const int startLine = editor.lineOfPosition(from);
    int column = from - editor.lineStart(startLine);
    if (options.forward) {
        for (int line = startLine; line < lines; ++line, column = 0) {
            const int at = findInLine(editor.lineText(line), pattern, column, options);
            if (at >= 0)
                return Match{editor.lineStart(line) + at, int(pattern.size())};
        }
    } else {
        for (int line = startLine; line >= 0; --line) {
            const QString text = editor.lineText(line);
            const int at = findInLine(text, pattern, line == startLine ? column : int(text.size()) + 1, options);
            if (at >= 0)
                return Match{editor.lineStart(line) + at, int(pattern.size())};
        }
    }
    return match;
}

} // namespace TextSearch
