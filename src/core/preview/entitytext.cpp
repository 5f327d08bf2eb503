#include "entitytext.h"

namespace EntityText {

namespace {

// The character a reference's name (the text between "&" and ";") stands
// for; 0 when it names none.
char32_t referenced(const QString &name)
{
    static const struct
    {
        const char *name;
        char32_t character;
    } named[] = {{"amp", U'&'},     {"lt", U'<'},      {"gt", U'>'},    {"quot", U'"'},
                 {"apos", U'\''},   {"nbsp", 0x00A0},  {"shy", 0x00AD}};
    for (const auto &entry : named) {
        if (name == QLatin1String(entry.name))
            return entry.character;
    }
    if (!name.startsWith(QLatin1Char('#')) || name.size() < 2)
        return 0;
    const bool hex = name.at(1) == QLatin1Char('x') || name.at(1) == QLatin1Char('X');
    const QString digits = name.mid(hex ? 2 : 1);
    if (digits.isEmpty())
        return 0;
    bool ok = false;
    const uint code = digits.toUInt(&ok, hex ? 16 : 10);
    // NUL, surrogates and numbers beyond Unicode stand for no character.
    if (!ok || code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return char32_t(code);
}

} // namespace

QString decode(const QString &text)
{
    QString out;
    out.reserve(text.size());
    qsizetype at = 0;
    while (at < text.size()) {
        const qsizetype amp = text.indexOf(QLatin1Char('&'), at);
        if (amp < 0) {
            out += QStringView(text).mid(at);
            break;
        }
        out += QStringView(text).mid(at, amp - at);
        const qsizetype semicolon = text.indexOf(QLatin1Char(';'), amp + 1);
        // Names are short; a far ";" belongs to other text.
        const char32_t character =
            semicolon < 0 || semicolon - amp > 12 ? 0 : referenced(text.mid(amp + 1, semicolon - amp - 1));
        if (character == 0) {
            out += QLatin1Char('&');
            at = amp + 1;
            continue;
        }
        out += QString::fromUcs4(&character, 1);
        at = semicolon + 1;
    }
    return out;
}

} // namespace EntityText
