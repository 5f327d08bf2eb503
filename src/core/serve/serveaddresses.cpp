#include "serveaddresses.h"

#include <QUrl>

#include <arpa/inet.h>
#include <ifaddrs.h>
#include <net/if.h>
#include <netinet/in.h>

namespace ServeAddresses {

namespace {

QString addressText(const sockaddr *address)
{
    char text[INET6_ADDRSTRLEN] = {};
    if (address->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(address)->sin_addr, text, sizeof text);
    else if (address->sa_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6 *>(address)->sin6_addr, text, sizeof text);
    return QString::fromLatin1(text);
}

} // namespace

bool isLoopback(const QString &listenAddress)
{
    const QString host = listenAddress.trimmed();
    return host.startsWith(QLatin1String("127.")) || host == QLatin1String("::1")
           || host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0;
}

QStringList hosts(const QString &listenAddress)
{
    const QString listen = listenAddress.trimmed();
    const bool anyIpv4 = listen == QLatin1String("0.0.0.0");
    const bool anyIpv6 = listen == QLatin1String("::");
    if (!anyIpv4 && !anyIpv6)
        return {listen.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0 ? QStringLiteral("127.0.0.1") : listen};

    QStringList network;
    QStringList loopback;
    ifaddrs *interfaces = nullptr;
    if (getifaddrs(&interfaces) == 0) {
        for (const ifaddrs *it = interfaces; it; it = it->ifa_next) {
            if (!it->ifa_addr || !(it->ifa_flags & IFF_UP))
                continue;
            const int family = it->ifa_addr->sa_family;
            if (family != AF_INET && !(anyIpv6 && family == AF_INET6))
                continue;
            const QString text = addressText(it->ifa_addr);
            // Link-local IPv6 addresses need a zone a phone cannot type.
            if (text.isEmpty() || text.startsWith(QLatin1String("fe80:")))
                continue;
            QStringList &list = (it->ifa_flags & IFF_LOOPBACK) ? loopback : network;
            if (!list.contains(text))
                list << text;
        }
        freeifaddrs(interfaces);
    }
    if (loopback.isEmpty())
        loopback << QStringLiteral("127.0.0.1");
    return network + loopback;
}

QString url(const QString &host, quint16 port, const QString &path)
{
    const QString shownHost = host.contains(QLatin1Char(':')) ? QLatin1Char('[') + host + QLatin1Char(']') : host;
    QString encodedPath = QString::fromLatin1(QUrl::toPercentEncoding(path, "/"));
    return QStringLiteral("http://%1:%2/%3").arg(shownHost).arg(port).arg(encodedPath);
}

} // namespace ServeAddresses
