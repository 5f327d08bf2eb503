#pragma once

#include "skinkeys.h"

#include <QString>
#include <QStringList>

// One device of "skins/skins.ini": its picture, where the screen, the title
// and the two scroll buttons lie over it (pixels in the Preview tab, whose
// picture starts 25 pixels down), and the screen's colours and fonts.
// Missing or malformed integers take their defaults; the colour texts are
// kept as written and converted when the skin is applied.
struct DeviceSkin
{
    QString picture; // file name in the skins folder
    QString profile; // the phone of data/devices.ini it shows; may be empty
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    QString color;
    QString font = QStringLiteral("Arial");
    int size = 8;
    QString titleFont = QStringLiteral("Arial");
    int titleSize = 8;
    int titleTop = 0;
    QString titleType;
    QString titleColor = QStringLiteral("#7FAF90");
    int upTop = 0, upLeft = 0, upWidth = 0, upHeight = 0;
    int downTop = 0, downLeft = 0, downWidth = 0, downHeight = 0;
    SkinKeys keys; // empty in skin files older than the Phone mode

    bool boldTitle() const { return titleType.compare(QLatin1String("BOLD"), Qt::CaseInsensitive) == 0; }

    // The device's section of the skin file.
    static DeviceSkin read(const QString &device);
};

namespace SkinList {

// The name of the plain view, first in the device list.
const QString &plainView();
bool isPlainView(const QString &name);
// The screen colour of the plain view.
const QString &plainColor();

QString skinFile();
// "normal", then the non-empty values of section "phones" in file order.
QStringList deviceNames();

} // namespace SkinList
