#pragma once

#include <QList>
#include <QRect>

// Keeps a window where the user can reach it: a stored position is used as
// it is while enough of the window's top (where its title bar is) lies on
// one of the screens; otherwise the window moves onto the nearest screen,
// keeping its size when it fits there and shrinking to the screen when not.
namespace ScreenFit {

QRect onScreen(const QRect &bounds, const QList<QRect> &screens);

} // namespace ScreenFit
