#pragma once

#include "proxysetting.h"

#include <QByteArray>
#include <QString>

class CurlTransfer;
class TransferControl;

// Where and as whom an FTP transfer logs in. Through a proxy the client
// connects to the proxy and logs in as user + "@" + host (see
// RemoteAddress::proxyLogin). An empty user logs in as "anonymous".
struct FtpLogin
{
    QString host;
    int port = 21;
    QString user;
    QString password;
    ProxySetting proxy;
};

// The FTP client of Open from URL and Save to FTP. Each call is one
// session: log in (USER, then PASS when asked), the transfer in binary
// mode over a passive data connection, then QUIT. The remote path goes to
// the server as written, relative to the log-in folder unless it starts
// with "/". Every failure throws TarnelError carrying libcurl's text and
// the server's refusal ("Access denied: 530 (530 Login incorrect.)").
namespace FtpClient {

// Points transfer at remotePath on the server (or the proxy) with the
// log-in, in binary mode over passive data connections, without CWD.
void prepareSession(CurlTransfer &transfer, const FtpLogin &login, const QString &remotePath);

QByteArray download(const FtpLogin &login, const QString &remotePath, TransferControl &control);
// The server's copy is replaced only by a complete upload (see FtpUpload).
void upload(const FtpLogin &login, const QString &remotePath, const QByteArray &data, TransferControl &control);

} // namespace FtpClient
