#include "deviceprofile.h"

QString DeviceProfile::screenText() const
{
    return QStringLiteral("%1 \u00d7 %2").arg(screenWidth).arg(screenHeight);
}
