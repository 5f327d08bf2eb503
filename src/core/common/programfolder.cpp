#include "programfolder.h"

#include <QCoreApplication>
#include <QDir>

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

QString settingsFile() { return file(QStringLiteral("tarnel.ini")); }
QString dataFolder() { return file(QStringLiteral("data")); }
QString tempFolder() { return file(QStringLiteral("temp")); }
QString helpFolder() { return file(QStringLiteral("HELP")); }
QString skinsFolder() { return file(QStringLiteral("skins")); }

} // namespace ProgramFolder
