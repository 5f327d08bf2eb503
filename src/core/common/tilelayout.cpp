#include "tilelayout.h"

namespace TileLayout {

QList<QRect> tiles(const QRect &area, int count, Qt::Orientation orientation)
{
    QList<QRect> result;
    if (count <= 0 || area.isEmpty())
        return result;
    const bool sideBySide = orientation == Qt::Horizontal;
    const int total = sideBySide ? area.width() : area.height();
    const int step = total / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * step;
        const int size = i == count - 1 ? total - start : step;
        if (sideBySide)
            result.append(QRect(area.left() + start, area.top(), size, area.height()));
        else
            result.append(QRect(area.left(), area.top() + start, area.width(), size));
    }
    return result;
}

} // namespace TileLayout
