#include "cardtokenizer.h"

#include "common/linebreaks.h"
#include "common/words.h"

namespace CardTokenizer {

QStringList tokens(const QString &body)
{
    const QString crlf = QStringLiteral("\r\n");
    // Every piece starts at a "<": text before the first tag becomes one too.
    QString joined;
    joined.reserve(body.size() + body.size() / 8 + 4);
    for (const QString &word : Words::split(LineBreaks::normalized(body), u"<")) {
        joined += Words::trimmed(QLatin1Char('<') + word);
        joined += crlf;
    }
    // Then every piece ends at a ">"; what follows the last ">" is dropped.
    QStringList pieces = Words::split(joined, u">");
    if (!pieces.isEmpty())
        pieces.removeLast();
    QStringList result;
    result.reserve(pieces.size() * 2);
    for (const QString &piece : pieces) {
        const QString closed = Words::trimmed(piece + QLatin1Char('>'));
        for (const QString &line : LineBreaks::split(closed))
            result << line;
    }
    return result;
}

} // namespace CardTokenizer
