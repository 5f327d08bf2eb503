#include "filehistory.h"

#include "usersettings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace FileHistory {

namespace {
const QString recentKey = QStringLiteral("Files/Recent");
const QString folderKey = QStringLiteral("Files/LastFolder");

QString existingFolderOf(const QString &filePath)
{
    if (filePath.isEmpty())
        return QString();
    const QString folder = QFileInfo(filePath).absolutePath();
    return QFileInfo(folder).isDir() ? folder : QString();
}
} // namespace

QStringList withRecent(const QStringList &recent, const QString &path)
{
    QStringList list{path};
    for (const QString &entry : recent) {
        if (entry != path && list.size() < maxRecentFiles)
            list.append(entry);
    }
    return list;
}

QStringList recentFiles()
{
    QStringList list = UserSettings::open()->value(recentKey).toStringList();
    list.removeAll(QString());
    return list.mid(0, maxRecentFiles);
}

void setRecentFiles(const QStringList &recent)
{
    UserSettings::open()->setValue(recentKey, recent);
}

void addRecentFile(const QString &path)
{
    setRecentFiles(withRecent(recentFiles(), path));
}

void removeRecentFile(const QString &path)
{
    QStringList list = recentFiles();
    list.removeAll(path);
    setRecentFiles(list);
}

QString lastFolder()
{
    const QString folder = UserSettings::open()->value(folderKey).toString();
    return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void rememberFolderOf(const QString &filePath)
{
    const QString folder = existingFolderOf(filePath);
    if (!folder.isEmpty())
        UserSettings::open()->setValue(folderKey, folder);
}

QString dialogFolder(const QString &activeDocumentPath)
{
    QString folder = existingFolderOf(activeDocumentPath);
    if (folder.isEmpty())
        folder = lastFolder();
    return folder.isEmpty() ? QDir::homePath() : folder;
}

} // namespace FileHistory
