#include "languagemenu.h"

#include "apptexts.h"
#include "dialogservice.h"

#include "common/languagecatalog.h"
#include "common/usersettings.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMenu>

namespace LanguageMenu {

void fill(QMenu *menu, DialogService &dialogs)
{
    const QString base = LanguageCatalog::translationBase(QCoreApplication::applicationFilePath());
    const QList<LanguageItem> items
        = LanguageCatalog::menuItems(base, [](const QString &path) { return QFileInfo::exists(path); });
    for (const LanguageItem &item : items) {
        QAction *action = menu->addAction(item.caption);
        action->setObjectName(item.name);
        const QString code = LanguageCatalog::codeOfItem(item.name);
        QObject::connect(action, &QAction::triggered, menu, [code, &dialogs] {
            UserSettings::setLanguageOverride(code);
            dialogs.message(AppTexts::restartProgram());
        });
    }
    menu->menuAction()->setEnabled(!items.isEmpty());
}

} // namespace LanguageMenu
