#pragma once

#include "proxysetting.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class TransferControl;

// The HTTP client of Open from URL.
namespace HttpClient {

// An HTTP/1.0 GET of address (http, https, or an anonymous ftp address),
// sent to the proxy when one is set. Redirections are followed; the body
// of the final response is returned whatever its status, so a 404 page is
// a page too. Throws TarnelError on host look-up, connection, time-out,
// cancel or a cut-off response. *contentType, when given, receives the
// final response's Content-Type header (empty when it had none).
QByteArray get(const QString &address, const ProxySetting &proxy, TransferControl &control,
               QByteArray *contentType = nullptr);

// A request as a phone's browser sends it: GET or POST (with its body and
// the body's type), plus request headers written "Name: value"
// ("Referer: ...", "Cache-Control: no-cache"). Otherwise as get().
struct Request
{
    QString address;
    bool post = false;
    QByteArray body;
    QByteArray bodyType;
    QStringList headers;
};
QByteArray send(const Request &request, const ProxySetting &proxy, TransferControl &control,
                QByteArray *contentType = nullptr);

// The charset parameter of a Content-Type value
// ("text/vnd.wap.wml; charset=windows-1250"), unquoted; empty when none.
QByteArray charsetOf(const QByteArray &contentType);

} // namespace HttpClient
