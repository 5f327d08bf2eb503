#include "ftpupload.h"

#include "curltransfer.h"
#include "ftpclient.h"
#include "transfercontrol.h"

#include "common/tarnelerror.h"

#include <QCoreApplication>
#include <QRandomGenerator>

namespace FtpUpload {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("FtpUpload", text);
}

// Commands alone, in a session of their own with fresh time-outs: the
// caller's control may be the cancelled one.
void runCommands(const FtpLogin &login, const QStringList &commands, const TransferLimits &limits)
{
    TransferControl control(limits);
    CurlTransfer transfer(control);
    FtpClient::prepareSession(transfer, login, QString());
    transfer.set(CURLOPT_NOBODY, 1L);
    transfer.setCommands(CURLOPT_QUOTE, commands);
    transfer.perform();
}

// Raw commands carry the paths: a line break would end the command early
// and start another one.
void refuseLineBreaks(const QString &remotePath)
{
    for (const QChar c : remotePath) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0))
            throw TarnelError(tr("The remote path %1 holds a line break").arg(remotePath.simplified()));
    }
}

struct Attempt
{
    bool done = false;
    bool sent = false;        // the server may hold part of the data
    bool onlyRename = false;  // the data is complete, the rename was refused
    QString error;
};

Attempt store(const FtpLogin &login, const QString &partial, const QString &remotePath, const QByteArray &data,
              TransferControl &control)
{
    Attempt attempt;
    CurlTransfer transfer(control);
    FtpClient::prepareSession(transfer, login, partial);
    transfer.set(CURLOPT_UPLOAD, 1L);
    transfer.sendFrom(&data);
    // Sent by libcurl only after the server confirmed the whole file.
    transfer.setCommands(CURLOPT_POSTQUOTE,
                         {QStringLiteral("RNFR ") + partial, QStringLiteral("RNTO ") + remotePath});
    try {
        transfer.perform();
        attempt.done = true;
    } catch (const TarnelError &error) {
        attempt.error = error.text();
        attempt.sent = transfer.startedSending();
        attempt.onlyRename = transfer.result() == CURLE_QUOTE_ERROR;
    }
    // The transfer's connections close here, before any clean-up session.
    return attempt;
}

} // namespace

QString partialPath(const QString &remotePath, quint32 tag)
{
    return remotePath + QStringLiteral(".tarnel-") + QString::number(tag, 16).rightJustified(8, QLatin1Char('0'))
         + QStringLiteral(".part");
}

void run(const FtpLogin &login, const QString &remotePath, const QByteArray &data, TransferControl &control)
{
    refuseLineBreaks(remotePath);
    const QString partial = partialPath(remotePath, QRandomGenerator::global()->generate());
    const Attempt attempt = store(login, partial, remotePath, data, control);
    if (attempt.done)
        return;
    const TransferLimits limits = control.limits();
    if (attempt.onlyRename) {
        try {
            runCommands(login,
                        {QStringLiteral("DELE ") + remotePath, QStringLiteral("RNFR ") + partial,
                         QStringLiteral("RNTO ") + remotePath},
                        limits);
            return;
        } catch (const TarnelError &error) {
            throw TarnelError(tr("The server did not let the upload replace %1 (%2); it was kept as %3")
                                  .arg(remotePath, error.text(), partial));
        }
    }
    if (attempt.sent) {
        try {
            // "*": a file the server never created is no failure.
            runCommands(login, {QStringLiteral("*DELE ") + partial}, limits);
        } catch (const TarnelError &error) {
            throw TarnelError(tr("%1; the partial file %2 could not be removed from the server: %3")
                                  .arg(attempt.error, partial, error.text()));
        }
    }
    throw TarnelError(attempt.error);
}

} // namespace FtpUpload
