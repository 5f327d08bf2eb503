#include "decksize.h"

#include <algorithm>
#include <limits>

namespace DeckSize {

namespace {

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\r') || c == QLatin1Char('\n');
}

int utf8Bytes(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80)
        return 1;
    if (u < 0x800)
        return 2;
    if (QChar::isHighSurrogate(u))
        return 4; // the pair
    if (QChar::isLowSurrogate(u))
        return 0;
    return 3;
}

} // namespace

int textEstimate(const QString &text)
{
    const QStringView view(text);
    const qsizetype size = view.size();
    qint64 bytes = 0;
    bool pendingSpace = false;
    QChar previous;
    qsizetype i = 0;
    while (i < size) {
        const QChar c = view[i];
        if (c == QLatin1Char('<') && view.mid(i, 4) == QLatin1StringView("<!--")) {
            const qsizetype close = view.indexOf(QLatin1StringView("-->"), i + 4);
            i = close < 0 ? size : close + 3;
            continue;
        }
        if (isSpace(c)) {
            pendingSpace = true;
            ++i;
            continue;
        }
        if (pendingSpace && !previous.isNull() && !(previous == QLatin1Char('>') && c == QLatin1Char('<')))
            ++bytes;
        pendingSpace = false;
        bytes += utf8Bytes(c);
        previous = c;
        ++i;
    }
    return int(std::min<qint64>(bytes, std::numeric_limits<int>::max()));
}

} // namespace DeckSize
