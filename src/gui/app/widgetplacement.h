#pragma once

#include "common/windowplacement.h"

class QWidget;

// Reads and applies a top-level window's placement for its settings store.
namespace WidgetPlacement {

WindowPlacement capture(const QWidget *window);
void apply(QWidget *window, const WindowPlacement &placement);
ScreenMetrics screenOf(const QWidget *widget);

} // namespace WidgetPlacement
