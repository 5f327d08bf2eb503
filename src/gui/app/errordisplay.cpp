#include "errordisplay.h"

#include "dialogservice.h"

#include "common/tarnelerror.h"

namespace ErrorDisplay {

void show(DialogService &dialogs, const QString &text)
{
    dialogs.error(errorDisplayText(text));
}

bool run(DialogService &dialogs, const std::function<void()> &command)
{
    try {
        command();
        return true;
    } catch (const TarnelError &error) {
        show(dialogs, error.text());
        return false;
    }
}

} // namespace ErrorDisplay
