#pragma once

#include "devices/devicecatalog.h"

#include <QStringList>
#include <optional>

namespace CliDevice {

// The phone a command-line tool's --device names: "generic", or the id or
// display name of a profile in data/devices.ini. Empty, with *error set,
// for a name nobody knows.
inline std::optional<DeviceProfile> byName(const QString &name, QString *error)
{
    if (name.compare(QLatin1String("generic"), Qt::CaseInsensitive) == 0)
        return DeviceProfile();
    const DeviceCatalog catalog = DeviceCatalog::load();
    if (const DeviceProfile *found = catalog.find(name))
        return *found;
    QStringList known{QStringLiteral("generic")};
    for (const DeviceProfile &profile : catalog.profiles())
        known << profile.id;
    *error = QStringLiteral("Unknown device: %1 (known: %2)").arg(name, known.join(QStringLiteral(", ")));
    return std::nullopt;
}

} // namespace CliDevice
