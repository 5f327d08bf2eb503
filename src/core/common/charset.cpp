#include "charset.h"

#include "charsettables.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

// Other spellings of the sets the program knows itself, in lower case.
const QHash<QByteArray, QByteArray> &aliases()
{
    static const QHash<QByteArray, QByteArray> names = {
        {"utf-8", "UTF-8"},           {"utf8", "UTF-8"},
        {"utf-16le", "UTF-16LE"},     {"utf-16be", "UTF-16BE"},
        // Without a byte-order mark UTF-16 is big-endian.
        {"utf-16", "UTF-16BE"},       {"utf16", "UTF-16BE"},
        {"windows-1250", "windows-1250"}, {"cp1250", "windows-1250"}, {"x-cp1250", "windows-1250"},
        {"windows-1251", "windows-1251"}, {"cp1251", "windows-1251"}, {"x-cp1251", "windows-1251"},
        {"windows-1252", "windows-1252"}, {"cp1252", "windows-1252"}, {"x-cp1252", "windows-1252"},
        {"iso-8859-1", "ISO-8859-1"}, {"iso8859-1", "ISO-8859-1"}, {"iso_8859-1", "ISO-8859-1"},
        {"latin1", "ISO-8859-1"},     {"latin-1", "ISO-8859-1"},   {"l1", "ISO-8859-1"},
        {"iso-8859-2", "ISO-8859-2"}, {"iso8859-2", "ISO-8859-2"}, {"iso_8859-2", "ISO-8859-2"},
        {"latin2", "ISO-8859-2"},     {"latin-2", "ISO-8859-2"},   {"l2", "ISO-8859-2"},
        {"iso-8859-15", "ISO-8859-15"}, {"iso8859-15", "ISO-8859-15"}, {"iso_8859-15", "ISO-8859-15"},
        {"latin-9", "ISO-8859-15"},   {"latin9", "ISO-8859-15"},
    };
    return names;
}

const CharsetTables::Entry *tableEntry(const QByteArray &canonical)
{
    for (int i = 0; i < CharsetTables::entryCount(); ++i) {
        if (canonical == CharsetTables::entries()[i].name)
            return &CharsetTables::entries()[i];
    }
    return nullptr;
}

// The caller strips the one byte-order mark it recognises; any mark left at
// the start is part of the text and must survive a save.
constexpr QStringConverter::Flags keepInitialMark
    = QStringConverter::Flag::Stateless | QStringConverter::Flag::ConvertInitialBom;

bool decodeWith(QStringDecoder &decoder, const QByteArray &bytes, QString *text)
{
    if (!decoder.isValid())
        return false;
    *text = decoder(bytes);
    return !decoder.hasError();
}

} // namespace

Charset Charset::byName(const QByteArray &name)
{
    Charset charset;
    const QByteArray canonical = aliases().value(name.trimmed().toLower());
    if (canonical == "UTF-8") {
        charset.m_kind = Kind::Utf8;
    } else if (canonical == "UTF-16LE") {
        charset.m_kind = Kind::Utf16LE;
    } else if (canonical == "UTF-16BE") {
        charset.m_kind = Kind::Utf16BE;
    } else if (const CharsetTables::Entry *entry = tableEntry(canonical)) {
        charset.m_kind = Kind::Table;
        charset.m_table = entry->upperHalf;
    } else {
        // Any other set only when this Qt build can both read and write it.
        const QByteArray trimmed = name.trimmed();
        if (trimmed.isEmpty() || !QStringDecoder(trimmed.constData()).isValid()
            || !QStringEncoder(trimmed.constData()).isValid())
            return charset;
        charset.m_kind = Kind::Named;
        charset.m_name = trimmed;
        return charset;
    }
    charset.m_name = canonical;
    return charset;
}

QList<QByteArray> Charset::eightBitSets()
{
    QList<QByteArray> names;
    for (int i = 0; i < CharsetTables::entryCount(); ++i)
        names << QByteArray(CharsetTables::entries()[i].name);
    return names;
}

QList<QByteArray> Charset::offeredSets()
{
    return QList<QByteArray>{"UTF-8", "UTF-16LE", "UTF-16BE"} + eightBitSets();
}

bool Charset::decode(const QByteArray &bytes, QString *text) const
{
    switch (m_kind) {
    case Kind::Invalid:
        return false;
    case Kind::Utf8: {
        QStringDecoder decoder(QStringConverter::Utf8, keepInitialMark);
        return decodeWith(decoder, bytes, text);
    }
    case Kind::Utf16LE:
    case Kind::Utf16BE: {
        if (bytes.size() % 2 != 0)
            return false;
        QStringDecoder decoder(m_kind == Kind::Utf16LE ? QStringConverter::Utf16LE : QStringConverter::Utf16BE,
                               keepInitialMark);
        return decodeWith(decoder, bytes, text);
    }
    case Kind::Table:
        if (!m_table) {
            *text = QString::fromLatin1(bytes);
            return true;
        }
        text->resize(bytes.size());
        for (qsizetype i = 0; i < bytes.size(); ++i) {
            const auto byte = static_cast<unsigned char>(bytes[i]);
            (*text)[i] = QChar(byte < 0x80 ? char16_t(byte) : m_table[byte - 0x80]);
        }
        return true;
    case Kind::Named: {
        QStringDecoder decoder(m_name.constData(), keepInitialMark);
        if (!decodeWith(decoder, bytes, text))
            return false;
        // A set that maps two byte sequences to one character would not
        // write the page back as it was.
        return QStringEncoder(m_name.constData()).encode(*text) == bytes;
    }
    }
    return false;
}

QByteArray Charset::encode(const QString &text, bool *lossless) const
{
    QByteArray bytes;
    bool exact = true;
    switch (m_kind) {
    case Kind::Invalid:
        exact = false;
        break;
    case Kind::Utf8:
    case Kind::Utf16LE:
    case Kind::Utf16BE: {
        const auto kind = m_kind == Kind::Utf8      ? QStringConverter::Utf8
                          : m_kind == Kind::Utf16LE ? QStringConverter::Utf16LE
                                                    : QStringConverter::Utf16BE;
        QStringEncoder encoder(kind, QStringConverter::Flag::Stateless);
        bytes = encoder(text);
        exact = !encoder.hasError();
        break;
    }
    case Kind::Table:
        bytes.resize(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            int byte = c < (m_table ? 0x80 : 0x100) ? int(c) : -1;
            for (int j = 0; byte < 0 && m_table && j < 128; ++j) {
                if (m_table[j] == c)
                    byte = 0x80 + j;
            }
            if (byte < 0) {
                exact = false;
                byte = '?';
            }
            bytes[i] = char(byte);
        }
        break;
    case Kind::Named: {
        QStringEncoder encoder(m_name.constData(), QStringConverter::Flag::Stateless);
        bytes = encoder(text);
        QStringDecoder decoder(m_name.constData(), keepInitialMark);
        exact = !encoder.hasError() && decoder.decode(bytes) == text;
        break;
    }
    }
    if (lossless)
        *lossless = exact;
    return bytes;
}

bool Charset::canEncode(const QString &text) const
{
    bool lossless = false;
    encode(text, &lossless);
    return lossless;
}

QByteArray Charset::byteOrderMark() const
{
    switch (m_kind) {
    case Kind::Utf8:
        return QByteArray("\xEF\xBB\xBF");
    case Kind::Utf16LE:
        return QByteArray("\xFF\xFE");
    case Kind::Utf16BE:
        return QByteArray("\xFE\xFF");
    default:
        return QByteArray();
    }
}
