#pragma once

#include "proxysetting.h"

#include <QByteArray>
#include <QString>

class TransferControl;

// The HTTP client of Open from URL.
namespace HttpClient {

// An HTTP/1.0 GET of address (http, https, or an anonymous ftp address),
// sent to the proxy when one is set. Redirections are followed; the body
// of the final response is returned whatever its status, so a 404 page is
// a page too. Throws TarnelError on host look-up, connection, time-out,
// cancel or a cut-off response.
QByteArray get(const QString &address, const ProxySetting &proxy, TransferControl &control);

} // namespace HttpClient
