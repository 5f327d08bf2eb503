#pragma once

#include <QList>
#include <QRect>

// Window arrangements of the Window menu.
namespace TileLayout {

// count rectangles filling area: side by side (Qt::Horizontal) or one above
// the other (Qt::Vertical); the last takes what rounding leaves.
QList<QRect> tiles(const QRect &area, int count, Qt::Orientation orientation);

} // namespace TileLayout
