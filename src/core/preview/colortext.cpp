#include "colortext.h"

#include "common/tarnelerror.h"

#include <QGuiApplication>
#include <algorithm>
#include <QPalette>

namespace ColorText {

namespace {

TarnelError notAnInteger(const QString &text)
{
    return TarnelError(QStringLiteral("'%1' is not a valid integer value").arg(text));
}

int hexPair(const QString &pair)
{
    bool ok = false;
    const int value = pair.toInt(&ok, 16);
    // Only plain hexadecimal digits count (no sign, no blanks).
    const bool digitsOnly = !pair.isEmpty() && std::all_of(pair.begin(), pair.end(), [](QChar c) {
        return c.isDigit() || (c.toLower() >= u'a' && c.toLower() <= u'f');
    });
    if (!ok || !digitsOnly)
        throw notAnInteger(QLatin1Char('$') + pair);
    return value;
}

QPalette applicationPalette()
{
    return qGuiApp ? QGuiApplication::palette() : QPalette();
}

struct SystemColour
{
    const char *name;
    QPalette::ColorGroup group;
    QPalette::ColorRole role;
};

// The desktop's colours of user-interface elements, by the palette role
// that paints the same thing in Qt.
const SystemColour systemColours[] = {
    {"clScrollBar", QPalette::Active, QPalette::Button},
    {"clBackground", QPalette::Active, QPalette::Window},
    {"clActiveCaption", QPalette::Active, QPalette::Highlight},
    {"clInactiveCaption", QPalette::Inactive, QPalette::Mid},
    {"clMenu", QPalette::Active, QPalette::Window},
    {"clWindow", QPalette::Active, QPalette::Base},
    {"clWindowFrame", QPalette::Active, QPalette::Shadow},
    {"clMenuText", QPalette::Active, QPalette::WindowText},
    {"clWindowText", QPalette::Active, QPalette::Text},
    {"clCaptionText", QPalette::Active, QPalette::HighlightedText},
    {"clActiveBorder", QPalette::Active, QPalette::Window},
    {"clInactiveBorder", QPalette::Inactive, QPalette::Window},
    {"clAppWorkSpace", QPalette::Active, QPalette::Dark},
    {"clHighlight", QPalette::Active, QPalette::Highlight},
    {"clHighlightText", QPalette::Active, QPalette::HighlightedText},
    {"clBtnFace", QPalette::Active, QPalette::Button},
    {"clBtnShadow", QPalette::Active, QPalette::Dark},
    {"clGrayText", QPalette::Disabled, QPalette::Text},
    {"clBtnText", QPalette::Active, QPalette::ButtonText},
    {"clInactiveCaptionText", QPalette::Inactive, QPalette::WindowText},
    {"clBtnHighlight", QPalette::Active, QPalette::Light},
    {"cl3DDkShadow", QPalette::Active, QPalette::Shadow},
    {"cl3DLight", QPalette::Active, QPalette::Midlight},
    {"clInfoText", QPalette::Active, QPalette::ToolTipText},
    {"clInfoBk", QPalette::Active, QPalette::ToolTipBase},
};

const struct
{
    const char *name;
    QRgb rgb;
} basicColours[] = {
    {"clBlack", qRgb(0, 0, 0)},       {"clMaroon", qRgb(128, 0, 0)},    {"clGreen", qRgb(0, 128, 0)},
    {"clOlive", qRgb(128, 128, 0)},   {"clNavy", qRgb(0, 0, 128)},      {"clPurple", qRgb(128, 0, 128)},
    {"clTeal", qRgb(0, 128, 128)},    {"clGray", qRgb(128, 128, 128)},  {"clSilver", qRgb(192, 192, 192)},
    {"clRed", qRgb(255, 0, 0)},       {"clLime", qRgb(0, 255, 0)},      {"clYellow", qRgb(255, 255, 0)},
    {"clBlue", qRgb(0, 0, 255)},      {"clFuchsia", qRgb(255, 0, 255)}, {"clAqua", qRgb(0, 255, 255)},
    {"clWhite", qRgb(255, 255, 255)},
};

} // namespace

QColor ColorFromText(const QString &text)
{
    if (text.startsWith(QLatin1Char('#')))
        return QColor(hexPair(text.mid(1, 2)), hexPair(text.mid(3, 2)), hexPair(text.mid(5, 2)));

    const QString name = QStringLiteral("cl") + text;
    for (const auto &colour : basicColours) {
        if (name.compare(QLatin1String(colour.name), Qt::CaseInsensitive) == 0)
            return QColor(colour.rgb);
    }
    for (const SystemColour &colour : systemColours) {
        if (name.compare(QLatin1String(colour.name), Qt::CaseInsensitive) == 0)
            return applicationPalette().color(colour.group, colour.role);
    }
    if (name.compare(QLatin1String("clNone"), Qt::CaseInsensitive) == 0)
        return QColor();
    throw notAnInteger(name);
}

} // namespace ColorText
