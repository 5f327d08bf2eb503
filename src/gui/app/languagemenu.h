#pragma once

class DialogService;
class QMenu;

// View > Language: one item per translation file beside the program.
// Choosing one stores the user's language override; it takes effect at the
// next start.
namespace LanguageMenu {

void fill(QMenu *menu, DialogService &dialogs);

} // namespace LanguageMenu
