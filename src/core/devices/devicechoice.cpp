#include "devicechoice.h"

#include "common/usersettings.h"

#include <QSettings>

namespace {
const QString chosenKey = QStringLiteral("Devices/Chosen");
} // namespace

namespace DeviceChoice {

QString chosen()
{
    return UserSettings::open()->value(chosenKey, QStringLiteral("nokia7110")).toString();
}

void setChosen(const QString &id)
{
    UserSettings::open()->setValue(chosenKey, id);
}

} // namespace DeviceChoice
