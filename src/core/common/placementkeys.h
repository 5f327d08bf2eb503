#pragma once

#include "windowplacement.h"

#include <QString>
#include <functional>
#include <optional>

// The keys a window's placement is stored under (Flags, ShowCmd,
// PixelsPerInch, MinMaxPos, NormPos, Visible, and the two positions again
// under a key for the current screen size) and the rules for taking it
// back, over any store of texts by key: "tarnel.ini" or the per-user
// settings.
namespace PlacementKeys {

// The stored text of key, or a null string when the key is absent.
using Read = std::function<QString(const QString &key)>;
using Write = std::function<void(const QString &key, const QString &value)>;

// The stored placement when one should be applied: it has bounds whose
// left edge lies before the right edge and was saved at the current
// resolution; the key for the current screen size wins over the plain one.
std::optional<WindowPlacement> read(const Read &read, const ScreenMetrics &screen);
void write(const Write &write, const WindowPlacement &placement, const ScreenMetrics &screen);

} // namespace PlacementKeys
