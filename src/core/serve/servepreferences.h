#pragma once

#include <QString>

// What the user chose for Serve to Phone and Gateway Settings, kept with
// the per-user settings.
struct ServePreferences
{
    bool localNetwork = false; // else this computer only (127.0.0.1)
    quint16 port = 8080;
    quint16 gatewayAdminPort = 13000;
    quint16 gatewayBoxPort = 13002;
    bool gatewayOnNetwork = false; // phones reach the gateway over the network

    QString listenAddress() const { return localNetwork ? QStringLiteral("0.0.0.0") : QStringLiteral("127.0.0.1"); }

    static ServePreferences load();
    void save() const;
};
