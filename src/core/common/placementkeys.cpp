#include "placementkeys.h"

namespace PlacementKeys {

namespace {

const QString keyFlags = QStringLiteral("Flags");
const QString keyShowCmd = QStringLiteral("ShowCmd");
const QString keyPixelsPerInch = QStringLiteral("PixelsPerInch");
const QString keyMinMaxPos = QStringLiteral("MinMaxPos");
const QString keyNormPos = QStringLiteral("NormPos");
const QString keyVisible = QStringLiteral("Visible");

int number(const Read &read, const QString &key, int fallback)
{
    bool ok = false;
    const int value = read(key).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

// The key for the current screen size first, then the plain key.
QString screenValue(const Read &read, const QString &key, const QString &suffix)
{
    const QString sized = read(key + suffix);
    return sized.isNull() ? read(key) : sized;
}

} // namespace

std::optional<WindowPlacement> read(const Read &read, const ScreenMetrics &screen)
{
    WindowPlacement placement;
    placement.flags = number(read, keyFlags, 0);
    placement.showCmd = number(read, keyShowCmd, WindowPlacement::Normal);
    placement.visible = number(read, keyVisible, 1) != 0;
    PlacementText::toPoints(screenValue(read, keyMinMaxPos, screen.sizeSuffix()), &placement.minimizedPosition,
                            &placement.maximizedPosition);
    bool leftBeforeRight = false;
    const bool hasBounds = PlacementText::toRect(screenValue(read, keyNormPos, screen.sizeSuffix()),
                                                 &placement.normalBounds, &leftBeforeRight);
    const bool sameResolution = number(read, keyPixelsPerInch, -1) == screen.pixelsPerInch;
    if (hasBounds && leftBeforeRight && sameResolution)
        return placement;
    return std::nullopt;
}

void write(const Write &write, const WindowPlacement &placement, const ScreenMetrics &screen)
{
    const QString minMax = PlacementText::fromPoints(placement.minimizedPosition, placement.maximizedPosition);
    const QString normal = PlacementText::fromRect(placement.normalBounds);
    write(keyFlags, QString::number(placement.flags));
    write(keyShowCmd, QString::number(placement.showCmd));
    write(keyPixelsPerInch, QString::number(screen.pixelsPerInch));
    write(keyMinMaxPos, minMax);
    write(keyNormPos, normal);
    write(keyVisible, placement.visible ? QStringLiteral("1") : QStringLiteral("0"));
    write(keyMinMaxPos + screen.sizeSuffix(), minMax);
    write(keyNormPos + screen.sizeSuffix(), normal);
}

} // namespace PlacementKeys
