#include "devicecatalog.h"

#include "common/inifile.h"
#include "common/programfolder.h"

#include <QDir>

namespace {

int positiveInt(const IniFile &ini, const QString &section, const char *key, int fallback)
{
    bool ok = false;
    const int number = ini.value(section, QLatin1String(key)).toInt(&ok);
    return ok && number > 0 ? number : fallback;
}

double positiveReal(const IniFile &ini, const QString &section, const char *key, double fallback)
{
    bool ok = false;
    const double number = ini.value(section, QLatin1String(key)).toDouble(&ok);
    return ok && number > 0.0 && number < 10.0 ? number : fallback;
}

bool flag(const IniFile &ini, const QString &section, const char *key, bool fallback)
{
    const QString text = ini.value(section, QLatin1String(key)).trimmed();
    if (text == QLatin1String("1") || text.compare(QLatin1String("yes"), Qt::CaseInsensitive) == 0)
        return true;
    if (text == QLatin1String("0") || text.compare(QLatin1String("no"), Qt::CaseInsensitive) == 0)
        return false;
    return fallback;
}

QStringList typeList(const IniFile &ini, const QString &section, const char *key, const QStringList &fallback)
{
    if (!ini.contains(section, QLatin1String(key)))
        return fallback;
    QStringList types;
    for (const QString &part : ini.value(section, QLatin1String(key)).split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const QString type = part.trimmed();
        if (!type.isEmpty())
            types.append(type);
    }
    return types;
}

// "96x65" (or with "×" or "*"): false when it is not two positive numbers.
bool readScreen(const QString &text, int &width, int &height)
{
    QString normal = text.trimmed().toLower();
    normal.replace(QChar(0x00d7), QLatin1Char('x'));
    normal.replace(QLatin1Char('*'), QLatin1Char('x'));
    const QStringList parts = normal.split(QLatin1Char('x'));
    if (parts.size() != 2)
        return false;
    bool okWidth = false, okHeight = false;
    const int w = parts[0].trimmed().toInt(&okWidth);
    const int h = parts[1].trimmed().toInt(&okHeight);
    if (!okWidth || !okHeight || w <= 0 || h <= 0 || w > 4096 || h > 4096)
        return false;
    width = w;
    height = h;
    return true;
}

// "1.3" or "3": the minor number of the WBXML version.
int wbxmlMinor(const QString &text, int fallback)
{
    const QString trimmed = text.trimmed();
    const QString minor = trimmed.startsWith(QLatin1String("1.")) ? trimmed.mid(2) : trimmed;
    bool ok = false;
    const int number = minor.toInt(&ok);
    return ok && number >= 1 && number <= 3 ? number : fallback;
}

DeviceProfile readProfile(const IniFile &ini, const QString &section)
{
    DeviceProfile profile;
    profile.id = section;
    profile.name = ini.value(section, QStringLiteral("name"), section).trimmed();
    if (profile.name.isEmpty())
        profile.name = section;
    readScreen(ini.value(section, QStringLiteral("screen")), profile.screenWidth, profile.screenHeight);
    profile.pixelAspect = positiveReal(ini, section, "pixelaspect", profile.pixelAspect);
    profile.colour = flag(ini, section, "colour", profile.colour);
    profile.textLines = positiveInt(ini, section, "lines", profile.textLines);
    profile.fontSize = positiveInt(ini, section, "fontsize", profile.fontSize);
    profile.maxDeckBytes = positiveInt(ini, section, "decklimit", profile.maxDeckBytes);
    profile.maxPictureBytes = positiveInt(ini, section, "picturelimit", profile.maxPictureBytes);
    profile.maxUrlLength = positiveInt(ini, section, "urllimit", profile.maxUrlLength);
    profile.wbxmlMinor = wbxmlMinor(ini.value(section, QStringLiteral("wbxml")), profile.wbxmlMinor);
    const int softKeys = ini.value(section, QStringLiteral("softkeys")).trimmed().toInt();
    if (ini.contains(section, QStringLiteral("softkeys")) && softKeys >= 0 && softKeys <= 2)
        profile.softKeys = softKeys;
    profile.leftTypes = typeList(ini, section, "left", profile.leftTypes);
    profile.rightTypes = typeList(ini, section, "right", profile.rightTypes);
    profile.backKey = flag(ini, section, "backkey", profile.backKey);
    return profile;
}

} // namespace

DeviceCatalog DeviceCatalog::load()
{
    return load(defaultPath());
}

DeviceCatalog DeviceCatalog::load(const QString &path)
{
    return fromIni(IniFile::load(path));
}

DeviceCatalog DeviceCatalog::fromIni(const IniFile &ini)
{
    DeviceCatalog catalog;
    const QString list = QStringLiteral("devices");
    for (const QString &key : ini.keys(list)) {
        const QString section = ini.value(list, key).trimmed();
        if (section.isEmpty() || !ini.hasSection(section) || catalog.find(section))
            continue;
        catalog.m_profiles.append(readProfile(ini, section));
    }
    return catalog;
}

const DeviceProfile *DeviceCatalog::find(const QString &name) const
{
    const QString wanted = name.trimmed();
    if (wanted.isEmpty())
        return nullptr;
    for (const DeviceProfile &profile : m_profiles) {
        if (profile.id.compare(wanted, Qt::CaseInsensitive) == 0
            || profile.name.compare(wanted, Qt::CaseInsensitive) == 0)
            return &profile;
    }
    return nullptr;
}

DeviceProfile DeviceCatalog::profileOrGeneric(const QString &name) const
{
    const DeviceProfile *found = find(name);
    return found ? *found : DeviceProfile();
}

QString DeviceCatalog::defaultPath()
{
    return QDir(ProgramFolder::dataFolder()).filePath(QStringLiteral("devices.ini"));
}
