#pragma once

#include <QByteArray>
#include <QString>

// How a document's bytes map to characters. Valid UTF-8 is read as UTF-8;
// anything else as the 8-bit set the page declares in its XML prologue when
// that set maps the bytes back exactly, and otherwise as Latin-1, which
// keeps every byte. A page is saved in the encoding it was loaded in.
struct TextEncoding
{
    QByteArray name = "UTF-8";
    bool byteOrderMark = false;

    bool isUtf8() const { return name == "UTF-8"; }
    bool operator==(const TextEncoding &other) const
    {
        return name == other.name && byteOrderMark == other.byteOrderMark;
    }
};

struct LoadedDocument
{
    QString text; // lines joined by CR LF
    TextEncoding encoding;
};

namespace DocumentFile {

// Reads a whole file. Throws TarnelError "Cannot open file %s".
LoadedDocument load(const QString &path);

LoadedDocument decode(const QByteArray &bytes);
// The bytes of text in encoding; *lossless is false when a character had
// no place in the encoding.
QByteArray encode(const QString &text, const TextEncoding &encoding, bool *lossless = nullptr);
bool canEncode(const QString &text, const TextEncoding &encoding);

// Writes text (its lines joined by CR LF) through a temporary file and a
// rename, so a failure leaves the old file as it was. Throws TarnelError
// "Cannot create file %s"; callers check canEncode() first.
void save(const QString &path, const QString &text, const TextEncoding &encoding);

} // namespace DocumentFile
