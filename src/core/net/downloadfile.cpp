#include "downloadfile.h"

#include "common/tarnelerror.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

namespace DownloadFile {

namespace {
constexpr int maximumNames = 1000;
const QString stem = QStringLiteral("$$$$$$$$");
} // namespace

QString systemFolder()
{
    return QDir::tempPath();
}

QString pick(const QString &folder, const QStringList &inUse)
{
    QSet<QString> taken;
    for (const QString &path : inUse) {
        if (!path.isEmpty())
            taken.insert(QFileInfo(path).absoluteFilePath());
    }
    const QDir dir(folder);
    for (int number = 1; number <= maximumNames; ++number) {
        const QString name = number == 1 ? stem + QStringLiteral(".wml")
                                         : stem + QLatin1Char('-') + QString::number(number) + QStringLiteral(".wml");
        const QFileInfo candidate(dir.filePath(name));
        if (taken.contains(candidate.absoluteFilePath()))
            continue;
        // Someone else's file in a shared temporary folder is not ours to replace.
        if (candidate.exists() && (!candidate.isFile() || !candidate.isWritable()))
            continue;
        return candidate.absoluteFilePath();
    }
    throw TarnelError::cannotCreate(dir.filePath(stem + QStringLiteral(".wml")));
}

void write(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TarnelError::cannotCreate(path);
}

} // namespace DownloadFile
