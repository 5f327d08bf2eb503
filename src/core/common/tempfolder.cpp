#include "tempfolder.h"

#include <QDir>
#include <QFile>

namespace TempFolder {

void clear(const QString &folder)
{
    QDir dir(folder);
    if (!dir.exists())
        return;
    const QStringList entries = dir.entryList(QDir::Files | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &name : entries)
        QFile::remove(dir.filePath(name));
    // rmdir refuses a folder that still holds anything, which is what we want.
    QDir().rmdir(folder);
}

} // namespace TempFolder
