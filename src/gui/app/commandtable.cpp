#include "commandtable.h"
#include "artwork.h"

#include "apptexts.h"

#include <QAction>
#include <QCoreApplication>
#include <QIcon>
#include <QKeySequence>

namespace CommandTable {

const QList<Command> &commands()
{
    static const QList<Command> table = {
        {"WindowCascade1", "Window", QT_TRANSLATE_NOOP("Commands", "&Cascade"), "", "", "cascade"},
        {"WindowTileHorizontal1", "Window", QT_TRANSLATE_NOOP("Commands", "Tile &Horizontally"), "", "", "tilehorz"},
        {"WindowTileVertical1", "Window", QT_TRANSLATE_NOOP("Commands", "&Tile Vertically"), "", "", "tilevert"},
        {"FileNew", "File", QT_TRANSLATE_NOOP("Commands", "&New"),
         QT_TRANSLATE_NOOP("Commands", "Open a new WML page"), "Ctrl+N", "new"},
        {"FileNewFromTemplate", "File", QT_TRANSLATE_NOOP("Commands", "New from &template..."),
         QT_TRANSLATE_NOOP("Commands", "Create a new WML page from template"), "", "template"},
        {"FileOpen", "File", QT_TRANSLATE_NOOP("Commands", "&Open..."),
         QT_TRANSLATE_NOOP("Commands", "Open a WML file"), "Ctrl+O", "open"},
        {"FileOpenURL", "File", QT_TRANSLATE_NOOP("Commands", "Open from &URL..."),
         QT_TRANSLATE_NOOP("Commands", "Open a WML file from URL"), "", "openurl"},
        {"FileClose", "File", QT_TRANSLATE_NOOP("Commands", "&Close"),
         QT_TRANSLATE_NOOP("Commands", "Close current WML page"), "Ctrl+F4", "close"},
        {"FileCloseAll", "File", QT_TRANSLATE_NOOP("Commands", "Clos&e All"),
         QT_TRANSLATE_NOOP("Commands", "Close all opened WML pages"), "", ""},
        {"FileSave", "File", QT_TRANSLATE_NOOP("Commands", "&Save"),
         QT_TRANSLATE_NOOP("Commands", "Save current WML page"), "Ctrl+S", "save"},
        {"FileSaveAs", "File", QT_TRANSLATE_NOOP("Commands", "Save &As..."),
         QT_TRANSLATE_NOOP("Commands", "Save current WML page to a new file"), "Shift+Ctrl+S", ""},
        {"FileSaveFtp", "File", QT_TRANSLATE_NOOP("Commands", "Save to &FTP..."),
         QT_TRANSLATE_NOOP("Commands", "Save file to FTP"), "", "saveftp"},
        {"FileSaveAll", "File", QT_TRANSLATE_NOOP("Commands", "Save A&ll"),
         QT_TRANSLATE_NOOP("Commands", "Save all opened WML pages"), "", "saveall"},
        {"FileExportCompiled", "File", QT_TRANSLATE_NOOP("Commands", "Export Co&mpiled (.wmlc)..."),
         QT_TRANSLATE_NOOP("Commands", "Write the page compiled to WBXML, as a phone receives it"), "", ""},
        {"FilePrint", "File", QT_TRANSLATE_NOOP("Commands", "&Print"),
         QT_TRANSLATE_NOOP("Commands", "Print current WML page to a default printer"), "Ctrl+P", "print"},
        {"FilePrintSetup", "File", QT_TRANSLATE_NOOP("Commands", "P&rinter Setup..."),
         QT_TRANSLATE_NOOP("Commands", "Open Printer Setup window to change the default printer setup"), "",
         "printsetup"},
        {"FileExit", "File", QT_TRANSLATE_NOOP("Commands", "E&xit"),
         QT_TRANSLATE_NOOP("Commands", "Exit Tarnel program"), "", "exit"},
        {"EditUndo", "Edit", QT_TRANSLATE_NOOP("Commands", "&Undo"), "", "Ctrl+Z", "undo"},
        {"EditRedo", "Edit", QT_TRANSLATE_NOOP("Commands", "Re&do"), "", "", "redo"},
        {"EditFind", "Edit", QT_TRANSLATE_NOOP("Commands", "&Find..."), "", "Ctrl+F", "find"},
        {"EditFindNext", "Edit", QT_TRANSLATE_NOOP("Commands", "Find next"), "", "F3", ""},
        {"EditReplace", "Edit", QT_TRANSLATE_NOOP("Commands", "&Replace..."), "", "Ctrl+R", "replace"},
        {"EditDelTag", "Edit", QT_TRANSLATE_NOOP("Commands", "Remove &tag"), "", "Ctrl+Del", ""},
    };
    return table;
}

QList<QAction *> createActions(QObject *owner)
{
    return createActions(commands(), owner);
}

QList<QAction *> createActions(const QList<Command> &list, QObject *owner)
{
    QList<QAction *> actions;
    for (const Command &command : list) {
        auto *action = new QAction(QCoreApplication::translate("Commands", command.caption), owner);
        action->setObjectName(QString::fromLatin1(command.name));
        action->setProperty("category", QString::fromLatin1(command.category));
        const QString hint = QCoreApplication::translate("Commands", command.hint);
        if (!hint.isEmpty()) {
            action->setStatusTip(AppTexts::longHint(hint));
            action->setToolTip(AppTexts::shortHint(hint));
        }
        if (*command.shortcut)
            action->setShortcut(QKeySequence(QString::fromLatin1(command.shortcut)));
        if (*command.icon)
            action->setIcon(Artwork::icon(QString::fromLatin1(command.icon)));
        actions.append(action);
    }
    return actions;
}

} // namespace CommandTable
