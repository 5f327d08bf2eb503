#include "mainform.h"
#include "artwork.h"

#include "apptexts.h"
#include "collapsibletoolbar.h"
#include "commandtable.h"
#include "documentsubwindow.h"
#include "errordisplay.h"
#include "languagemenu.h"
#include "splashwindow.h"
#include "statuspanels.h"
#include "widgetdialogservice.h"
#include "widgetplacement.h"

#include "editor/mdichild.h"
#include "editor/tfrmfind.h"
#include "editor/wmleditor.h"
#include "pictures/wbmppicturewindow.h"

#include "common/commandstates.h"
#include "common/programfolder.h"
#include "devices/devicecatalog.h"
#include "common/previewfolders.h"
#include "net/downloadfolder.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPrinter>
#include <QStatusTipEvent>
#include <QTimer>

// Resources compiled into a static library must be registered by hand.
static void initArtwork()
{
    Q_INIT_RESOURCE(artwork);
}

TMainForm::TMainForm(std::unique_ptr<DialogService> dialogs, bool withSplash)
    : m_dialogs(std::move(dialogs)), m_storage(QStringLiteral("TMainForm")),
      m_downloads(std::make_unique<DownloadFolder>()),
      m_previewFolders(std::make_unique<PreviewFolders>(ProgramFolder::tempFolder()))
{
    initArtwork();
    setObjectName(QStringLiteral("TMainForm"));
    if (!m_dialogs)
        m_dialogs = std::make_unique<WidgetDialogService>(this);
    if (withSplash)
        m_splash = SplashWindow::showSplash();

    setAcceptDrops(true);
    setWindowIcon(Artwork::icon(QStringLiteral("tarnel")));
    QApplication::setWindowIcon(windowIcon());
    setGeometry(202, 117, 589, 409);

    m_mdiArea = new QMdiArea(this);
    m_mdiArea->setObjectName(QStringLiteral("ClientArea"));
    // Windows larger than the area, or moved partly out of it, stay reachable.
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdiArea);
    m_statusBar = new StatusPanels(this);
    setStatusBar(m_statusBar);

    createActions();
    createMenus();
    createServeMenu();
    createToolBar();
    connectCommands();
    LanguageMenu::fill(m_languageMenu, *m_dialogs);

    m_storage.bindBool(QStringLiteral("tlacitkaMAIN_Maximized"), [this] { return m_toolBar->isMaximized(); },
                       [this](bool on) { m_toolBar->setMaximized(on); });
    m_storage.bindPlacement([this] { return WidgetPlacement::capture(this); },
                            [this](const WindowPlacement &placement) { WidgetPlacement::apply(this, placement); },
                            [this] { return WidgetPlacement::screenOf(this); });

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &TMainForm::childActivated);
    setWindowTitle(AppTexts::mainCaption());
    UpdateCommandState();
}

TMainForm::~TMainForm()
{
    if (!m_closing)
        saveSettings();
    // Document windows write their own settings as they go; make that
    // happen while this window still exists.
    const QList<QMdiSubWindow *> windows = m_mdiArea->subWindowList();
    for (QMdiSubWindow *window : windows)
        delete window;
    // Also those closed but still waiting to be deleted.
    const QList<TMDIChild *> closing = findChildren<TMDIChild *>();
    for (TMDIChild *child : closing)
        delete child;
    m_previewFolders->ClearTempFolder();
}

void TMainForm::createActions()
{
    for (QAction *action : CommandTable::createActions(this)) {
        m_actions.insert(action->objectName(), action);
        addAction(action);
    }
}

QMenu *TMainForm::toolsMenu()
{
    if (!m_toolsMenu) {
        m_toolsMenu = new QMenu(tr("&Tools"), this);
        m_toolsMenu->setObjectName(QStringLiteral("mmTools"));
    }
    return m_toolsMenu;
}

QAction *TMainForm::action(const QString &name) const
{
    return m_actions.value(name);
}

void TMainForm::createMenus()
{
    m_fileMenu = new QMenu(tr("&File"), this);
    m_fileMenu->setObjectName(QStringLiteral("mmFile"));
    for (const char *name : {"FileNew", "FileNewFromTemplate", "FileOpen", "FileOpenURL", "", "FileClose",
                             "FileCloseAll", "", "FileSave", "FileSaveAs", "FileSaveFtp", "FileSaveAll", "FileExportCompiled", "",
                             "FilePrint", "FilePrintSetup", "", "FileExit"}) {
        if (*name)
            m_fileMenu->addAction(action(QString::fromLatin1(name)));
        else
            m_fileMenu->addSeparator();
    }

    m_viewMenu = new QMenu(tr("&View"), this);
    m_viewMenu->setObjectName(QStringLiteral("mmView"));
    m_statusBarItem = m_viewMenu->addAction(tr("Status &Bar"));
    m_statusBarItem->setObjectName(QStringLiteral("mmStatusBar"));
    m_statusBarItem->setCheckable(true);
    m_statusBarItem->setChecked(true);
    m_statusBarItem->setStatusTip(tr("Show/hide the status bar in bottom of main window"));
    m_viewMenu->addSeparator();
    m_languageMenu = m_viewMenu->addMenu(tr("&Language"));
    m_languageMenu->setObjectName(QStringLiteral("Language1"));
    m_languageMenu->menuAction()->setObjectName(QStringLiteral("Language1Item"));
    m_languageMenu->menuAction()->setStatusTip(tr("Select language"));
    createEncodingMenus();
    m_viewMenu->addMenu(m_encodingMenu);
    createDeviceMenu();
    m_viewMenu->addMenu(m_deviceMenu);
    const QList<QAction *> fileItems = m_fileMenu->actions();
    m_fileMenu->insertMenu(fileItems.value(fileItems.indexOf(action(QStringLiteral("FileOpenURL"))) + 1),
                           m_reopenMenu);

    m_windowMenu = new QMenu(tr("&Window"), this);
    m_windowMenu->setObjectName(QStringLiteral("Window1"));
    m_windowMenu->addAction(action(QStringLiteral("WindowCascade1")));
    m_windowMenu->addAction(action(QStringLiteral("WindowTileVertical1")));
    m_windowMenu->addAction(action(QStringLiteral("WindowTileHorizontal1")));

    m_helpMenu = new QMenu(tr("&Help"), this);
    m_helpMenu->setObjectName(QStringLiteral("mmHelp"));
    QAction *contents = m_helpMenu->addAction(tr("&Help contents"));
    contents->setObjectName(QStringLiteral("WAPhelp1"));
    contents->setShortcut(QKeySequence(Qt::Key_F1));
    contents->setStatusTip(tr("Information about program"));
    contents->setIcon(Artwork::icon(QStringLiteral("help")));
    // Context help is kept out of the menu; its shortcut works in the
    // window (a hidden QAction would lose its shortcut).
    auto *context = new QAction(tr("&Context help"), this);
    context->setObjectName(QStringLiteral("itmTaghelp"));
    context->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_F1));
    context->setStatusTip(tr("WML syntax help"));
    addAction(context);
    addAction(contents);
    m_helpMenu->addSeparator();
    QAction *about = m_helpMenu->addAction(tr("&About"));
    about->setObjectName(QStringLiteral("mmAbout"));
    about->setStatusTip(tr("About"));
    m_actions.insert(contents->objectName(), contents);
    m_actions.insert(context->objectName(), context);
    m_actions.insert(about->objectName(), about);

    createComfortMenus();
    createPictureCommands();
    mergeChildMenus();
}

void TMainForm::createToolBar()
{
    m_toolBar = new CollapsibleToolBar(QStringLiteral("tlacitkaMAIN"), this);
    addToolBar(Qt::TopToolBarArea, m_toolBar);
    m_toolBar->addCommand(action(QStringLiteral("FileNew")));
    m_toolBar->addCommand(action(QStringLiteral("FileOpen")));
    m_toolBar->addCommand(action(QStringLiteral("FileSave")), QStringLiteral("btnSAVE"));
    m_toolBar->addCommand(action(QStringLiteral("FileClose")), QStringLiteral("btnCLOSE"));
    m_toolBar->addGap();
    m_toolBar->addCommand(action(QStringLiteral("FilePrint")), QStringLiteral("btnPRINT"));
    m_toolBar->addGap();
    m_toolBar->addCommand(action(QStringLiteral("EditUndo")), QStringLiteral("btnUNDO"));
    m_toolBar->addCommand(action(QStringLiteral("EditFind")), QStringLiteral("btnFIND"));
    m_toolBar->addCommand(action(QStringLiteral("EditReplace")), QStringLiteral("btnREPLACE"));
    m_toolBar->addGap();
    // The Help button runs Help contents but carries its own hint.
    auto *help = new QAction(Artwork::icon(QStringLiteral("help")), tr("Help"), this);
    help->setObjectName(QStringLiteral("ToolButton40Action"));
    help->setToolTip(tr("Help"));
    help->setStatusTip(tr("Help"));
    connect(help, &QAction::triggered, action(QStringLiteral("WAPhelp1")), &QAction::trigger);
    m_toolBar->addCommand(help, QStringLiteral("ToolButton40"));
    m_toolBar->addGap();
    m_toolBar->addCommand(action(QStringLiteral("FileExit")));
    m_toolBar->addGap();
}

void TMainForm::connectCommands()
{
    const QList<std::pair<const char *, void (TMainForm::*)()>> handlers = {
        {"FileNew", &TMainForm::FileNewExecute},
        {"FileNewFromTemplate", &TMainForm::FileNewFromTemplateExecute},
        {"FileOpen", &TMainForm::FileOpenExecute},
        {"FileClose", &TMainForm::FileCloseExecute},
        {"FileCloseAll", &TMainForm::FileCloseAllExecute},
        {"FileSave", &TMainForm::FileSaveExecute},
        {"FileSaveAs", &TMainForm::FileSaveAsExecute},
        {"FileSaveAll", &TMainForm::FileSaveAllExecute},
        {"FileOpenURL", &TMainForm::FileOpenURLExecute},
        {"FileSaveFtp", &TMainForm::FileSaveFtpExecute},
        {"FileExportCompiled", &TMainForm::FileExportCompiledExecute},
        {"FilePrint", &TMainForm::FilePrintExecute},
        {"FilePrintSetup", &TMainForm::FilePrintSetupExecute},
        {"FileExit", &TMainForm::FileExitExecute},
        {"EditUndo", &TMainForm::EditUndoExecute},
        {"EditRedo", &TMainForm::EditRedoExecute},
        {"EditFind", &TMainForm::EditFindExecute},
        {"EditFindNext", &TMainForm::EditFindNextExecute},
        {"EditReplace", &TMainForm::EditReplaceExecute},
        {"EditDelTag", &TMainForm::EditDelTagExecute},
        {"WAPhelp1", &TMainForm::WAPhelp1Click},
        {"itmTaghelp", &TMainForm::itmTaghelpClick},
        {"mmAbout", &TMainForm::mmAboutClick},
    };
    for (const auto &[name, handler] : handlers) {
        connect(action(QString::fromLatin1(name)), &QAction::triggered, this,
                [this, handler = handler] { runCommand([this, handler] { (this->*handler)(); }); });
    }
    connect(action(QStringLiteral("WindowCascade1")), &QAction::triggered, m_mdiArea,
            &QMdiArea::cascadeSubWindows);
    connect(action(QStringLiteral("WindowTileVertical1")), &QAction::triggered, this,
            [this] { tileDocuments(Qt::Horizontal); });
    connect(action(QStringLiteral("WindowTileHorizontal1")), &QAction::triggered, this,
            [this] { tileDocuments(Qt::Vertical); });
    connect(m_statusBarItem, &QAction::triggered, this, &TMainForm::mmStatusBarClick);
    connect(m_windowMenu, &QMenu::aboutToShow, this, &TMainForm::Window1Click);
}

void TMainForm::runCommand(const std::function<void()> &command)
{
    ErrorDisplay::run(*m_dialogs, command);
}

// Windows whose close was accepted stay in the MDI area until Qt deletes
// them; they no longer count.
QList<QMdiSubWindow *> TMainForm::openFrames(QMdiArea::WindowOrder order) const
{
    QList<QMdiSubWindow *> frames = m_mdiArea->subWindowList(order);
    frames.removeIf([](QMdiSubWindow *frame) {
        const auto *document = qobject_cast<DocumentSubWindow *>(frame);
        return !document || document->isClosing() || !qobject_cast<TMDIChild *>(frame->widget());
    });
    return frames;
}

TMDIChild *TMainForm::activeChild() const
{
    const QList<QMdiSubWindow *> frames = openFrames(QMdiArea::StackingOrder);
    QMdiSubWindow *window = m_mdiArea->currentSubWindow();
    // While a picture window is active no page is: the page commands must
    // not act on a page behind it.
    if (activePicture())
        return nullptr;
    if (!frames.contains(window))
        window = frames.isEmpty() ? nullptr : frames.back();
    return window ? qobject_cast<TMDIChild *>(window->widget()) : nullptr;
}

TMDIChild *TMainForm::sourceChild() const
{
    TMDIChild *child = activeChild();
    return child && child->isSourceShowing() ? child : nullptr;
}

QList<TMDIChild *> TMainForm::documentWindows() const
{
    QList<TMDIChild *> children;
    const QList<QMdiSubWindow *> windows = openFrames(QMdiArea::StackingOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        if (auto *child = qobject_cast<TMDIChild *>((*it)->widget()))
            children.append(child);
    }
    // The active window first, whatever the stacking says.
    if (TMDIChild *active = activeChild(); active && children.indexOf(active) > 0) {
        children.removeOne(active);
        children.prepend(active);
    }
    return children;
}

int TMainForm::documentCount() const
{
    return int(openFrames(QMdiArea::CreationOrder).size());
}

void TMainForm::setCommandsEnabled(const QStringList &names, bool enabled)
{
    for (const QString &name : names)
        action(name)->setEnabled(enabled);
}

void TMainForm::UpdateCommandState()
{
    CommandStates::ActiveDocument document;
    if (const TMDIChild *child = activeChild()) {
        document.exists = true;
        document.sourceShown = child->isSourceShowing();
        document.modified = child->isModified();
        document.hasFile = !child->documentPath().isEmpty();
        document.canUndo = child->editor()->canUndo();
        document.canRedo = child->editor()->canRedo();
    }
    for (const auto &[name, enabled] : CommandStates::of(document))
        action(name)->setEnabled(enabled);
    if (const WbmpPictureWindow *picture = activePicture())
        updatePictureCommandState(*picture);
    serveDocumentsChanged();
}

void TMainForm::mergeChildMenus()
{
    // Qt has no menu merging: the bar is rebuilt with the active document
    // window's Edit and Insert menus between File and View.
    QMenuBar *bar = menuBar();
    bar->clear();
    bar->addMenu(m_fileMenu);
    if (TMDIChild *child = activeChild()) {
        bar->addMenu(child->editMenu());
        bar->addMenu(child->insertMenu());
    }
    bar->addMenu(m_viewMenu);
    if (m_toolsMenu)
        bar->addMenu(m_toolsMenu);
    bar->addMenu(m_windowMenu);
    bar->addMenu(m_helpMenu);
}

void TMainForm::childActivated(QMdiSubWindow *)
{
    if (m_closing)
        return;
    mergeChildMenus();
    UpdateCommandState();
    if (TMDIChild *child = activeChild()) {
        child->Memo1SelMove();
    } else {
        m_statusBar->setPanelText(StatusPanels::ChangedPanel, QString());
        m_statusBar->clearCaret();
    }
    showDocumentFormat();
    showProblemCount();
    showDeckSize();
}

bool TMainForm::event(QEvent *event)
{
    // Hints go to panel 6 as their long part.
    if (event->type() == QEvent::StatusTip) {
        m_statusBar->setPanelText(StatusPanels::HintPanel,
                                  AppTexts::longHint(static_cast<QStatusTipEvent *>(event)->tip()));
        return true;
    }
    return QMainWindow::event(event);
}

void TMainForm::showEvent(QShowEvent *event)
{
    if (!m_settingsRestored) {
        m_settingsRestored = true;
        m_storage.restore();
        // After the frame has taken its restored size.
        QTimer::singleShot(0, this, &TMainForm::placeWaitingWindows);
    }
    QMainWindow::showEvent(event);
    // The splash stays above the main window until its time is up.
    if (m_splash)
        m_splash->raise();
}

void TMainForm::saveSettings()
{
    runCommand([this] {
        m_storage.save();
        // A find dialog never opened has nothing new to store.
        if (m_findDialog)
            m_findDialog->saveSettings();
    });
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    for (TMDIChild *child : documentWindows()) {
        if (!child->closeQuery()) {
            event->ignore();
            UpdateCommandState();
            return;
        }
    }
    for (WbmpPictureWindow *picture : pictureWindows()) {
        if (!picture->closeQuery()) {
            event->ignore();
            UpdateCommandState();
            return;
        }
    }
    m_closing = true;
    saveSettings();
    event->accept();
}
