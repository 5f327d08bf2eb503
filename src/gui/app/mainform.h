#pragma once

#include "dialogservice.h"

#include "common/documentfile.h"
#include "common/formstorage.h"
#include "editor/plaintextbuffer.h"
#include "net/transferlimits.h"

#include <QHash>
#include <QMainWindow>
#include <QMdiArea>
#include <QPointer>
#include <memory>

class CollapsibleToolBar;
class DeviceCatalog;
struct DeviceProfile;
class DownloadFolder;
class PreviewFolders;
class QMdiSubWindow;
class QMenu;
class RequestLogPanel;
class ServeController;
class QPrinter;
class StatusPanels;
class TfrmFIND;
class TfrmWAPHELP;
class TMDIChild;
class WbmpPictureWindow;

// The main window: an MDI frame whose document windows each hold one WML
// page, with the command list, menus, toolbar `tlacitkaMAIN` and the
// eight-panel status bar. Commands act on the active document window and do
// nothing when none is open.
class TMainForm : public QMainWindow
{
    Q_OBJECT

public:
    // dialogs may be null: the real message boxes and file dialogs are used.
    explicit TMainForm(std::unique_ptr<DialogService> dialogs = nullptr, bool withSplash = true);
    ~TMainForm() override;

    // --- operations shared with the document windows and later commands
    void OpenDocument(const QString &name);
    // Sets the document commands from the active document window (see
    // CommandStates). Runs when a window becomes active or closes, when the
    // active window's text changes or is saved, and when its tab switches.
    void UpdateCommandState();
    // Saves target to its path, or asks for one. False when the user
    // cancelled (nothing written). Throws TarnelError when writing fails.
    bool Save(TMDIChild *target);

    void openCommandLineFiles(const QStringList &arguments);
    void openDroppedFiles(const QStringList &paths);

    TMDIChild *activeChild() const;
    // The active document window when its WML tab is showing, else null:
    // the commands that edit the source act only on this one.
    TMDIChild *sourceChild() const;
    // Document windows, the active (topmost) one first.
    QList<TMDIChild *> documentWindows() const;
    int documentCount() const;
    QStringList documentCaptions() const;

    QAction *action(const QString &name) const;
    void setCommandsEnabled(const QStringList &names, bool enabled);

    DialogService &dialogs() const { return *m_dialogs; }
    // The request of the Open command's dialog; other commands may borrow it
    // with another filter and put it back.
    DialogService::FileRequest &OpenDialog1() { return m_openDialog; }
    StatusPanels *statusPanels() const { return m_statusBar; }
    PlainTextBuffer &edittemp() { return m_edittemp; }
    TfrmFIND *findDialog();
    // The help window, made the first time help is asked for.
    TfrmWAPHELP *helpWindow();
    QMdiArea *mdiArea() const { return m_mdiArea; }
    CollapsibleToolBar *mainToolBar() const { return m_toolBar; }
    QMenu *languageMenu() const { return m_languageMenu; }
    QMenu *encodingMenu() const { return m_encodingMenu; }
    QMenu *reopenMenu() const { return m_reopenMenu; }
    QPrinter &printer();
    // The preview's folders of this run in "temp"; cleared as the window goes.
    PreviewFolders &previewFolders() { return *m_previewFolders; }
    // Time-outs of Open from URL and Save to FTP (tests shorten them), and
    // the folder downloads go to: a private folder of this run, made on the
    // first download (empty before), unless one is set.
    TransferLimits &transferLimits() { return m_transferLimits; }
    QString downloadFolder() const;
    void setDownloadFolder(const QString &folder);

    // --- command handlers
    void FileNewExecute();
    void FileNewFromTemplateExecute();
    void FileOpenExecute();
    void FileSaveExecute();
    void FileSaveAsExecute();
    void FileSaveAllExecute();
    void FileOpenURLExecute();
    // Reads the active page's file again in the named character set.
    void FileReopenEncodingExecute(const QByteArray &charset);
    // View > Encoding: the 8-bit set of pages that declare none.
    void ViewEncodingExecute(const QByteArray &charset);
    void FileSaveFtpExecute();
    void FileCloseExecute();
    void FileCloseAllExecute();
    void FilePrintExecute();
    void FilePrintSetupExecute();
    void FileExitExecute();
    void EditUndoExecute();
    void EditRedoExecute();
    void EditFindExecute();
    void EditFindNextExecute();
    void EditReplaceExecute();
    void EditDelTagExecute();
    void WAPhelp1Click();
    void itmTaghelpClick();
    void mmAboutClick();
    void mmStatusBarClick();
    void Window1Click();
    // View > Line Numbers: shows or hides them in every editor and keeps
    // the choice for the user.
    void ViewLineNumbersExecute();
    // View > Problems: shows or hides the Problems list under every editor
    // and keeps the choice for the user.
    void ViewProblemsExecute();
    void ViewInspectorExecute();
    // Status panel 7: the active page's problem count.
    void showProblemCount();
    // --- phones (mainformdevices.cpp)
    // The phones of data/devices.ini, read on first use.
    const DeviceCatalog &deviceCatalog();
    // The phone a page is measured and checked for: the one its Preview
    // skin names, else the one chosen in View > Device.
    DeviceProfile deviceProfile(const QString &skinProfile);
    QMenu *deviceMenu() const { return m_deviceMenu; }
    // View > Device: the phone for pages whose skin names none.
    void ViewDeviceExecute(const QString &id);
    // Status panel 8: the active page's compiled size against its phone.
    void showDeckSize();
    // File > Export Compiled: writes the active page compiled to WBXML.
    void FileExportCompiledExecute();
    // A File > Recent Files item: opens the file, or drops a missing one
    // from the list and says so.
    void openRecentFile(const QString &path);
    QMenu *recentMenu() const { return m_recentMenu; }
    // The Tools menu, made on first use.
    QMenu *toolsMenu();
    // --- serving to phones (mainformserve.cpp)
    ServeController *serveController() const { return m_serve; }
    RequestLogPanel *requestLog() const { return m_requestLog; }
    // Tools > Serve to Phone (F9): starts or stops serving the active
    // page's folder; an unsaved page has none and is refused.
    void ToolsServeExecute(bool on);
    // Tools > Serve Settings: where to listen; restarts a running server
    // that must move.
    void ToolsServeSettingsExecute();
    // Tools > Gateway Settings: a Kannel configuration for the server.
    void ToolsGatewayExecute();

    // --- pictures (mainformpictures.cpp)
    // Opens a WBMP file in a picture window; shows the error and opens
    // nothing when it cannot be read.
    void openPicture(const QString &path);
    // The active document window when it shows a picture, else null.
    WbmpPictureWindow *activePicture() const;
    QList<WbmpPictureWindow *> pictureWindows() const;
    // Tools > Convert Picture to WBMP: converts, saves where the user says
    // and opens the result in a picture window.
    void ToolsConvertPictureExecute();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void createActions();
    void createMenus();
    void createToolBar();
    void connectCommands();
    void runFindDialog();
    void mergeChildMenus();
    // Another document window became active, or the active one closed:
    // menus, status and command states follow the (new) active window.
    void childActivated(QMdiSubWindow *window);
    QList<QMdiSubWindow *> openFrames(QMdiArea::WindowOrder order) const;
    void runCommand(const std::function<void()> &command);
    bool writeDocument(TMDIChild *target, const QString &path);
    // A path from the save dialog; asks before an existing file is
    // replaced. Empty when the user cancelled.
    QString askSavePath();
    // --- character sets (mainformencoding.cpp)
    void createEncodingMenus();
    void openDocument(const QString &name, const QByteArray &transportCharset);
    DecodeHints decodeHints(const QByteArray &transportCharset = QByteArray()) const;
    // The encoding target is to be saved in: its own, or UTF-8 when the
    // user agrees (the XML declaration is rewritten then). False when the
    // user refused and nothing may be written.
    bool chooseSaveEncoding(TMDIChild *target, TextEncoding *encoding);
    // Status panel 5: the active page's character set and line breaks.
    void showDocumentFormat();
    static DialogService::FileRequest usualOpenRequest();
    // --- phones (mainformdevices.cpp)
    void createDeviceMenu();
    void fillDeviceMenu();
    // The text of a compiled deck, decoded; throws TarnelError when the
    // file cannot be read or is no compiled deck.
    static QString compiledDeckText(const QString &path);
    // --- pictures (mainformpictures.cpp)
    void createPictureCommands();
    static bool isPictureFile(const QString &path);
    // The open frames of pages and pictures, in the order they were opened.
    QList<QMdiSubWindow *> documentAndPictureFrames() const;
    // The command states while a picture window is active.
    void updatePictureCommandState(const WbmpPictureWindow &picture);
    // --- conveniences (mainformcomforts.cpp)
    void createComfortMenus();
    void fillRecentMenu();
    // Puts a file just opened or saved first in the recent files.
    void rememberFile(const QString &path);
    // The folder the open and save dialogs start in.
    QString dialogFolder() const;
    void printActiveDocument();
    void tileDocuments(Qt::Orientation orientation);
    // Sizes and moves a new document window to lie inside the visible part
    // of the MDI area; waits for the first show when the area has none yet.
    void placeInSight(QMdiSubWindow *window);
    void placeWaitingWindows();
    void saveSettings();
    // --- serving to phones (mainformserve.cpp)
    void createServeMenu();
    // The open documents changed: the server sees them as they are now.
    void serveDocumentsChanged();

    std::unique_ptr<DialogService> m_dialogs;
    DialogService::FileRequest m_openDialog = usualOpenRequest();
    QHash<QString, QAction *> m_actions;
    QMdiArea *m_mdiArea = nullptr;
    StatusPanels *m_statusBar = nullptr;
    CollapsibleToolBar *m_toolBar = nullptr;
    QMenu *m_fileMenu = nullptr;
    QMenu *m_viewMenu = nullptr;
    QMenu *m_windowMenu = nullptr;
    QMenu *m_helpMenu = nullptr;
    QMenu *m_toolsMenu = nullptr;
    QMenu *m_languageMenu = nullptr;
    QMenu *m_encodingMenu = nullptr;
    QMenu *m_reopenMenu = nullptr;
    QMenu *m_deviceMenu = nullptr;
    std::unique_ptr<DeviceCatalog> m_deviceCatalog;
    QAction *m_statusBarItem = nullptr;
    QAction *m_lineNumbersItem = nullptr;
    QAction *m_problemsItem = nullptr;
    QAction *m_inspectorItem = nullptr;
    QMenu *m_recentMenu = nullptr;
    ServeController *m_serve = nullptr;
    RequestLogPanel *m_requestLog = nullptr;
    PlainTextBuffer m_edittemp;
    TfrmFIND *m_findDialog = nullptr;
    TfrmWAPHELP *m_helpWindow = nullptr;
    std::unique_ptr<QPrinter> m_printer;
    QPointer<QWidget> m_splash;
    FormStorage m_storage;
    bool m_settingsRestored = false;
    bool m_closing = false;
    TransferLimits m_transferLimits;
    // Removes its downloads as the window goes, after the document windows.
    std::unique_ptr<DownloadFolder> m_downloads;
    std::unique_ptr<PreviewFolders> m_previewFolders;
    QList<QPointer<QMdiSubWindow>> m_waitingForPlace;
};
