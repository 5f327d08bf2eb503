#pragma once

#include <QString>

// What a phone accepts, for the device rules. Until phones have profiles
// of their own, the default stands for a typical WAP 1.x handset.
struct DeviceLimits
{
    QString name = QStringLiteral("Generic WAP 1.x phone");
    // The largest compiled deck the phone takes, in bytes.
    int maxDeckBytes = 1400;
    // The largest picture it shows, in pixels.
    int maxImageWidth = 96;
    int maxImageHeight = 65;
    // The longest URL it follows, in characters.
    int maxUrlLength = 255;
};
