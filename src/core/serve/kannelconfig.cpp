#include "kannelconfig.h"

#include <QDir>
#include <QRandomGenerator>

namespace KannelConfig {

namespace {

// Kannel reads a value in double quotes up to the next quote; a quote or a
// line break inside would end or break it.
QString quoted(QString value)
{
    value.remove(QLatin1Char('"'));
    value.remove(QLatin1Char('\n'));
    value.remove(QLatin1Char('\r'));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

QString shellQuoted(const QString &value)
{
    QString copy = value;
    copy.replace(QLatin1Char('\''), QStringLiteral("'\\''"));
    return QLatin1Char('\'') + copy + QLatin1Char('\'');
}

} // namespace

QString newPassword()
{
    static const char letters[] = "abcdefghijkmnpqrstuvwxyzABCDEFGHJKLMNPQRSTUVWXYZ23456789";
    QString password;
    for (int i = 0; i < 16; ++i)
        password += QLatin1Char(letters[QRandomGenerator::system()->bounded(int(sizeof letters - 1))]);
    return password;
}

QStringList startCommands(const QString &configPath)
{
    return {QStringLiteral("%1 %2").arg(QLatin1String(bearerboxProgram), shellQuoted(configPath)),
            QStringLiteral("%1 %2").arg(QLatin1String(wapboxProgram), shellQuoted(configPath))};
}

QString text(const KannelSettings &settings, const QString &configPath)
{
    const QString logFolder = QDir(settings.logFolder.isEmpty() ? QDir::tempPath() : settings.logFolder).absolutePath();
    const QString password = settings.adminPassword.isEmpty() ? newPassword() : settings.adminPassword;
    const QString wdp = settings.wdpInterface.isEmpty() ? QStringLiteral("127.0.0.1") : settings.wdpInterface;
    QStringList lines;
    lines << QStringLiteral("# Kannel WAP gateway in front of Tarnel's phone server.")
          << QStringLiteral("# Start bearerbox first, then wapbox, each in its own terminal:");
    for (const QString &command : startCommands(configPath))
        lines << QStringLiteral("#   ") + command;
    lines << QStringLiteral("# Set the phone's WAP gateway to this computer's address, port %1")
                 .arg(connectionOrientedPort)
          << QStringLiteral("# (connection-oriented) or %1 (connectionless), and open").arg(connectionlessPort)
          << QStringLiteral("#   ") + settings.deckUrl
          << QString()
          << QStringLiteral("group = core")
          << QStringLiteral("admin-port = %1").arg(settings.adminPort)
          << QStringLiteral("admin-password = ") + quoted(password)
          << QStringLiteral("admin-deny-ip = \"*.*.*.*\"")
          << QStringLiteral("admin-allow-ip = \"127.0.0.1\"")
          << QStringLiteral("wapbox-port = %1").arg(settings.wapboxPort)
          << QStringLiteral("box-deny-ip = \"*.*.*.*\"")
          << QStringLiteral("box-allow-ip = \"127.0.0.1\"")
          << QStringLiteral("wdp-interface-name = ") + quoted(wdp)
          << QStringLiteral("log-file = ") + quoted(logFolder + QStringLiteral("/bearerbox.log"))
          << QStringLiteral("log-level = 1")
          << QString()
          << QStringLiteral("group = wapbox")
          << QStringLiteral("bearerbox-host = 127.0.0.1")
          << QStringLiteral("log-file = ") + quoted(logFolder + QStringLiteral("/wapbox.log"))
          << QStringLiteral("log-level = 1")
          << QStringLiteral("syslog-level = none");
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace KannelConfig
