#include "ftpclient.h"

#include "curltransfer.h"
#include "ftpupload.h"
#include "remoteaddress.h"

namespace FtpClient {

void prepareSession(CurlTransfer &transfer, const FtpLogin &login, const QString &remotePath)
{
    const QString user = login.user.isEmpty() ? QStringLiteral("anonymous") : login.user;
    if (login.proxy.isSet()) {
        transfer.setText(CURLOPT_URL, RemoteAddress::ftpUrl(login.proxy.host, login.proxy.port, remotePath));
        transfer.setText(CURLOPT_USERNAME, RemoteAddress::proxyLogin(user, login.host, login.port));
    } else {
        transfer.setText(CURLOPT_URL, RemoteAddress::ftpUrl(login.host, login.port, remotePath));
        transfer.setText(CURLOPT_USERNAME, user);
    }
    transfer.setText(CURLOPT_PASSWORD, login.password);
    transfer.set(CURLOPT_PROTOCOLS_STR, "ftp");
    // No CWD: RETR and STOR get the path exactly as the user gave it.
    transfer.set(CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_NOCWD));
}

QByteArray download(const FtpLogin &login, const QString &remotePath, TransferControl &control)
{
    CurlTransfer transfer(control);
    prepareSession(transfer, login, remotePath);
    QByteArray body;
    transfer.receiveInto(&body);
    transfer.perform();
    return body;
}

void upload(const FtpLogin &login, const QString &remotePath, const QByteArray &data, TransferControl &control)
{
    FtpUpload::run(login, remotePath, data, control);
}

} // namespace FtpClient
