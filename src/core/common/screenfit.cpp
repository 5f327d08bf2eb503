#include "screenfit.h"

#include <limits>

namespace ScreenFit {

namespace {

// A strip across the top of the window this tall and this wide must be
// visible for the user to grab it.
constexpr int gripHeight = 24;
constexpr int gripWidth = 64;

bool reachable(const QRect &bounds, const QRect &screen)
{
    const QRect top(bounds.left(), bounds.top(), bounds.width(), std::min(gripHeight, bounds.height()));
    const QRect seen = top.intersected(screen);
    return seen.width() >= std::min(gripWidth, bounds.width()) && seen.height() >= std::min(gripHeight / 2, top.height());
}

qint64 distanceSquared(const QRect &bounds, const QRect &screen)
{
    const auto gap = [](int lowA, int highA, int lowB, int highB) -> qint64 {
        if (highA < lowB)
            return lowB - highA;
        if (highB < lowA)
            return lowA - highB;
        return 0;
    };
    const qint64 dx = gap(bounds.left(), bounds.right(), screen.left(), screen.right());
    const qint64 dy = gap(bounds.top(), bounds.bottom(), screen.top(), screen.bottom());
    return dx * dx + dy * dy;
}

} // namespace

QRect onScreen(const QRect &bounds, const QList<QRect> &screens)
{
    if (screens.isEmpty() || !bounds.isValid())
        return bounds;
    const QRect *nearest = nullptr;
    qint64 best = std::numeric_limits<qint64>::max();
    for (const QRect &screen : screens) {
        if (reachable(bounds, screen))
            return bounds;
        const qint64 distance = distanceSquared(bounds, screen);
        if (distance < best) {
            best = distance;
            nearest = &screen;
        }
    }
    QRect moved(bounds.topLeft(), bounds.size().boundedTo(nearest->size()));
    if (moved.right() > nearest->right())
        moved.moveRight(nearest->right());
    if (moved.bottom() > nearest->bottom())
        moved.moveBottom(nearest->bottom());
    if (moved.left() < nearest->left())
        moved.moveLeft(nearest->left());
    if (moved.top() < nearest->top())
        moved.moveTop(nearest->top());
    return moved;
}

} // namespace ScreenFit
