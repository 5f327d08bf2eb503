#include "httpclient.h"

#include "curltransfer.h"

#include <QUrl>

namespace HttpClient {

QByteArray get(const QString &address, const ProxySetting &proxy, TransferControl &control)
{
    CurlTransfer transfer(control);
    // Spaces and letters beyond ASCII are sent percent-encoded.
    transfer.set(CURLOPT_URL, QUrl(address, QUrl::TolerantMode).toEncoded().constData());
    transfer.set(CURLOPT_HTTP_VERSION, long(CURL_HTTP_VERSION_1_0));
    transfer.set(CURLOPT_HTTPGET, 1L);
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
    return body;
}

} // namespace HttpClient
