#include "mdichild.h"

#include "completionlist.h"
#include "editorplace.h"
#include "linenumbermargin.h"
#include "problemlist.h"
#include "wmleditor.h"

#include "preview/htmlviewer.h"
#include "preview/previewtab.h"

#include "app/apptexts.h"
#include "app/closequestion.h"
#include "app/collapsibletoolbar.h"
#include "app/dialogservice.h"
#include "app/errordisplay.h"
#include "app/mainform.h"
#include "app/transferrunner.h"
#include "common/previewfolders.h"
#include "app/statuspanels.h"
#include "app/widgetplacement.h"

#include "check/checksession.h"
#include "common/editorsettings.h"
#include "common/tarnelerror.h"
#include "editor/caretstatus.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QFileInfo>
#include <QMenu>
#include <QSplitter>
#include <QTabWidget>
#include <QVBoxLayout>

TMDIChild::TMDIChild(TMainForm &mainForm, QWidget *parent)
    : QWidget(parent), m_main(mainForm), m_storage(QStringLiteral("TMDIChild"))
{
    setObjectName(QStringLiteral("MDIChild"));
    setAttribute(Qt::WA_DeleteOnClose);
    resize(558, 395);
    buildPages();
    buildMenus();
    createChecking();

    m_storage.bindBool(QStringLiteral("tlacitkaWML_Maximized"), [this] { return m_wmlToolBar->isMaximized(); },
                       [this](bool on) { m_wmlToolBar->setMaximized(on); });
    m_storage.bindBool(QStringLiteral("tlacitkaWYSIWYG_Maximized"),
                       [this] { return m_wysiwygToolBar->isMaximized(); },
                       [this](bool on) { m_wysiwygToolBar->setMaximized(on); });
    // The placement of the window's own frame inside the main window, kept
    // for the record but never taken back: a new document window goes where
    // the frame puts it.
    m_storage.bindPlacement([this] { return WidgetPlacement::capture(parentWidget() ? parentWidget() : this); },
                            nullptr,
                            [this] { return WidgetPlacement::screenOf(this); });
    m_storage.restore();
    SetModified(false);
}

TMDIChild::~TMDIChild()
{
    saveSettings();
    m_main.previewFolders().release(m_pageFolder);
}

void TMDIChild::saveSettings()
{
    ErrorDisplay::run(m_main.dialogs(), [this] { m_storage.save(); });
}

void TMDIChild::buildPages()
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    m_pages = new QTabWidget(this);
    m_pages->setObjectName(QStringLiteral("pgMAIN"));
    m_pages->setTabPosition(QTabWidget::South);
    m_pages->setDocumentMode(true);
    layout->addWidget(m_pages);

    auto *tabWml = new QWidget(m_pages);
    m_tabWml = tabWml;
    tabWml->setObjectName(QStringLiteral("tabWML"));
    auto *wmlLayout = new QVBoxLayout(tabWml);
    wmlLayout->setContentsMargins(0, 0, 0, 0);
    wmlLayout->setSpacing(0);
    m_wmlToolBar = new CollapsibleToolBar(QStringLiteral("tlacitkaWML"), tabWml);
    wmlLayout->addWidget(m_wmlToolBar);
    // The editor over the Problems list.
    m_wmlSplitter = new QSplitter(Qt::Vertical, tabWml);
    m_wmlSplitter->setObjectName(QStringLiteral("splitProblems"));
    m_wmlSplitter->setChildrenCollapsible(false);
    m_memo = new WmlEditor(m_wmlSplitter);
    m_memo->installEventFilter(this);
    m_lineNumbers = new LineNumberMargin(*m_memo, EditorSettings::lineNumbers());
    m_problemList = new ProblemList(m_wmlSplitter);
    m_wmlSplitter->setStretchFactor(0, 1);
    m_wmlSplitter->setStretchFactor(1, 0);
    wmlLayout->addWidget(m_wmlSplitter, 1);
    m_pages->addTab(tabWml, tr("WML"));
    m_completion = new CompletionList(tabWml);
    connect(m_completion, &CompletionList::chosen, this, &TMDIChild::lv_1DblClick);
    connect(m_completion, &CompletionList::cancelled, this, &TMDIChild::cancelCompletion);
    connect(m_completion, &CompletionList::focusLost, this, &TMDIChild::completionFocusLost);

    auto *tabWysiwyg = new QWidget(m_pages);
    tabWysiwyg->setObjectName(QStringLiteral("tabWYSIWYG"));
    auto *wysiwygLayout = new QVBoxLayout(tabWysiwyg);
    wysiwygLayout->setContentsMargins(0, 0, 0, 0);
    m_wysiwygToolBar = new CollapsibleToolBar(QStringLiteral("tlacitkaWYSIWYG"), tabWysiwyg);
    wysiwygLayout->addWidget(m_wysiwygToolBar);
    wysiwygLayout->addStretch(1);
    m_pages->addTab(tabWysiwyg, tr("WYSIWYG"));
    m_pages->setTabVisible(1, false);

    m_preview = new PreviewTab(m_cardModel, m_main.dialogs(), m_pages);
    m_pages->addTab(m_preview, tr("Preview"));
    connect(m_preview->viewer(), &HtmlViewer::hotSpotClick, this, &TMDIChild::htmlLITEHotSpotClick);
    connect(m_preview, &PreviewTab::phoneChanged, this, &TMDIChild::fitPhone);
    connect(m_preview, &PreviewTab::modeChanged, this, &TMDIChild::openPhoneIfShown);
    // The phone's HTTP requests show their progress in the status bar and
    // can be cancelled there, as Open from URL's can.
    m_preview->network().setRunner([this](const std::function<void(TransferControl &)> &job) {
        TransferRunner(*m_main.statusPanels()).run(m_main.transferLimits(), job);
    });
    connect(m_preview, &PreviewTab::skinProfileChanged, this, &TMDIChild::openPhoneIfShown);

    connect(m_memo, &WmlEditor::contentChanged, this, &TMDIChild::Memo1Change);
    connect(m_memo, &WmlEditor::filesDropped, this, [this](const QStringList &paths) {
        m_main.openDroppedFiles(paths);
    });
    connect(m_memo, &QsciScintilla::cursorPositionChanged, this, [this] { Memo1SelMove(); });
    connect(m_memo, &QsciScintilla::selectionChanged, this, [this] { Memo1SelMove(); });
    connect(m_memo, &WmlEditor::overwriteModeChanged, this, [this] { Memo1SelMove(); });
    connect(m_pages, &QTabWidget::currentChanged, this, &TMDIChild::pgMAINChange);
}

void TMDIChild::buildMenus()
{
    m_editMenu = new QMenu(tr("&Edit"), this);
    m_editMenu->setObjectName(QStringLiteral("Edit1"));
    m_editMenu->addAction(m_main.action(QStringLiteral("EditUndo")));
    m_editMenu->addAction(m_main.action(QStringLiteral("EditRedo")));
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_main.action(QStringLiteral("EditFind")));
    m_editMenu->addAction(m_main.action(QStringLiteral("EditFindNext")));
    m_editMenu->addAction(m_main.action(QStringLiteral("EditReplace")));
    m_editMenu->addSeparator();
    m_editMenu->addAction(m_main.action(QStringLiteral("EditDelTag")));
    m_editMenu->addSeparator();
    connect(m_editMenu, &QMenu::aboutToShow, this, &TMDIChild::Edit1Click);

    m_insertMenu = new QMenu(tr("&Insert"), this);
    m_insertMenu->setObjectName(QStringLiteral("Insert1"));
    createInsertCommands();
    createPictureCommand();

    // The card list at the right end of the WML toolbar is kept for the
    // record and never shown.
    m_cardList = new QComboBox(m_wmlToolBar);
    m_cardList->setObjectName(QStringLiteral("lstCARDS"));
    m_cardList->setFixedWidth(89);
    m_wmlToolBar->addWidget(m_cardList)->setVisible(false);

    // Hidden items whose shortcuts work anywhere inside the page control.
    auto *next = new QAction(QStringLiteral("dalsi"), m_pages);
    next->setObjectName(QStringLiteral("dalsi1"));
    next->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    next->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(next, &QAction::triggered, this, &TMDIChild::dalsi1Click);
    auto *previous = new QAction(QStringLiteral("predchozi"), m_pages);
    previous->setObjectName(QStringLiteral("predchozi1"));
    previous->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    previous->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(previous, &QAction::triggered, this, &TMDIChild::predchozi1Click);
    m_pages->addAction(next);
    m_pages->addAction(previous);

    // Keys the program's commands use must reach them, not the editor.
    QList<QAction *> commands = m_main.findChildren<QAction *>();
    commands += m_insertActions.values();
    for (const QAction *action : commands) {
        for (const QKeySequence &key : action->shortcuts())
            m_memo->releaseKey(key);
    }
    m_memo->releaseKey(next->shortcut());
    m_memo->releaseKey(previous->shortcut());
}

void TMDIChild::loadText(const QString &text)
{
    m_loading = true;
    m_memo->setText(text);
    m_loading = false;
    m_checks->checkNow();
}

void TMDIChild::Memo1Change()
{
    if (m_loading)
        return;
    SetModified(true);
    Memo1SelMove();
    UpdateSaveCommand();
}

void TMDIChild::Memo1SelMove()
{
    if (m_loading || m_main.activeChild() != this)
        return;
    m_main.statusPanels()->setPanelText(StatusPanels::ChangedPanel,
                                        m_modified ? AppTexts::changedPanel() : QString());
    m_main.statusPanels()->showCaret(CaretStatus::of(*m_memo, m_memo->isOverwriteMode()));
}

void TMDIChild::UpdateSaveCommand()
{
    m_main.UpdateCommandState();
}

bool TMDIChild::AskSaveChanges()
{
    if (!m_modified)
        return true;
    return CloseQuestion::ask(m_main.dialogs(), displayName(), [this] { return m_main.Save(this); });
}

bool TMDIChild::closeQuery()
{
    const bool mayClose = AskSaveChanges();
    UpdateSaveCommand();
    return mayClose;
}

void TMDIChild::closeEvent(QCloseEvent *event)
{
    if (closeQuery())
        event->accept();
    else
        event->ignore();
}

void TMDIChild::EnableSourceCommands(int view)
{
    if (view < ViewWml || view > ViewPreview)
        return;
    const bool on = view == ViewWml;
    m_editMenu->setEnabled(on);
    m_insertMenu->setEnabled(on);
    // The shortcuts of the Insert commands work anywhere in the window, so
    // the commands themselves are switched, not only their menu.
    for (QAction *action : std::as_const(m_insertActions))
        action->setEnabled(on);
    m_quickFixAction->setEnabled(on);
    m_main.UpdateCommandState();
}

bool TMDIChild::isSourceShowing() const
{
    return m_pages->currentWidget() == m_tabWml;
}

void TMDIChild::Edit1Click()
{
    // Undo follows the editor's undo history; the recomputation keeps it
    // from being left disabled after the next keystroke.
    m_main.UpdateCommandState();
}

void TMDIChild::selectNeighbourTab(int step)
{
    const int count = m_pages->count();
    int index = m_pages->currentIndex();
    for (int tries = 0; tries < count; ++tries) {
        index = (index + step + count) % count;
        if (m_pages->isTabVisible(index))
            break;
    }
    m_pages->setCurrentIndex(index);
}

void TMDIChild::dalsi1Click()
{
    selectNeighbourTab(1);
}

void TMDIChild::predchozi1Click()
{
    selectNeighbourTab(-1);
}

void TMDIChild::showCompiledDeck(const QString &text)
{
    loadText(text);
    m_compiledView = true;
    m_memo->setReadOnly(true);
    m_main.statusPanels()->setPanelText(
        StatusPanels::HintPanel, tr("A compiled deck, shown decoded and read-only: save it as a WML page to edit it"));
}

void TMDIChild::leaveCompiledView()
{
    if (!m_compiledView)
        return;
    m_compiledView = false;
    m_memo->setReadOnly(false);
}
