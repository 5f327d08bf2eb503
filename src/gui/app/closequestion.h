#pragma once

#include <QString>
#include <functional>

class DialogService;

namespace CloseQuestion {

// Asks whether to save a changed document, named name, before it closes.
// True when it may close: the user said No, or Yes and save() wrote it.
// False on Cancel, and when the save was cancelled or failed (its error
// shown), so that nothing is lost.
bool ask(DialogService &dialogs, const QString &name, const std::function<bool()> &save);

} // namespace CloseQuestion
