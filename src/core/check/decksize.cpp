#include "decksize.h"

#include <algorithm>
#include <limits>

namespace DeckSize {

namespace {

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
    const char16_t *at = reinterpret_cast<const char16_t *>(text.constData());
    const char16_t *const end = at + text.size();
    static const char16_t commentOpen[] = u"<!--";
    qint64 bytes = 0;
    bool pendingSpace = false;
    char16_t previous = 0;
    while (at < end) {
        const char16_t c = *at;
        if (c == u'<' && end - at >= 4 && std::equal(commentOpen, commentOpen + 4, at)) {
            const qsizetype close = QStringView(at + 4, end).indexOf(QLatin1StringView("-->"));
            at = close < 0 ? end : at + 4 + close + 3;
            continue;
        }
        if (c == u' ' || c == u'\t' || c == u'\r' || c == u'\n') {
            pendingSpace = true;
            ++at;
            continue;
        }
        if (pendingSpace && previous != 0 && !(previous == u'>' && c == u'<'))
            ++bytes;
        pendingSpace = false;
        bytes += utf8Bytes(QChar(c));
        previous = c;
        ++at;
    }
    return int(std::min<qint64>(bytes, std::numeric_limits<int>::max()));
}

} // namespace DeckSize
