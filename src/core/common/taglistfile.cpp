#include "taglistfile.h"

#include "inifile.h"
#include "programfolder.h"
#include "words.h"

#include <QFileInfo>

namespace TagListFile {

namespace {
const QString tagsSection = QStringLiteral("tags");
}

QString path()
{
    return ProgramFolder::file(QStringLiteral("data/check.ini"));
}

bool exists()
{
    return QFileInfo(path()).isFile();
}

QStringList tagNames()
{
    return IniFile::load(path()).keys(tagsSection);
}

QString tagValue(const QString &tag)
{
    return IniFile::load(path()).value(tagsSection, tag);
}

QStringList items(const QString &value)
{
    return Words::split(value, u"|");
}

} // namespace TagListFile
