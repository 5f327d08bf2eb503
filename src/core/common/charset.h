#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A character set a page can be stored in: UTF-8, UTF-16 in either byte
// order, one of the 8-bit sets the program knows by its own tables, or any
// other set the Qt build knows by name (through ICU).
//
// The program's own 8-bit tables map every byte to a character: the few
// byte values a Windows set leaves undefined stand for the control
// character of the same number, so an 8-bit page always reads and writes
// back byte for byte.
class Charset
{
public:
    // An invalid set (name() is empty).
    Charset() = default;

    // The set of that name, matched without regard to case and through the
    // usual aliases ("cp1250", "latin2", "utf8", "UTF-16"...); invalid when
    // neither the program nor the Qt build knows it.
    static Charset byName(const QByteArray &name);
    static Charset utf8() { return byName("UTF-8"); }

    // The 8-bit sets the program offers in its menus, by their usual names.
    static QList<QByteArray> eightBitSets();
    // Every set File > Reopen with Encoding offers: UTF-8, UTF-16LE,
    // UTF-16BE, then the 8-bit sets.
    static QList<QByteArray> offeredSets();

    bool isValid() const { return m_kind != Kind::Invalid; }
    // The canonical name ("windows-1250", "UTF-16LE").
    const QByteArray &name() const { return m_name; }
    bool isUtf8() const { return m_kind == Kind::Utf8; }
    bool isUtf16() const { return m_kind == Kind::Utf16LE || m_kind == Kind::Utf16BE; }

    // The characters of bytes (without a byte-order mark). Returns false
    // when the bytes are not a text in this set, or would not be written
    // back as the same bytes.
    bool decode(const QByteArray &bytes, QString *text) const;
    // The bytes of text (without a byte-order mark); *lossless is false
    // when a character has no place in this set.
    QByteArray encode(const QString &text, bool *lossless = nullptr) const;
    bool canEncode(const QString &text) const;

    // The bytes of the byte-order mark of a Unicode set; empty otherwise.
    QByteArray byteOrderMark() const;

private:
    enum class Kind { Invalid, Utf8, Utf16LE, Utf16BE, Table, Named };

    Kind m_kind = Kind::Invalid;
    QByteArray m_name;
    const char16_t *m_table = nullptr; // upper half (0x80..0xFF) of a Table set
};
