#include "documentfile.h"

#include "linebreaks.h"
#include "tarnelerror.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStringDecoder>
#include <QStringEncoder>

namespace {

const QByteArray utf8Bom("\xEF\xBB\xBF");

QByteArray declaredEncoding(const QByteArray &bytes)
{
    const QByteArray head = bytes.left(200);
    if (!head.startsWith("<?xml"))
        return QByteArray();
    static const QRegularExpression pattern(QStringLiteral(R"(encoding\s*=\s*["']([A-Za-z0-9._:-]+)["'])"));
    const QRegularExpressionMatch match = pattern.match(QString::fromLatin1(head.left(head.indexOf("?>"))));
    return match.hasMatch() ? match.captured(1).toLatin1() : QByteArray();
}

bool decodesExactly(const QByteArray &bytes, const QByteArray &encodingName, QString *text)
{
    QStringDecoder decoder(encodingName.constData());
    if (!decoder.isValid())
        return false;
    *text = decoder(bytes);
    if (decoder.hasError())
        return false;
    QStringEncoder encoder(encodingName.constData());
    return encoder.isValid() && QByteArray(encoder(*text)) == bytes;
}

} // namespace

namespace DocumentFile {

LoadedDocument decode(const QByteArray &bytes)
{
    LoadedDocument document;
    const bool bom = bytes.startsWith(utf8Bom);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bom ? bytes.mid(utf8Bom.size()) : bytes);
    if (!utf8.hasError()) {
        document.encoding.byteOrderMark = bom;
    } else {
        const QByteArray declared = declaredEncoding(bytes);
        if (!declared.isEmpty() && decodesExactly(bytes, declared, &text)) {
            document.encoding.name = declared;
        } else {
            document.encoding.name = "ISO-8859-1";
            text = QString::fromLatin1(bytes);
        }
    }
    document.text = LineBreaks::normalized(text);
    return document;
}

LoadedDocument load(const QString &path)
{
    QFile file(path);
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw TarnelError::cannotOpen(path);
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw TarnelError::cannotOpen(path);
    return decode(bytes);
}

QByteArray encode(const QString &text, const TextEncoding &encoding, bool *lossless)
{
    QByteArray bytes;
    bool exact = true;
    if (encoding.isUtf8()) {
        bytes = text.toUtf8();
        if (encoding.byteOrderMark)
            bytes.prepend(utf8Bom);
    } else if (encoding.name == "ISO-8859-1") {
        exact = std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; });
        bytes = text.toLatin1();
    } else {
        QStringEncoder encoder(encoding.name.constData());
        bytes = encoder(text);
        QStringDecoder decoder(encoding.name.constData());
        exact = !encoder.hasError() && decoder(bytes) == text;
    }
    if (lossless)
        *lossless = exact;
    return bytes;
}

bool canEncode(const QString &text, const TextEncoding &encoding)
{
    bool lossless = true;
    encode(text, encoding, &lossless);
    return lossless;
}

void save(const QString &path, const QString &text, const TextEncoding &encoding)
{
    const QFileInfo target(path);
    if (target.isDir() || (target.exists() && !target.isWritable()))
        throw TarnelError::cannotCreate(path);
    const QByteArray bytes = encode(LineBreaks::normalized(text), encoding);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TarnelError::cannotCreate(path);
}

} // namespace DocumentFile
