#pragma once

#include <QString>
#include <QStringList>

// A configuration for the Kannel WAP gateway (bearerbox and wapbox) in
// front of the phone server: WAP 1.x phones speak WSP over UDP to the
// gateway, which fetches the deck over HTTP and compiles it for them.
// bearerbox takes the phones' datagrams on the well-known WSP ports 9200
// (connectionless) and 9201 (connection-oriented) of wdpInterface; the
// other two ports are its own: administration and the wapbox's link.
struct KannelSettings
{
    // The address the phone opens, shown in the file's comment.
    QString deckUrl;
    // "127.0.0.1" for a phone simulator on this computer, "*" (or one
    // address) for phones on the network.
    QString wdpInterface = QStringLiteral("127.0.0.1");
    quint16 adminPort = 13000;
    quint16 wapboxPort = 13002;
    QString adminPassword;
    // Where bearerbox.log and wapbox.log are written.
    QString logFolder;
};

namespace KannelConfig {

inline constexpr char bearerboxProgram[] = "/usr/sbin/bearerbox";
inline constexpr char wapboxProgram[] = "/usr/sbin/wapbox";
inline constexpr quint16 connectionlessPort = 9200;
inline constexpr quint16 connectionOrientedPort = 9201;

// The text of the configuration file to be saved at configPath (core and
// wapbox groups), commented with how to start it and what to type into
// the phone.
QString text(const KannelSettings &settings, const QString &configPath);

// The commands that start the gateway with the file at configPath, in
// the order they must run (each in its own terminal).
QStringList startCommands(const QString &configPath);

// A password for the administration port, fresh each time.
QString newPassword();

} // namespace KannelConfig
