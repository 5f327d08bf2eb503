#include "commandlinefiles.h"

#include "tarnelerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace CommandLineFiles {

QString documentPath(const QString &argument, const QString &currentFolder)
{
    return QDir::cleanPath(QDir(currentFolder).absoluteFilePath(argument));
}

void ensureExists(const QString &path)
{
    if (QFileInfo::exists(path))
        return;
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw TarnelError::cannotCreate(path);
}

} // namespace CommandLineFiles
