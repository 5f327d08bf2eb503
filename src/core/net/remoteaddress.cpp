#include "remoteaddress.h"

#include "common/tarnelerror.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>
#include <QUrl>

namespace RemoteAddress {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RemoteAddress", text);
}

const QRegularExpression &schemePattern()
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]*://"));
    return pattern;
}

} // namespace

QString placeholderPassword()
{
    return QStringLiteral("tarnel@example.com");
}

bool hasScheme(const QString &text)
{
    return schemePattern().match(text.trimmed()).hasMatch();
}

QString withScheme(const QString &text, const QString &scheme)
{
    const QString trimmed = text.trimmed();
    return hasScheme(trimmed) ? trimmed : scheme + QStringLiteral("://") + trimmed;
}

QString ftpHost(const QString &address)
{
    QString host = address.trimmed();
    const QString prefix = QStringLiteral("ftp://");
    if (host.startsWith(prefix, Qt::CaseInsensitive))
        host = host.mid(prefix.size());
    else if (hasScheme(host))
        throw TarnelError(tr("'%1' is not an FTP address").arg(address));
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    return host;
}

int portNumber(const QString &text)
{
    const QString trimmed = text.trimmed();
    // Decimal digits with an optional sign; no hexadecimal, no grouping.
    const qsizetype digitsFrom = trimmed.startsWith(QLatin1Char('-')) || trimmed.startsWith(QLatin1Char('+')) ? 1 : 0;
    bool ok = trimmed.size() > digitsFrom;
    for (qsizetype i = digitsFrom; i < trimmed.size(); ++i)
        ok = ok && trimmed[i] >= QLatin1Char('0') && trimmed[i] <= QLatin1Char('9');
    const qlonglong value = ok ? trimmed.toLongLong(&ok) : 0;
    if (!ok)
        throw TarnelError(tr("'%1' is not a valid integer value").arg(text));
    if (value < 1 || value > 65535)
        throw TarnelError(tr("'%1' is not a valid port number").arg(text));
    return int(value);
}

QString folderWithSlash(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QString uploadPath(const QString &folder, const QString &localPath)
{
    QString path = folderWithSlash(folder) + QFileInfo(localPath).fileName();
    return path.replace(QLatin1Char(' '), QLatin1Char('_'));
}

QString proxyLogin(const QString &user, const QString &host, int port)
{
    QString login = user + QLatin1Char('@') + host;
    if (port != 21)
        login += QLatin1Char(':') + QString::number(port);
    return login;
}

QString ftpUrl(const QString &host, int port, const QString &remotePath)
{
    // An IPv6 address needs brackets in a URL.
    const QString shownHost = host.contains(QLatin1Char(':')) && !host.startsWith(QLatin1Char('['))
        ? QLatin1Char('[') + host + QLatin1Char(']')
        : host;
    return QStringLiteral("ftp://") + shownHost + QLatin1Char(':') + QString::number(port) + QLatin1Char('/')
        + QString::fromLatin1(QUrl::toPercentEncoding(remotePath, "/"));
}

} // namespace RemoteAddress
