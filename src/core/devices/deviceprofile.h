#pragma once

#include <QString>
#include <QStringList>

// What one phone shows and accepts: its screen, its limits and its keys.
// The figures come from data/devices.ini; a default-constructed profile is
// the generic WAP 1.x handset used when nothing better is known.
struct DeviceProfile
{
    QString id = QStringLiteral("generic");         // section name in devices.ini
    QString name = QStringLiteral("Generic WAP 1.x phone");

    // The screen in device pixels, and how much taller than wide one pixel
    // is (1.0 for square pixels).
    int screenWidth = 96;
    int screenHeight = 65;
    double pixelAspect = 1.0;
    bool colour = false;
    // Lines of body text the screen holds, and the font's height in pixels.
    int textLines = 4;
    int fontSize = 10;

    // The largest compiled deck the phone takes, in bytes.
    int maxDeckBytes = 1400;
    // The heaviest picture it shows, in bytes of the file.
    int maxPictureBytes = 1400;
    // The longest URL it follows, in characters.
    int maxUrlLength = 255;
    // The WBXML version of the compiled decks it reads: 1, 2 or 3 for 1.1,
    // 1.2, 1.3 (WML 1.1, 1.2 and 1.3 decks use these).
    int wbxmlMinor = 1;

    // Soft keys under the screen (0, 1 or 2). The do types listed for a key
    // go there first; the rest are offered in an "Options" list.
    int softKeys = 2;
    QStringList leftTypes = {QStringLiteral("accept"), QStringLiteral("options")};
    QStringList rightTypes = {QStringLiteral("prev")};
    // Whether the phone has a key of its own that goes back.
    bool backKey = true;

    // The screen as a text for people: "96 × 65".
    QString screenText() const;
};
