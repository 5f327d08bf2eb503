#pragma once

#include <functional>

class DialogService;
class QString;

// The one place that shows a failed command's text: a box titled with the
// application title, an error icon and OK; a full stop is appended when the
// last character sorts after ".".
namespace ErrorDisplay {

void show(DialogService &dialogs, const QString &text);

// Runs a command; a TarnelError it throws is shown and ends the command.
// Returns false when the command failed.
bool run(DialogService &dialogs, const std::function<void()> &command);

} // namespace ErrorDisplay
