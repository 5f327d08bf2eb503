#pragma once

#include <QString>
#include <QStringList>

// The addresses a phone or a gateway types to reach the phone server.
namespace ServeAddresses {

// The hosts at which a server listening on listenAddress can be reached:
// the address itself, or for "0.0.0.0" every IPv4 address of this
// computer's interfaces that are up (network addresses first, loopback
// last); for "::" the same with IPv6 ones as well.
QStringList hosts(const QString &listenAddress);

// "http://host:port/path", an IPv6 host in brackets; path without the
// leading slash ("deck.wml"), encoded as a URL path.
QString url(const QString &host, quint16 port, const QString &path = QString());

// True for addresses that only this computer can reach.
bool isLoopback(const QString &listenAddress);

} // namespace ServeAddresses
