#pragma once

#include <QRect>

// Where a document window goes inside the main window's MDI area, whose
// visible part is area (the MDI area scrolls to what lies beyond it).
namespace WindowFit {

// A new window at the place the system chose: no larger than area, moved
// left and up as far as needed to lie inside it.
QRect inside(const QRect &window, const QRect &area);

// window grown by extra to the right and down (a negative part grows
// nothing), then moved left and up as far as needed to lie inside area,
// but never past its top-left corner: a window taller or wider than area
// starts at its edge and the rest is reached by scrolling.
QRect grown(const QRect &window, const QSize &extra, const QRect &area);

} // namespace WindowFit
