#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace ProgramFolder {

QString path()
{
    const QString overridden = qEnvironmentVariable("TARNEL_PROGRAM_DIR");
    if (!overridden.isEmpty())
        return QDir::cleanPath(QDir(overridden).absolutePath());
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath();
    return QDir::currentPath();
}

QString file(const QString &relative)
{
    QString normalized = relative;
    normalized.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir(path()).filePath(normalized);
}

namespace {

// Tried rather than read from permission bits, which say nothing of
// read-only mounts, immutable folders or a program run as root.
bool takesFiles(const QString &folder)
{
    QTemporaryFile probe(folder + QStringLiteral("/.tarnel-XXXXXX"));
    return probe.open();
}

// Whether the program may keep a folder of that name beside itself: it can
// write into the existing one, or make it in the program folder.
bool writableFolderBeside(const QString &name)
{
    const QFileInfo beside(file(name));
    return beside.exists() ? beside.isDir() && takesFiles(beside.filePath()) : takesFiles(path());
}

// Settings are replaced through a new file beside the old one, so the
// program folder itself must take files.
bool writableFileBeside(const QString &name)
{
    const QFileInfo beside(file(name));
    return takesFiles(path()) && (!beside.exists() || beside.isWritable());
}

} // namespace

QString settingsFile()
{
    const QString name = QStringLiteral("tarnel.ini");
    if (writableFileBeside(name))
        return file(name);
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                         + QStringLiteral("/tarnel");
    QDir().mkpath(folder);
    return folder + QLatin1Char('/') + name;
}

QString dataFolder() { return file(QStringLiteral("data")); }

QString tempFolder()
{
    const QString name = QStringLiteral("temp");
    if (writableFolderBeside(name))
        return file(name);
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/tarnel/temp");
}
QString helpFolder() { return file(QStringLiteral("HELP")); }
QString skinsFolder() { return file(QStringLiteral("skins")); }

} // namespace ProgramFolder
