#include "insertcommands.h"

#include <QCoreApplication>

namespace InsertCommands {

const QList<CommandTable::Command> &commands()
{
    static const QList<CommandTable::Command> table = {
        {"InsCard", "Insert", QT_TRANSLATE_NOOP("Commands", "&Card"), QT_TRANSLATE_NOOP("Commands", "Insert card"),
         "Ctrl+Shift+C", "card"},
        {"InsB", "Insert", QT_TRANSLATE_NOOP("Commands", "&Bold"), QT_TRANSLATE_NOOP("Commands", "Bold"), "Ctrl+B",
         "bold"},
        {"InsI", "Insert", QT_TRANSLATE_NOOP("Commands", "&Italic"), QT_TRANSLATE_NOOP("Commands", "Italic"),
         "Ctrl+I", "italic"},
        {"InsU", "Insert", QT_TRANSLATE_NOOP("Commands", "&Underline"), QT_TRANSLATE_NOOP("Commands", "Underline"),
         "Ctrl+U", "underline"},
        {"InsBIG", "Insert", QT_TRANSLATE_NOOP("Commands", "Bi&g"), QT_TRANSLATE_NOOP("Commands", "Big"), "Ctrl+1",
         "big"},
        {"InsSMALL", "Insert", QT_TRANSLATE_NOOP("Commands", "S&mall"), QT_TRANSLATE_NOOP("Commands", "Small"),
         "Ctrl+2", "small"},
        {"InsSTRONG", "Insert", QT_TRANSLATE_NOOP("Commands", "S&trong"), QT_TRANSLATE_NOOP("Commands", "Strong"),
         "Ctrl+3", "strong"},
        {"InsParagraph", "Insert", QT_TRANSLATE_NOOP("Commands", "&Paragraph"),
         QT_TRANSLATE_NOOP("Commands", "Paragraph"), "Ctrl+Shift+P", "paragraph"},
        {"InsBR", "Insert", QT_TRANSLATE_NOOP("Commands", "&Break Line"), QT_TRANSLATE_NOOP("Commands", "Break line"),
         "Ctrl+Return", "br"},
        {"InsNB", "Insert", QT_TRANSLATE_NOOP("Commands", "&Non-breaking Space"),
         QT_TRANSLATE_NOOP("Commands", "Non-breaking space"), "Ctrl+Space", "nbsp"},
        {"InsTable", "Insert", QT_TRANSLATE_NOOP("Commands", "&Table"), "", "", "table"},
        {"InsLink", "Insert", QT_TRANSLATE_NOOP("Commands", "&Link"), QT_TRANSLATE_NOOP("Commands", "Table"),
         "Ctrl+Shift+A", "link"},
        {"InsButton", "Insert", QT_TRANSLATE_NOOP("Commands", "B&utton"), QT_TRANSLATE_NOOP("Commands", "Button"), "",
         "button"},
        {"InsImg", "Insert", QT_TRANSLATE_NOOP("Commands", "&Image"), QT_TRANSLATE_NOOP("Commands", "Image"),
         "Ctrl+Shift+I", "image"},
        {"InsPrev", "Insert", QT_TRANSLATE_NOOP("Commands", "P&rev"), QT_TRANSLATE_NOOP("Commands", "Prev"), "",
         "prev"},
        {"InsTemplate", "Insert", QT_TRANSLATE_NOOP("Commands", "Te&mplate"),
         QT_TRANSLATE_NOOP("Commands", "Template"), "", "wmltemplate"},
    };
    return table;
}

bool isFontCommand(const QString &name)
{
    static const QStringList font = {QStringLiteral("InsB"),     QStringLiteral("InsI"),
                                     QStringLiteral("InsU"),     QStringLiteral("InsBIG"),
                                     QStringLiteral("InsSMALL"), QStringLiteral("InsSTRONG")};
    return font.contains(name);
}

bool endsToolbarGroup(const QString &name)
{
    return name == QLatin1String("InsCard") || name == QLatin1String("InsSTRONG")
        || name == QLatin1String("InsPrev");
}

} // namespace InsertCommands
