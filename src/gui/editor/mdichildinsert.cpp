// The document window's Insert commands: the actions, the Insert menu and
// the WML toolbar, and what each command inserts.
#include "mdichild.h"

#include "insertcommands.h"
#include "tfrmqtable.h"
#include "wmleditor.h"

#include "app/collapsibletoolbar.h"
#include "app/dialogservice.h"
#include "app/mainform.h"

#include "editor/taginsertion.h"
#include "common/filefilters.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>

void TMDIChild::createInsertCommands()
{
    const QList<QAction *> actions = CommandTable::createActions(InsertCommands::commands(), this);
    QMenu *fontMenu = new QMenu(tr("&Font"), m_insertMenu);
    fontMenu->setObjectName(QStringLiteral("Font1"));
    for (QAction *action : actions) {
        const QString name = action->objectName();
        m_insertActions.insert(name, action);
        // Every document window has these commands: each window's shortcuts
        // work only while the focus is inside it.
        action->setShortcutContext(Qt::WidgetWithChildrenShortcut);
        addAction(action);
        connectInsertCommand(action);

        if (InsertCommands::isFontCommand(name)) {
            if (fontMenu->isEmpty())
                m_insertMenu->addMenu(fontMenu);
            fontMenu->addAction(action);
        } else {
            m_insertMenu->addAction(action);
        }
        m_wmlToolBar->addCommand(action, QStringLiteral("btn") + name);
        if (InsertCommands::endsToolbarGroup(name))
            m_wmlToolBar->addGap();
    }
    // Ctrl+Enter on the keypad breaks the line too.
    QAction *lineBreak = m_insertActions.value(QStringLiteral("InsBR"));
    lineBreak->setShortcuts({lineBreak->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
}

void TMDIChild::connectInsertCommand(QAction *action)
{
    const QString name = action->objectName();
    static const QHash<QString, void (TMDIChild::*)()> handlers = {
        {QStringLiteral("InsCard"), &TMDIChild::InsCardExecute},
        {QStringLiteral("InsParagraph"), &TMDIChild::InsParagraphExecute},
        {QStringLiteral("InsBR"), &TMDIChild::InsBRExecute},
        {QStringLiteral("InsNB"), &TMDIChild::InsNBExecute},
        {QStringLiteral("InsTable"), &TMDIChild::InsTableExecute},
        {QStringLiteral("InsLink"), &TMDIChild::InsLinkExecute},
        {QStringLiteral("InsButton"), &TMDIChild::InsButtonExecute},
        {QStringLiteral("InsImg"), &TMDIChild::InsImgExecute},
        {QStringLiteral("InsPrev"), &TMDIChild::InsPrevExecute},
        {QStringLiteral("InsTemplate"), &TMDIChild::InsTemplateExecute},
    };
    // Nothing is inserted into a source the user cannot see.
    const auto handler = handlers.constFind(name);
    if (handler != handlers.constEnd()) {
        connect(action, &QAction::triggered, this, [this, run = handler.value()] {
            if (isSourceShowing())
                (this->*run)();
        });
        return;
    }
    // The text-format commands share one handler that reads the tag from
    // the command's name.
    connect(action, &QAction::triggered, this, [this, name] {
        if (isSourceShowing())
            InsBExecute(name);
    });
}

void TMDIChild::InsertTagPair(const QString &opening, const QString &closing, bool newLine)
{
    TagInsertion::insertTagPair(*m_memo, opening, closing, newLine);
    m_memo->setFocus();
}

void TMDIChild::InsCardExecute()
{
    InsertTagPair(QStringLiteral("<card id=\"|\" title=\"\">"), QStringLiteral("</card>"), true);
}

void TMDIChild::InsBExecute(const QString &commandName)
{
    const QString tag = TagInsertion::formatTagOfCommand(commandName);
    InsertTagPair(QStringLiteral("<%1>").arg(tag), QStringLiteral("</%1>").arg(tag), false);
}

void TMDIChild::InsParagraphExecute()
{
    InsertTagPair(QStringLiteral("<p>"), QStringLiteral("</p>"), false);
}

void TMDIChild::InsBRExecute()
{
    InsertTagPair(QStringLiteral("<br/>"), QString(), false);
}

void TMDIChild::InsNBExecute()
{
    InsertTagPair(QStringLiteral("&nbsp;"), QString(), false);
}

void TMDIChild::InsTableExecute()
{
    TfrmQTABLE dialog(this);
    m_main.dialogs().runModal(dialog);
    if (!dialog.hasSize())
        return;
    m_memo->replaceSelection(TagInsertion::quickTable(dialog.rows(), dialog.columns(), dialog.fillText()));
    m_memo->setFocus();
}

void TMDIChild::InsLinkExecute()
{
    InsertTagPair(QStringLiteral("<a href=\"#|\">"), QStringLiteral("</a>"), false);
}

void TMDIChild::InsButtonExecute()
{
    InsertTagPair(QStringLiteral("<do type=\"accept\" label=\"Go\">\r\n<go href=\"#|\"/>"), QStringLiteral("</do>"),
                  true);
}

void TMDIChild::InsImgExecute()
{
    InsertTagPair(QStringLiteral("<img src=\"|\" alt=\" \"/>"), QString(), false);
    // The main window's open dialog is borrowed with a WBMP filter.
    DialogService::FileRequest &openDialog = m_main.OpenDialog1();
    const DialogService::FileRequest usual = openDialog;
    openDialog.filter = FileFilters::wbmp();
    openDialog.defaultExtension = QStringLiteral("wbmp");
    const QString chosen = m_main.dialogs().openFileName(openDialog);
    openDialog = usual;
    if (!chosen.isEmpty())
        m_memo->replaceSelection(QFileInfo(chosen).fileName());
    m_memo->setFocus();
}

void TMDIChild::InsPrevExecute()
{
    InsertTagPair(QStringLiteral("<do type=\"prev\" label=\"Back\"><prev/>"), QStringLiteral("</do>"), false);
}

void TMDIChild::InsTemplateExecute()
{
    InsertTagPair(QStringLiteral("<template>\r\n<do type=\"|\"><go href=\"\"/></do>"), QStringLiteral("</template>"),
                  true);
}
