#include "servepreferences.h"

#include "common/usersettings.h"

#include <QSettings>

namespace {

quint16 portValue(const QSettings &settings, const QString &key, quint16 fallback)
{
    bool ok = false;
    const uint value = settings.value(key).toUInt(&ok);
    return ok && value > 0 && value <= 65535 ? quint16(value) : fallback;
}

} // namespace

ServePreferences ServePreferences::load()
{
    const std::unique_ptr<QSettings> settings = UserSettings::open();
    ServePreferences preferences;
    preferences.localNetwork = settings->value(QStringLiteral("Serve/LocalNetwork"), false).toBool();
    preferences.port = portValue(*settings, QStringLiteral("Serve/Port"), preferences.port);
    preferences.gatewayAdminPort = portValue(*settings, QStringLiteral("Serve/GatewayAdminPort"), preferences.gatewayAdminPort);
    preferences.gatewayBoxPort = portValue(*settings, QStringLiteral("Serve/GatewayBoxPort"), preferences.gatewayBoxPort);
    preferences.gatewayOnNetwork = settings->value(QStringLiteral("Serve/GatewayOnNetwork"), false).toBool();
    return preferences;
}

void ServePreferences::save() const
{
    const std::unique_ptr<QSettings> settings = UserSettings::open();
    settings->setValue(QStringLiteral("Serve/LocalNetwork"), localNetwork);
    settings->setValue(QStringLiteral("Serve/Port"), port);
    settings->setValue(QStringLiteral("Serve/GatewayAdminPort"), gatewayAdminPort);
    settings->setValue(QStringLiteral("Serve/GatewayBoxPort"), gatewayBoxPort);
    settings->setValue(QStringLiteral("Serve/GatewayOnNetwork"), gatewayOnNetwork);
}
