#include "decktext.h"

#include <algorithm>
#include <utility>

namespace {

const std::pair<const char *, char16_t> namedEntities[] = {
    {"amp", u'&'}, {"lt", u'<'}, {"gt", u'>'}, {"quot", u'"'}, {"apos", u'\''}, {"nbsp", 0x00A0}, {"shy", 0x00AD},
};

bool startsWithAt(const QString &text, int at, int end, QLatin1StringView what)
{
    return at + int(what.size()) <= end && QStringView(text).mid(at, what.size()) == what;
}

} // namespace

DeckText::DeckText(const QString &source, int start, int end)
{
    start = std::clamp(start, 0, int(source.size()));
    end = std::clamp(end, start, int(source.size()));
    const QStringView slice = QStringView(source).mid(start, end - start);
    if (!slice.contains(QLatin1Char('&')) && !slice.contains(QLatin1Char('<'))) {
        m_characters = slice.toString();
        m_plain = true;
        m_base = start;
        return;
    }
    m_characters.reserve(end - start);
    m_starts.reserve(size_t(end - start));
    m_ends.reserve(size_t(end - start));
    int at = start;
    while (at < end) {
        const QChar c = source[at];
        if (c == QLatin1Char('&')) {
            const int semicolon = int(source.indexOf(QLatin1Char(';'), at));
            if (semicolon > at && semicolon < end && semicolon - at <= 12) {
                const QStringView name = QStringView(source).mid(at + 1, semicolon - at - 1);
                bool known = false;
                if (name.startsWith(QLatin1Char('#'))) {
                    const bool hex = name.size() > 1 && (name[1] == QLatin1Char('x') || name[1] == QLatin1Char('X'));
                    bool ok = false;
                    const uint code = name.mid(hex ? 2 : 1).toUInt(&ok, hex ? 16 : 10);
                    if (ok && code > 0 && code <= 0x10FFFF) {
                        appendCode(char32_t(code), at, semicolon + 1);
                        known = true;
                    }
                } else {
                    for (const auto &[entity, character] : namedEntities) {
                        if (name == QLatin1StringView(entity)) {
                            append(QChar(character), at, semicolon + 1);
                            known = true;
                        }
                    }
                }
                if (known) {
                    at = semicolon + 1;
                    continue;
                }
            }
        } else if (c == QLatin1Char('<')) {
            if (startsWithAt(source, at, end, QLatin1StringView("<![CDATA["))) {
                const int close = int(source.indexOf(QLatin1StringView("]]>"), at + 9));
                const int stop = close < 0 || close > end ? end : close;
                for (int i = at + 9; i < stop; ++i)
                    append(source[i], i, i + 1);
                at = std::min(end, stop + 3);
                continue;
            }
            if (startsWithAt(source, at, end, QLatin1StringView("<!--"))) {
                const int close = int(source.indexOf(QLatin1StringView("-->"), at + 4));
                at = close < 0 || close > end ? end : close + 3;
                continue;
            }
            if (startsWithAt(source, at, end, QLatin1StringView("<?"))) {
                const int close = int(source.indexOf(QLatin1StringView("?>"), at + 2));
                at = close < 0 || close > end ? end : close + 2;
                continue;
            }
        }
        append(c, at, at + 1);
        ++at;
    }
}

void DeckText::append(QChar c, int start, int end)
{
    m_characters.append(c);
    m_starts.push_back(start);
    m_ends.push_back(end);
}

void DeckText::appendCode(char32_t code, int start, int end)
{
    const QString characters = QString::fromUcs4(&code, 1);
    for (const QChar c : characters)
        append(c, start, end);
}
