#pragma once

#include <QString>

class DialogService;

// What Insert > Picture from File and Tools > Convert Picture to WBMP
// share.
namespace PictureCommands {

// A path to write a WBMP to: proposed when it is free or the user agrees
// to replace it, else one the save dialog gives (starting in folder,
// asking again before it replaces a file). Empty when the user cancelled.
QString targetPath(DialogService &dialogs, const QString &proposed, const QString &folder);

} // namespace PictureCommands
