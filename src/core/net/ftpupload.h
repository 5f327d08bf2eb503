#pragma once

#include <QByteArray>
#include <QString>

struct FtpLogin;
class TransferControl;

// Save to FTP's upload, done so that the server's copy of a page is never
// cut off: the data is stored under a temporary name in the target's
// folder and renamed over the target only after the server confirmed the
// whole file. A failed, dropped or cancelled upload leaves the old file as
// it was and the partial file is deleted in a session of its own.
namespace FtpUpload {

// The temporary name for remotePath: in the same folder, the file's name
// followed by ".tarnel-" + tag in hexadecimal + ".part".
QString partialPath(const QString &remotePath, quint32 tag);

// Uploads data to remotePath as above. A server that refuses to rename
// onto an existing file gets the old file deleted and the rename repeated,
// which happens only once the new file is complete on the server.
// Throws TarnelError with the transfer's failure; when the partial file
// could not be removed, or the complete upload could not be put in place,
// the text names the file left on the server. Paths holding line breaks
// are refused before anything is sent.
void run(const FtpLogin &login, const QString &remotePath, const QByteArray &data, TransferControl &control);

} // namespace FtpUpload
