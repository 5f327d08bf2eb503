#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// A window's placement as the settings file keeps it.
struct WindowPlacement
{
    enum ShowCommand { Normal = 1, Minimized = 2, Maximized = 3 };

    int flags = 0;
    int showCmd = Normal;
    QPoint minimizedPosition{-1, -1};
    QPoint maximizedPosition{-1, -1};
    QRect normalBounds; // left, top, width, height
    bool visible = true;
};

// The screen a placement was saved on: its size in pixels and resolution.
struct ScreenMetrics
{
    QSize size;
    int pixelsPerInch = 96;

    QString sizeSuffix() const; // "(1920x1080)"
};

// Texts of the placement keys: "%d,%d,%d,%d"; NormPos holds left, top,
// right, bottom with right and bottom exclusive, as desktop platforms write
// rectangles.
namespace PlacementText {
QString fromPoints(QPoint a, QPoint b);
QString fromRect(const QRect &rect);
// False when the text is not four integers.
bool toPoints(const QString &text, QPoint *a, QPoint *b);
bool toRect(const QString &text, QRect *rect, bool *leftBeforeRight);
} // namespace PlacementText
