#pragma once

#include "charset.h"
#include "linebreaks.h"

#include <QByteArray>
#include <QString>

// How a document's bytes map to characters: the character set's name and
// whether the file starts with a byte-order mark. A page is saved in the
// encoding it was loaded in unless the user agrees to another.
struct TextEncoding
{
    QByteArray name = "UTF-8";
    bool byteOrderMark = false;

    Charset charset() const { return Charset::byName(name); }
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
    LineBreaks::Style lineBreaks = LineBreaks::Style::CrLf;
};

// What decoding knows beside the bytes.
struct DecodeHints
{
    // The 8-bit set of pages that are not UTF-8 and declare nothing.
    QByteArray fallback = "windows-1252";
    // The charset a web server named for the page (Content-Type); empty
    // when none.
    QByteArray transportCharset;
};

namespace DocumentFile {

// Reads a whole file. Throws TarnelError "Cannot open file %s".
LoadedDocument load(const QString &path, const DecodeHints &hints = DecodeHints());
QByteArray readBytes(const QString &path);

// The character set is chosen in this order: a byte-order mark (UTF-8 or
// UTF-16); the set the XML declaration names; the set the web server named;
// UTF-8 when the bytes are valid UTF-8; the fallback 8-bit set. A declared
// or named set is taken only when it reads the bytes and writes them back
// exactly. The line-break style is the one all of the text's breaks share.
LoadedDocument decode(const QByteArray &bytes, const DecodeHints &hints = DecodeHints());
// The bytes read in the set named charsetName (a byte-order mark of that
// set is skipped and kept). False when the bytes are not a text in that set.
bool decodeAs(const QByteArray &bytes, const QByteArray &charsetName, LoadedDocument *document);

// The bytes of text in encoding, its lines joined by the style's break;
// *lossless is false when a character had no place in the encoding.
QByteArray encode(const QString &text, const TextEncoding &encoding, bool *lossless = nullptr,
                  LineBreaks::Style lineBreaks = LineBreaks::Style::CrLf);
bool canEncode(const QString &text, const TextEncoding &encoding);

// How the status bar names a file's format: "windows-1250, CR LF",
// "UTF-8 BOM, LF".
QString formatName(const TextEncoding &encoding, LineBreaks::Style lineBreaks);

// Writes text through a temporary file and a rename, so a failure leaves
// the old file as it was. Throws TarnelError "Cannot create file %s";
// callers check canEncode() first.
void save(const QString &path, const QString &text, const TextEncoding &encoding,
          LineBreaks::Style lineBreaks = LineBreaks::Style::CrLf);

} // namespace DocumentFile
