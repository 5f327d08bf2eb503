// The main window's conveniences: the recent files in the File menu, the
// folder file dialogs start in, View > Line Numbers, View > Problems
// and View > Inspector.
#include "mainform.h"

#include "editor/linenumbermargin.h"
#include "editor/mdichild.h"
#include "statuspanels.h"

#include "common/editorsettings.h"
#include "common/filehistory.h"
#include "common/usersettings.h"
#include "preview/previewtab.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

#include <QMenu>

void TMainForm::createComfortMenus()
{
    m_lineNumbersItem = new QAction(tr("Line &Numbers"), this);
    m_lineNumbersItem->setObjectName(QStringLiteral("mmLineNumbers"));
    m_lineNumbersItem->setCheckable(true);
    m_lineNumbersItem->setChecked(EditorSettings::lineNumbers());
    m_lineNumbersItem->setStatusTip(tr("Show/hide the line numbers at the left of the source text"));
    m_viewMenu->insertAction(m_viewMenu->actions().value(1), m_lineNumbersItem);
    connect(m_lineNumbersItem, &QAction::triggered, this, &TMainForm::ViewLineNumbersExecute);

    m_problemsItem = new QAction(tr("&Problems"), this);
    m_problemsItem->setObjectName(QStringLiteral("mmProblems"));
    m_problemsItem->setCheckable(true);
    m_problemsItem->setChecked(EditorSettings::problemsList());
    m_problemsItem->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
    m_problemsItem->setStatusTip(tr("Show/hide the list of the page's problems under the source text"));
    m_viewMenu->insertAction(m_viewMenu->actions().value(2), m_problemsItem);
    m_actions.insert(m_problemsItem->objectName(), m_problemsItem);
    connect(m_problemsItem, &QAction::triggered, this, &TMainForm::ViewProblemsExecute);

    m_inspectorItem = new QAction(tr("&Inspector"), this);
    m_inspectorItem->setObjectName(QStringLiteral("mmInspector"));
    m_inspectorItem->setCheckable(true);
    m_inspectorItem->setChecked(UserSettings::phoneInspector());
    m_inspectorItem->setStatusTip(tr("Show/hide the phone's variables, history and timer beside the Phone mode"));
    m_viewMenu->insertAction(m_viewMenu->actions().value(3), m_inspectorItem);
    m_actions.insert(m_inspectorItem->objectName(), m_inspectorItem);
    connect(m_inspectorItem, &QAction::triggered, this, &TMainForm::ViewInspectorExecute);

    m_recentMenu = new QMenu(tr("Recent F&iles"), this);
    m_recentMenu->setObjectName(QStringLiteral("mmRecent"));
    m_recentMenu->menuAction()->setStatusTip(tr("Open one of the files used last"));
    // Before the separator that precedes Exit.
    const QList<QAction *> items = m_fileMenu->actions();
    m_fileMenu->insertMenu(items.value(items.indexOf(action(QStringLiteral("FileExit"))) - 1), m_recentMenu);
    connect(m_recentMenu, &QMenu::aboutToShow, this, &TMainForm::fillRecentMenu);
    fillRecentMenu();
}

void TMainForm::ViewLineNumbersExecute()
{
    const bool shown = m_lineNumbersItem->isChecked();
    EditorSettings::setLineNumbers(shown);
    for (TMDIChild *child : documentWindows())
        child->lineNumbers()->setShown(shown);
}

void TMainForm::ViewInspectorExecute()
{
    const bool shown = m_inspectorItem->isChecked();
    UserSettings::setPhoneInspector(shown);
    for (TMDIChild *child : documentWindows())
        child->preview()->setInspectorShown(shown);
}

void TMainForm::ViewProblemsExecute()
{
    const bool shown = m_problemsItem->isChecked();
    EditorSettings::setProblemsList(shown);
    for (TMDIChild *child : documentWindows())
        child->setProblemsShown(shown);
}

void TMainForm::showProblemCount()
{
    const TMDIChild *child = activeChild();
    m_statusBar->setPanelText(StatusPanels::ProblemsPanel, child ? child->problemSummary() : QString());
}

void TMainForm::fillRecentMenu()
{
    m_recentMenu->clear();
    const QStringList recent = FileHistory::recentFiles();
    for (int i = 0; i < recent.size(); ++i) {
        // "&1" to "&9", then "1&0": digits never clash with the menu's letters.
        const QString number = i < 9 ? QStringLiteral("&%1").arg(i + 1) : QStringLiteral("1&0");
        QString shown = QDir::toNativeSeparators(recent[i]);
        shown.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = m_recentMenu->addAction(number + QLatin1Char(' ') + shown);
        item->setObjectName(QStringLiteral("mmRecent%1").arg(i + 1));
        item->setStatusTip(recent[i]);
        const QString path = recent[i];
        connect(item, &QAction::triggered, this, [this, path] { runCommand([this, path] { openRecentFile(path); }); });
    }
    m_recentMenu->menuAction()->setEnabled(!recent.isEmpty());
}

void TMainForm::openRecentFile(const QString &path)
{
    if (!QFileInfo(path).isFile()) {
        FileHistory::removeRecentFile(path);
        fillRecentMenu();
        m_dialogs->message(tr("%1 no longer exists and was taken off the list of recent files.").arg(path));
        return;
    }
    OpenDocument(path);
    UpdateCommandState();
}

void TMainForm::rememberFile(const QString &path)
{
    FileHistory::addRecentFile(path);
    fillRecentMenu();
}

QString TMainForm::dialogFolder() const
{
    const TMDIChild *child = activeChild();
    return FileHistory::dialogFolder(child ? child->documentPath() : QString());
}
