#pragma once

#include "deviceprofile.h"

#include <QList>
#include <QString>

class IniFile;

// The phones of data/devices.ini, in file order. Section "devices" lists
// the profile sections ("1=nokia7110", "2=…"); each section holds one
// phone's figures. A section that is missing or unreadable is skipped;
// a figure that is missing or not a number keeps the generic phone's value.
class DeviceCatalog
{
public:
    DeviceCatalog() = default;

    // data/devices.ini beside the program.
    static DeviceCatalog load();
    static DeviceCatalog load(const QString &path);
    static DeviceCatalog fromIni(const IniFile &ini);

    const QList<DeviceProfile> &profiles() const { return m_profiles; }
    bool isEmpty() const { return m_profiles.isEmpty(); }

    // The profile whose id or display name is name (case ignored), or
    // nullptr.
    const DeviceProfile *find(const QString &name) const;
    // find(name), else the generic phone.
    DeviceProfile profileOrGeneric(const QString &name) const;

    static QString defaultPath();

private:
    QList<DeviceProfile> m_profiles;
};
