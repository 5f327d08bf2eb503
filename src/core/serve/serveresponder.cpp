#include "serveresponder.h"

#include "common/tarnelerror.h"
#include "servepath.h"
#include "servetypes.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include <QFile>
#include <QFileInfo>

namespace {

ServeReply refusal(int status, const QString &note)
{
    ServeReply reply;
    reply.status = status;
    reply.contentType = "text/plain; charset=UTF-8";
    reply.body = note.toUtf8() + '\n';
    reply.note = note;
    return reply;
}

// A phone shows a WML deck where it would drop a plain text (gateways
// delete bodies of types the phone did not list): the reason reaches the
// developer's handset.
void sayItInWml(ServeReply *reply, const QByteArray &accept)
{
    if (reply->status < 400 || !accept.toLower().contains(ServeTypes::wml))
        return;
    const QString text = QStringLiteral("<?xml version=\"1.0\"?>\n"
                                        "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" "
                                        "\"http://www.wapforum.org/DTD/wml_1.1.xml\">\n"
                                        "<wml><card id=\"error\" title=\"%1\"><p>%1 %2</p></card></wml>\n")
                             .arg(reply->status)
                             .arg(reply->note.toHtmlEscaped().replace(QLatin1Char('$'), QStringLiteral("$$")));
    reply->contentType = QByteArray(ServeTypes::wml) + "; charset=UTF-8";
    reply->body = text.toUtf8();
}

// Only ordinary files are read: a FIFO or device in the folder would block
// the server or never end.
bool readFile(const QString &path, QByteArray *bytes, ServeReply *failure)
{
    const QFileInfo info(path);
    if (!info.exists() || !info.isFile()) {
        *failure = refusal(404, info.exists() ? QStringLiteral("not an ordinary file") : QStringLiteral("not found"));
        return false;
    }
    if (info.size() > ServeResponder::maxFileBytes) {
        *failure = refusal(413, QStringLiteral("file too large"));
        return false;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *failure = refusal(403, QStringLiteral("cannot read the file"));
        return false;
    }
    *bytes = file.read(ServeResponder::maxFileBytes + 1);
    if (file.error() != QFileDevice::NoError || bytes->size() > ServeResponder::maxFileBytes) {
        *failure = refusal(403, QStringLiteral("cannot read the file"));
        return false;
    }
    return true;
}

} // namespace

ServeResponder::ServeResponder(const QString &folder, DocumentSource documents)
    : m_folder(folder)
    , m_documents(std::move(documents))
{
}

bool ServeResponder::readPage(const QString &path, OpenDocument *page, bool *fromEditor) const
{
    if (m_documents) {
        if (std::optional<OpenDocument> open = m_documents(path)) {
            *page = std::move(*open);
            *fromEditor = true;
            return true;
        }
    }
    *fromEditor = false;
    QByteArray bytes;
    ServeReply ignored;
    if (!readFile(path, &bytes, &ignored))
        return false;
    const LoadedDocument loaded = DocumentFile::decode(bytes);
    page->text = loaded.text;
    page->encoding = loaded.encoding;
    page->lineBreaks = loaded.lineBreaks;
    return true;
}

ServeReply ServeResponder::answer(const QByteArray &method, const QByteArray &target, const QByteArray &accept) const
{
    ServeReply reply = plainAnswer(method, target, accept);
    sayItInWml(&reply, accept);
    return reply;
}

ServeReply ServeResponder::plainAnswer(const QByteArray &method, const QByteArray &target,
                                             const QByteArray &accept) const
{
    if (method != "GET" && method != "HEAD")
        return refusal(405, QStringLiteral("method not allowed"));

    const ServePath path = ServePath::resolve(m_folder, target);
    switch (path.verdict) {
    case ServePath::Verdict::NotAPath:
        return refusal(400, path.reason);
    case ServePath::Verdict::LeavesFolder:
    case ServePath::Verdict::Directory:
        return refusal(403, path.reason);
    case ServePath::Verdict::File:
        break;
    }

    const QFileInfo info(path.filePath);
    const QString suffix = info.suffix().toLower();
    const QByteArray type = ServeTypes::forSuffix(suffix);
    if (type.isEmpty())
        return refusal(404, QStringLiteral("type not served"));

    if (suffix == QLatin1String("wml")) {
        if (ServeTypes::wantsCompiledWml(accept))
            return compiled(path.filePath);
        return wmlSource(path.filePath);
    }
    if (suffix == QLatin1String("wmlc") && !info.exists()) {
        const QString source = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral(".wml");
        if (!ServePath::staysInside(m_folder, source))
            return refusal(403, QStringLiteral("symbolic link leads out of the folder"));
        return compiled(source);
    }
    return plainFile(path.filePath, type);
}

ServeReply ServeResponder::wmlSource(const QString &path) const
{
    ServeReply reply;
    if (m_documents) {
        if (std::optional<OpenDocument> open = m_documents(path)) {
            reply.body = DocumentFile::encode(open->text, open->encoding, nullptr, open->lineBreaks);
            reply.contentType = QByteArray(ServeTypes::wml) + "; charset=" + open->encoding.name;
            reply.note = QStringLiteral("as open in the editor");
            return reply;
        }
    }
    if (!readFile(path, &reply.body, &reply))
        return reply;
    // The file's own bytes, named by the charset they are read in.
    const LoadedDocument loaded = DocumentFile::decode(reply.body);
    reply.contentType = QByteArray(ServeTypes::wml) + "; charset=" + loaded.encoding.name;
    return reply;
}

ServeReply ServeResponder::compiled(const QString &wmlPath) const
{
    OpenDocument page;
    bool fromEditor = false;
    if (!readPage(wmlPath, &page, &fromEditor))
        return refusal(404, QStringLiteral("not found"));
    WmlDocument::Options options;
    options.actualEncoding = page.encoding.name;
    const std::shared_ptr<const WmlDocument> document = WmlDocument::parse(page.text, options);
    const QString sourceName = QFileInfo(wmlPath).fileName();
    if (!document->isWellFormed() || !document->root()) {
        QString why = QStringLiteral("%1 is not well-formed").arg(sourceName);
        if (!document->errors().isEmpty()) {
            const WmlParseError &error = document->errors().first();
            why += QStringLiteral(" (line %1: %2)").arg(error.range.start.line).arg(error.message);
        }
        return refusal(500, why);
    }
    ServeReply reply;
    reply.contentType = ServeTypes::wmlc;
    reply.body = WbxmlWriter::encode(*document);
    reply.note = QStringLiteral("compiled from %1").arg(sourceName);
    if (fromEditor)
        reply.note += QStringLiteral(" as open in the editor");
    return reply;
}

ServeReply ServeResponder::plainFile(const QString &path, const QByteArray &type) const
{
    ServeReply reply;
    if (!readFile(path, &reply.body, &reply))
        return reply;
    reply.contentType = type;
    return reply;
}
