#include "deviceskin.h"

#include "common/inifile.h"
#include "common/programfolder.h"

DeviceSkin DeviceSkin::read(const QString &device)
{
    const IniFile ini = IniFile::load(SkinList::skinFile());
    const auto text = [&](const char *key, const QString &fallback = QString()) {
        return ini.value(device, QLatin1String(key), fallback);
    };
    const auto number = [&](const char *key, int fallback = 0) {
        return ini.intValue(device, QLatin1String(key), fallback);
    };
    DeviceSkin skin;
    skin.picture = text("bmp");
    skin.profile = text("profile");
    skin.left = number("left");
    skin.top = number("top");
    skin.width = number("width");
    skin.height = number("height");
    skin.color = text("color");
    skin.font = text("font", skin.font);
    skin.size = number("size", skin.size);
    skin.titleFont = text("titlefont", skin.titleFont);
    skin.titleSize = number("titlesize", skin.titleSize);
    skin.titleTop = number("titletop");
    skin.titleType = text("titletype");
    skin.titleColor = text("titlecolor", skin.titleColor);
    skin.upTop = number("btnuptop");
    skin.upLeft = number("btnupleft");
    skin.upWidth = number("btnupwidth");
    skin.upHeight = number("btnupheight");
    skin.downTop = number("btndowntop");
    skin.downLeft = number("btndownleft");
    skin.downWidth = number("btndownwidth");
    skin.downHeight = number("btndownheight");
    skin.keys = SkinKeys::read([&](const QString &key) { return ini.value(device, key); });
    return skin;
}

namespace SkinList {

const QString &plainView()
{
    static const QString name = QStringLiteral("normal");
    return name;
}

bool isPlainView(const QString &name)
{
    return name.compare(plainView(), Qt::CaseInsensitive) == 0;
}

const QString &plainColor()
{
    static const QString colour = QStringLiteral("#7FAF90");
    return colour;
}

QString skinFile()
{
    return ProgramFolder::file(QStringLiteral("skins/skins.ini"));
}

QStringList deviceNames()
{
    QStringList names{plainView()};
    const IniFile ini = IniFile::load(skinFile());
    for (const QString &key : ini.keys(QStringLiteral("phones"))) {
        const QString device = ini.value(QStringLiteral("phones"), key);
        if (!device.isEmpty())
            names << device;
    }
    return names;
}

} // namespace SkinList
