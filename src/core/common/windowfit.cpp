#include "windowfit.h"

#include <QtGlobal>

namespace WindowFit {

namespace {

// Moves window left (up) until its right (bottom) edge is inside area, but
// not past area's left (top) edge.
QRect movedInside(QRect window, const QRect &area)
{
    if (window.right() > area.right())
        window.moveRight(area.right());
    if (window.bottom() > area.bottom())
        window.moveBottom(area.bottom());
    if (window.left() < area.left())
        window.moveLeft(area.left());
    if (window.top() < area.top())
        window.moveTop(area.top());
    return window;
}

} // namespace

QRect inside(const QRect &window, const QRect &area)
{
    QRect fitted = window;
    fitted.setSize(window.size().boundedTo(area.size()));
    return movedInside(fitted, area);
}

QRect grown(const QRect &window, const QSize &extra, const QRect &area)
{
    QRect bigger = window;
    bigger.setWidth(window.width() + qMax(0, extra.width()));
    bigger.setHeight(window.height() + qMax(0, extra.height()));
    return movedInside(bigger, area);
}

} // namespace WindowFit
