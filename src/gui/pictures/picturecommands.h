#pragma once

#include "devices/deviceprofile.h"

#include <QString>

class DialogService;

// What Insert > Picture from File and Tools > Convert Picture to WBMP
// share.
namespace PictureCommands {

// The phone the converter sizes pictures for. The generic phone, as the
// checker uses, until the program lets the user choose a phone.
DeviceProfile device();

// A path to write a WBMP to: proposed when it is free or the user agrees
// to replace it, else one the save dialog gives (starting in folder,
// asking again before it replaces a file). Empty when the user cancelled.
QString targetPath(DialogService &dialogs, const QString &proposed, const QString &folder);

} // namespace PictureCommands
