#include "closequestion.h"

#include "apptexts.h"
#include "dialogservice.h"
#include "errordisplay.h"

namespace CloseQuestion {

bool ask(DialogService &dialogs, const QString &name, const std::function<bool()> &save)
{
    switch (dialogs.question(AppTexts::closeQuestion(name), DialogService::Choice::YesNoCancel)) {
    case DialogService::Answer::Cancel:
        return false;
    case DialogService::Answer::No:
        return true;
    case DialogService::Answer::Yes:
        break;
    }
    bool saved = false;
    ErrorDisplay::run(dialogs, [&] { saved = save(); });
    return saved;
}

} // namespace CloseQuestion
