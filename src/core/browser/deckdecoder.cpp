#include "deckdecoder.h"

#include "browsertexts.h"
#include "common/documentfile.h"
#include "net/httpclient.h"
#include "wbxml/wbxmlreader.h"

namespace DeckDecoder {

namespace {

bool isCompiled(const QByteArray &bytes, const QByteArray &contentType, const QUrl &url)
{
    if (contentType.toLower().startsWith("application/vnd.wap.wmlc"))
        return true;
    if (url.path().endsWith(QLatin1String(".wmlc"), Qt::CaseInsensitive))
        return true;
    // A WBXML deck starts with its version byte (1.0 to 1.3), never with "<".
    return !bytes.isEmpty() && quint8(bytes[0]) <= 0x03;
}

} // namespace

bool isWmlScript(const QUrl &url, const QByteArray &contentType)
{
    return url.path().endsWith(QLatin1String(".wmls"), Qt::CaseInsensitive)
           || url.path().endsWith(QLatin1String(".wmlsc"), Qt::CaseInsensitive)
           || contentType.toLower().startsWith("text/vnd.wap.wmlscript")
           || contentType.toLower().startsWith("application/vnd.wap.wmlscriptc");
}

Result decode(const QByteArray &bytes, const QByteArray &contentType, const QUrl &url)
{
    Result result;
    QString text;
    QByteArray encoding;
    if (isCompiled(bytes, contentType, url)) {
        const WbxmlReader::Result compiled = WbxmlReader::decode(bytes);
        if (!compiled.ok) {
            result.error = BrowserTexts::tr("The compiled deck cannot be read: %1").arg(compiled.error);
            return result;
        }
        text = compiled.text;
    } else {
        DecodeHints hints;
        hints.transportCharset = HttpClient::charsetOf(contentType);
        const LoadedDocument loaded = DocumentFile::decode(bytes, hints);
        text = loaded.text;
        encoding = loaded.encoding.name;
    }
    WmlDocument::Options options;
    options.actualEncoding = encoding;
    auto document = WmlDocument::parse(text, options);
    if (!document->isWellFormed()) {
        const WmlParseError &error = document->errors().first();
        result.error = BrowserTexts::tr("The deck is not well-formed (line %1): %2")
                           .arg(error.range.start.line)
                           .arg(error.message);
        return result;
    }
    if (!document->root() || document->root()->name != QLatin1String("wml")) {
        result.error = BrowserTexts::tr("This is not a WML deck");
        return result;
    }
    result.document = document;
    return result;
}

} // namespace DeckDecoder
