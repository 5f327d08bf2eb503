#include "httpclient.h"

#include "curltransfer.h"

#include <QUrl>

namespace HttpClient {

QByteArray get(const QString &address, const ProxySetting &proxy, TransferControl &control, QByteArray *contentType)
{
    Request request;
    request.address = address;
    return send(request, proxy, control, contentType);
}

QByteArray send(const Request &request, const ProxySetting &proxy, TransferControl &control, QByteArray *contentType)
{
    CurlTransfer transfer(control);
    // Spaces and letters beyond ASCII are sent percent-encoded.
    transfer.set(CURLOPT_URL, QUrl(request.address, QUrl::TolerantMode).toEncoded().constData());
    transfer.set(CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
    QStringList headers = request.headers;
    if (request.post) {
        transfer.set(CURLOPT_POST, 1L);
        transfer.set(CURLOPT_POSTFIELDSIZE, long(request.body.size()));
        transfer.set(CURLOPT_COPYPOSTFIELDS, request.body.constData());
        headers.append(QStringLiteral("Content-Type: ") + QString::fromLatin1(request.bodyType));
    } else {
        transfer.set(CURLOPT_HTTPGET, 1L);
    }
    if (!headers.isEmpty())
        transfer.setCommands(CURLOPT_HTTPHEADER, headers);
    transfer.set(CURLOPT_FOLLOWLOCATION, 1L);
    transfer.set(CURLOPT_MAXREDIRS, 20L);
    transfer.set(CURLOPT_PROTOCOLS_STR, "http,https,ftp");
    transfer.set(CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    if (proxy.isSet()) {
        transfer.setText(CURLOPT_PROXY, proxy.host);
        transfer.set(CURLOPT_PROXYPORT, long(proxy.port));
        transfer.set(CURLOPT_PROXYTYPE, long(CURLPROXY_HTTP));
    }
    QByteArray body;
    transfer.receiveInto(&body);
    transfer.perform();
    if (contentType) {
        const char *type = nullptr;
        if (CurlApi::get().easy_getinfo(transfer.handle(), CURLINFO_CONTENT_TYPE, &type) != CURLE_OK || !type)
            type = "";
        *contentType = QByteArray(type);
    }
    return body;
}

QByteArray charsetOf(const QByteArray &contentType)
{
    const QList<QByteArray> parts = contentType.split(';');
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QByteArray parameter = parts[i].trimmed();
        const qsizetype equals = parameter.indexOf('=');
        if (equals < 0 || parameter.left(equals).trimmed().toLower() != "charset")
            continue;
        QByteArray value = parameter.mid(equals + 1).trimmed();
        if (value.size() >= 2 && value.startsWith('"') && value.endsWith('"'))
            value = value.mid(1, value.size() - 2).trimmed();
        return value;
    }
    return QByteArray();
}

} // namespace HttpClient
