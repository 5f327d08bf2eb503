#include "widgetplacement.h"

#include "common/screenfit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace WidgetPlacement {

WindowPlacement capture(const QWidget *window)
{
    WindowPlacement placement;
    // A window never shown in this run has no placement of its own: its
    // bounds are Qt's defaults, not the user's choice.
    if (window->isWindow() && !window->testAttribute(Qt::WA_WState_Created)) {
        placement.normalBounds = QRect();
        return placement;
    }
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
    QList<QRect> screens;
    for (const QScreen *screen : QGuiApplication::screens())
        screens.append(screen->availableGeometry());
    window->setGeometry(window->isWindow() ? ScreenFit::onScreen(placement.normalBounds, screens)
                                           : placement.normalBounds);
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
