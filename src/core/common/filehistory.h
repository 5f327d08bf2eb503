#pragma once

#include <QString>
#include <QStringList>

// Where the user has been with files, kept in the per-user settings: the
// list of recently used files (newest first, at most ten, each path once)
// and the folder of the last file chosen in a file dialog.
namespace FileHistory {

constexpr int maxRecentFiles = 10;

// The list with path put first: an earlier entry of the same path goes,
// and entries past the tenth fall off.
QStringList withRecent(const QStringList &recent, const QString &path);

QStringList recentFiles();
void setRecentFiles(const QStringList &recent);
// Puts path first in the stored list.
void addRecentFile(const QString &path);
// Takes path out of the stored list.
void removeRecentFile(const QString &path);

// The folder of the file last chosen in a file dialog; empty when none is
// stored or it no longer exists.
QString lastFolder();
void rememberFolderOf(const QString &filePath);

// The folder a file dialog starts in: the active page's folder when it
// has one that exists, else the last folder used, else the home folder.
QString dialogFolder(const QString &activeDocumentPath);

} // namespace FileHistory
