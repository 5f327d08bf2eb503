#pragma once

#include <QString>

// The rules that turn the fields of the remote dialogs into addresses,
// paths, ports and log-in names.
namespace RemoteAddress {

// The password both remote dialogs start with: an anonymous-FTP style
// address naming the program.
QString placeholderPassword();

// True when text (after leading blanks) begins with a scheme and "://",
// in any letter case: "HTTP://", "https://", "ftp://".
bool hasScheme(const QString &text);
// text trimmed, with scheme + "://" in front unless it has a scheme.
QString withScheme(const QString &text, const QString &scheme);
// The host of an FTP address: without a leading "ftp://" (any case) and
// without trailing "/". Throws TarnelError when the address names another
// scheme ("http://..." is no FTP server).
QString ftpHost(const QString &address);

// The number in a port field. Throws TarnelError "'%s' is not a valid
// integer value" for text that is not a decimal number, and "'%s' is not
// a valid port number" for one outside 1 to 65535.
int portNumber(const QString &text);

// A remote folder always ends in "/"; an empty folder becomes "/".
QString folderWithSlash(const QString &folder);
// Where Save to FTP stores localPath: the folder plus the file's name,
// every space of the result turned into "_".
QString uploadPath(const QString &folder, const QString &localPath);

// The user name given to an FTP proxy: user + "@" + host, with ":" + port
// added when the server does not listen on the usual port 21.
QString proxyLogin(const QString &user, const QString &host, int port);

// "ftp://host:port/" + remotePath percent-encoded. The path goes to the
// server as written (a leading "/" stays, giving "ftp://host:21//pub/a").
QString ftpUrl(const QString &host, int port, const QString &remotePath);

} // namespace RemoteAddress
