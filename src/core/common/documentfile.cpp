#include "documentfile.h"

#include "tarnelerror.h"
#include "xmldeclaration.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

// A set a page's declaration or its server names must read the ASCII of
// the declaration itself as ASCII; a page whose declaration says UTF-16
// but can be read as ASCII is not UTF-16.
bool readsAsciiAsAscii(const Charset &charset)
{
    const QByteArray probe("<?xml version=\"1.0\"?>");
    QString text;
    return charset.decode(probe, &text) && text == QLatin1String(probe);
}

bool tryCharset(const QByteArray &bytes, const QByteArray &name, LoadedDocument *document)
{
    const Charset charset = Charset::byName(name);
    QString text;
    if (!charset.isValid() || !readsAsciiAsAscii(charset) || !charset.decode(bytes, &text))
        return false;
    document->encoding.name = charset.name();
    document->encoding.byteOrderMark = false;
    document->text = text;
    return true;
}

// A byte-order mark decides the set; the mark is kept for saving.
bool tryByteOrderMark(const QByteArray &bytes, LoadedDocument *document)
{
    for (const QByteArray &name : {QByteArray("UTF-8"), QByteArray("UTF-16LE"), QByteArray("UTF-16BE")}) {
        const Charset charset = Charset::byName(name);
        const QByteArray mark = charset.byteOrderMark();
        QString text;
        if (bytes.startsWith(mark) && charset.decode(bytes.mid(mark.size()), &text)) {
            document->encoding = TextEncoding{charset.name(), true};
            document->text = text;
            return true;
        }
    }
    return false;
}

} // namespace

namespace DocumentFile {

LoadedDocument decode(const QByteArray &bytes, const DecodeHints &hints)
{
    LoadedDocument document;
    if (!tryByteOrderMark(bytes, &document)) {
        const QByteArray declared = XmlDeclaration::declaredEncoding(bytes);
        const bool found = (!declared.isEmpty() && tryCharset(bytes, declared, &document))
                           || (declared.isEmpty() && !hints.transportCharset.isEmpty()
                               && tryCharset(bytes, hints.transportCharset, &document))
                           || tryCharset(bytes, "UTF-8", &document) || tryCharset(bytes, hints.fallback, &document);
        // Latin-1 reads any bytes, so nothing is lost even with a broken fallback.
        if (!found)
            tryCharset(bytes, "ISO-8859-1", &document);
    }
    document.lineBreaks = LineBreaks::detect(document.text);
    document.text = LineBreaks::normalized(document.text);
    return document;
}

bool decodeAs(const QByteArray &bytes, const QByteArray &charsetName, LoadedDocument *document)
{
    const Charset charset = Charset::byName(charsetName);
    const QByteArray mark = charset.byteOrderMark();
    const bool marked = !mark.isEmpty() && bytes.startsWith(mark);
    QString text;
    if (!charset.isValid() || !charset.decode(marked ? bytes.mid(mark.size()) : bytes, &text))
        return false;
    document->encoding = TextEncoding{charset.name(), marked};
    document->lineBreaks = LineBreaks::detect(text);
    document->text = LineBreaks::normalized(text);
    return true;
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw TarnelError::cannotOpen(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TarnelError::cannotOpen(path);
    return bytes;
}

LoadedDocument load(const QString &path, const DecodeHints &hints)
{
    return decode(readBytes(path), hints);
}

QByteArray encode(const QString &text, const TextEncoding &encoding, bool *lossless, LineBreaks::Style lineBreaks)
{
    const Charset charset = encoding.charset();
    QByteArray bytes = charset.encode(LineBreaks::joined(text, lineBreaks), lossless);
    if (encoding.byteOrderMark)
        bytes.prepend(charset.byteOrderMark());
    return bytes;
}

bool canEncode(const QString &text, const TextEncoding &encoding)
{
    return encoding.charset().canEncode(text);
}

QString formatName(const TextEncoding &encoding, LineBreaks::Style lineBreaks)
{
    return QString::fromLatin1(encoding.name) + QLatin1String(encoding.byteOrderMark ? " BOM, " : ", ")
           + LineBreaks::styleName(lineBreaks);
}

void save(const QString &path, const QString &text, const TextEncoding &encoding, LineBreaks::Style lineBreaks)
{
    const QFileInfo target(path);
    if (target.isDir() || (target.exists() && !target.isWritable()))
        throw TarnelError::cannotCreate(path);
    const QByteArray bytes = encode(text, encoding, nullptr, lineBreaks);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TarnelError::cannotCreate(path);
}

} // namespace DocumentFile
