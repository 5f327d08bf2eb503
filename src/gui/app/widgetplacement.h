#pragma once

#include "common/windowplacement.h"

class QWidget;

// Reads and applies a top-level window's placement for its settings store.
namespace WidgetPlacement {

// The placement of window; its normal bounds are empty (nothing to store)
// when it is a top-level window that has not been shown in this run.
WindowPlacement capture(const QWidget *window);
// Applies placement; a top-level window that would lie off every screen
// goes onto the nearest one.
void apply(QWidget *window, const WindowPlacement &placement);
ScreenMetrics screenOf(const QWidget *widget);

} // namespace WidgetPlacement
