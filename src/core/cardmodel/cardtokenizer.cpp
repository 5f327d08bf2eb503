#include "cardtokenizer.h"

#include "common/linebreaks.h"

namespace CardTokenizer {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

} // namespace

// The body is cut twice: first into pieces that each start at a "<" (text
// before the first tag becomes one too, blanks at a piece's end dropped),
// joined with line breaks; then that text into pieces that each end at a
// ">" (blanks at the start dropped, what follows the last ">" dropped). A
// run of "<" or of ">" cuts once. Each of the second pieces gives one token
// per line.
QStringList tokens(const QString &body)
{
    const QString text = LineBreaks::normalized(body);
    const QStringView crlf(u"\r\n");

    QString joined;
    joined.reserve(text.size() + text.size() / 8 + 4);
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf(QLatin1Char('<'), from);
        if (end < 0)
            end = text.size();
        if (end > from) {
            qsizetype last = end;
            while (last > from && isBlank(text[last - 1]))
                --last;
            joined += QLatin1Char('<');
            joined += QStringView(text).mid(from, last - from);
            joined += crlf;
        }
        from = end + 1;
    }

    QStringList result;
    const QStringView all(joined);
    from = 0;
    for (;;) {
        const qsizetype bracket = joined.indexOf(QLatin1Char('>'), from);
        if (bracket < 0)
            break;
        qsizetype start = from;
        from = bracket + 1;
        if (bracket == start)
            continue; // a run of ">"
        while (start < bracket && isBlank(joined[start]))
            ++start;
        // The piece with its ">", one token per line.
        qsizetype lineStart = start;
        for (;;) {
            const qsizetype lineBreak = joined.indexOf(crlf, lineStart);
            if (lineBreak < 0 || lineBreak > bracket) {
                result << all.mid(lineStart, bracket + 1 - lineStart).toString();
                break;
            }
            result << all.mid(lineStart, lineBreak - lineStart).toString();
            lineStart = lineBreak + 2;
        }
    }
    return result;
}

} // namespace CardTokenizer
