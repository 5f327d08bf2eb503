#include "widgetplacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WidgetPlacement {

WindowPlacement capture(const QWidget *window)
{
    WindowPlacement placement;
    if (window->isMinimized())
        placement.showCmd = WindowPlacement::Minimized;
    else if (window->isMaximized())
        placement.showCmd = WindowPlacement::Maximized;
    placement.normalBounds = window->normalGeometry().isValid() ? window->normalGeometry() : window->geometry();
    placement.visible = window->isVisible();
    return placement;
}

void apply(QWidget *window, const WindowPlacement &placement)
{
    window->setGeometry(placement.normalBounds);
    if (placement.showCmd == WindowPlacement::Maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

ScreenMetrics screenOf(const QWidget *widget)
{
    ScreenMetrics metrics;
    const QScreen *screen = widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        metrics.size = screen->size();
        metrics.pixelsPerInch = qRound(screen->logicalDotsPerInch());
    }
    return metrics;
}

} // namespace WidgetPlacement
