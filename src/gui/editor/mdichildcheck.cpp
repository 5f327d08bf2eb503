// The document window's checker: the page is checked as the user types,
// its problems are marked in the editor, listed under it and counted in
// the status bar, and their quick fixes are offered at the caret and in
// the editor's context menu.
#include "mdichild.h"

#include "problemlist.h"
#include "problemmarks.h"
#include "wmleditor.h"

#include "app/mainform.h"
#include "app/statuspanels.h"
#include "preview/previewtab.h"

#include "check/checksession.h"
#include "check/fixapplier.h"
#include "common/editorsettings.h"
#include "devices/deviceprofile.h"

#include <QAction>
#include <QMenu>
#include <QSplitter>

void TMDIChild::createChecking()
{
    m_problemMarks = new ProblemMarks(*m_memo);
    m_checks = new CheckSession(
        [this] {
            CheckSession::Input input;
            input.text = m_memo->text();
            input.document.actualEncoding = m_encoding.name;
            input.checker.device = m_main.deviceProfile(m_preview->skinProfile());
            return input;
        },
        this);
    connect(m_preview, &PreviewTab::skinProfileChanged, this, &TMDIChild::recheck);
    connect(m_memo, &WmlEditor::contentChanged, m_checks, &CheckSession::textChanged);
    connect(m_checks, &CheckSession::checked, this, &TMDIChild::showProblems);
    connect(m_problemList, &ProblemList::problemChosen, this, &TMDIChild::goToProblem);
    connect(m_memo, &WmlEditor::contextMenuOpening, this, &TMDIChild::addFixesToMenu);
    setProblemsShown(EditorSettings::problemsList());

    m_quickFixAction = new QAction(tr("&Quick Fix..."), this);
    m_quickFixAction->setObjectName(QStringLiteral("EditQuickFix"));
    m_quickFixAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Period));
    m_quickFixAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_quickFixAction->setStatusTip(tr("Fix the problem at the caret"));
    addAction(m_quickFixAction);
    m_editMenu->addAction(m_quickFixAction);
    m_memo->releaseKey(m_quickFixAction->shortcut());
    connect(m_quickFixAction, &QAction::triggered, this, &TMDIChild::QuickFixExecute);
}

void TMDIChild::setProblemsShown(bool shown)
{
    m_problemList->setVisible(shown);
}

bool TMDIChild::problemsShown() const
{
    return !m_problemList->isHidden();
}

void TMDIChild::showProblems()
{
    m_problems = ProblemSet(m_checks->diagnostics());
    m_problemsKnown = true;
    m_problemMarks->show(m_problems);
    m_problemList->setProblems(m_problems);
    if (m_main.activeChild() == this) {
        m_main.showProblemCount();
        m_main.showDeckSize();
    }
}

const DeckSizeReport *TMDIChild::deckSize() const
{
    return m_problemsKnown ? &m_checks->deckSize() : nullptr;
}

void TMDIChild::recheck()
{
    m_checks->checkNow();
}

void TMDIChild::goToProblem(int offset)
{
    if (!isSourceShowing())
        return;
    m_memo->setCaret(qBound(0, offset, m_memo->length()));
    m_memo->ensureCaretVisible();
    m_memo->setFocus();
}

QList<QAction *> TMDIChild::fixActions(int position, QObject *owner)
{
    // Offsets of a check made before the last keystroke may be off.
    m_checks->bringUpToDate();
    QList<QAction *> actions;
    for (const Diagnostic &diagnostic : m_problems.fixesAt(position)) {
        QString label = diagnostic.fix->label;
        auto *action = new QAction(label.replace(QLatin1Char('&'), QLatin1String("&&")), owner);
        action->setObjectName(QStringLiteral("QuickFix%1").arg(actions.size() + 1));
        action->setStatusTip(diagnostic.message);
        const QuickFix fix = *diagnostic.fix;
        connect(action, &QAction::triggered, this, [this, fix] { applyFix(fix); });
        actions << action;
    }
    return actions;
}

void TMDIChild::addFixesToMenu(QMenu *menu, int position)
{
    if (!isSourceShowing())
        return;
    const QList<QAction *> fixes = fixActions(position, menu);
    if (fixes.isEmpty())
        return;
    QAction *first = menu->actions().value(0);
    menu->insertActions(first, fixes);
    menu->insertSeparator(first);
}

void TMDIChild::QuickFixExecute()
{
    if (!isSourceShowing())
        return;
    auto *menu = new QMenu(this);
    menu->setObjectName(QStringLiteral("mnuQuickFix"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    const QList<QAction *> fixes = fixActions(m_memo->caret(), menu);
    if (fixes.isEmpty()) {
        delete menu;
        m_main.statusPanels()->setPanelText(StatusPanels::HintPanel, tr("No quick fix at the caret"));
        return;
    }
    if (fixes.size() == 1) {
        fixes.front()->trigger();
        delete menu;
        return;
    }
    menu->addActions(fixes);
    const QPoint caret = m_memo->caretPixelPosition();
    menu->popup(m_memo->viewport()->mapToGlobal(caret + QPoint(0, m_memo->textHeight(m_memo->lineOfPosition(m_memo->caret())))));
    menu->setActiveAction(fixes.front());
}

void TMDIChild::applyFix(const QuickFix &fix)
{
    if (!isSourceShowing())
        return;
    if (!FixApplier::apply(*m_memo, fix))
        return;
    m_memo->ensureCaretVisible();
    m_checks->checkNow();
}
