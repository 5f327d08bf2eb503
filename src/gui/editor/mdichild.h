#pragma once

#include "cardmodel/cardmodel.h"
#include "check/problemset.h"
#include "common/documentfile.h"
#include "common/formstorage.h"
#include "editor/tagcompletion.h"

#include <QHash>
#include <QStringList>
#include <QWidget>
#include <memory>

class CheckSession;
struct DeckSizeReport;
class CollapsibleToolBar;
class EditorPlace;
class CompletionList;
class LineNumberMargin;
class PreviewTab;
class ProblemList;
class ProblemMarks;
class QAction;
class QComboBox;
class QMenu;
class QSplitter;
class QTabWidget;
class TMainForm;
class WmlEditor;

// One open WML page inside the main window: the page control `pgMAIN` with
// the "WML" tab (toolbar and source editor `Memo1`), the hidden "WYSIWYG"
// tab and the "Preview" tab. It tracks the modified flag, asks before a
// changed page closes, and keeps the main window's document commands in step
// with the tab that is showing. Its Edit and Insert menus join the main
// window's menu bar while it is active.
class TMDIChild : public QWidget
{
    Q_OBJECT

public:
    enum View { ViewWml = 1, ViewWysiwyg = 2, ViewPreview = 3 };

    explicit TMDIChild(TMainForm &mainForm, QWidget *parent = nullptr);
    ~TMDIChild() override;

    WmlEditor *editor() const { return m_memo; }
    LineNumberMargin *lineNumbers() const { return m_lineNumbers; }
    QTabWidget *pages() const { return m_pages; }
    QMenu *editMenu() const { return m_editMenu; }
    QMenu *insertMenu() const { return m_insertMenu; }
    CollapsibleToolBar *wmlToolBar() const { return m_wmlToolBar; }
    // The window's own Insert commands (`ActionList1`), by name.
    QAction *insertAction(const QString &name) const { return m_insertActions.value(name); }
    CompletionList *completionList() const { return m_completion; }
    QComboBox *cardList() const { return m_cardList; }
    QComboBox *previewCardList() const;
    PreviewTab *preview() const { return m_preview; }

    QString caption() const { return windowTitle(); }
    void setCaption(const QString &caption) { setWindowTitle(caption); }
    const QString &documentPath() const { return m_documentPath; }
    // How questions name the page: its file, or its caption while it has none.
    QString displayName() const { return m_documentPath.isEmpty() ? caption() : m_documentPath; }
    void SetDocumentPath(const QString &path) { m_documentPath = path; }
    // The character set and line breaks the page is saved with: those it
    // was loaded with, until the user agrees to another set.
    const TextEncoding &encoding() const { return m_encoding; }
    void setEncoding(const TextEncoding &encoding) { m_encoding = encoding; }
    LineBreaks::Style lineBreaks() const { return m_lineBreaks; }
    void setLineBreaks(LineBreaks::Style style) { m_lineBreaks = style; }
    // Whether the user has answered to keep the page's Unicode set other
    // than UTF-8; asked once per loaded page.
    bool keepsEncoding() const { return m_keepsEncoding; }
    void setKeepsEncoding(bool keeps) { m_keepsEncoding = keeps; }

    // Puts a loaded text into the editor without counting it as a change.
    void loadText(const QString &text);

    bool isModified() const { return m_modified; }
    void SetModified(bool modified) { m_modified = modified; }
    // Has the main window recompute its command states; Save follows the
    // active document's modified flag, never this window's when another
    // one is active.
    void UpdateSaveCommand();
    // The close prompt; false when the user cancelled, or when the save
    // that was asked for did not happen.
    bool AskSaveChanges();
    // The close query of the window: the prompt, then the Save command's state.
    bool closeQuery();
    // Enables the Edit and Insert menus and this window's Insert commands
    // on the WML view, disables them on the others, and has the main window
    // recompute its command states.
    void EnableSourceCommands(int view);
    // Whether the WML tab is showing: only then may a command change the
    // source text.
    bool isSourceShowing() const;
    // Rewrites the "Changed" panel from the modified flag and the caret
    // panels from where the caret stands (active window only).
    void Memo1SelMove();

    // --- insertion (mdichildinsert.cpp)
    // Wraps the selection in opening and closing text; see TagInsertion.
    void InsertTagPair(const QString &opening, const QString &closing, bool newLine);
    void InsCardExecute();
    void InsBExecute(const QString &commandName);
    void InsParagraphExecute();
    void InsBRExecute();
    void InsNBExecute();
    void InsTableExecute();
    void InsLinkExecute();
    void InsButtonExecute();
    void InsImgExecute();
    void InsPrevExecute();
    void InsTemplateExecute();
    // Insert > Picture from File (mdichildpicture.cpp): converts a picture,
    // saves it as WBMP beside the page and inserts its <img> at the caret
    // as one undo step. Throws TarnelError.
    void InsPictureFromFileExecute();

    // --- completion and card lists (mdichildcompletion.cpp)
    // Opens the completion list for the text before the caret.
    void openCompletionList();
    // The value of key tag in the tag list file; shows "*** Error open
    // CHECK.INI ***" and gives an empty text when the file is missing.
    QString ReadTagAttributes(const QString &tag);
    void lv_1DblClick();
    void cancelCompletion();
    // The list lost the focus: it closes, and its space goes once the
    // click that took the focus has placed the caret.
    void completionFocusLost();
    // Fills `lstCARDS` and `lstCARDSS` with one entry per card of the text.
    void RefreshCardLists();

    // --- preview (mdichildpreview.cpp)
    // Rebuilds the card model from the source text. Throws TarnelError when
    // an image of the page cannot be read.
    void SplitCards();
    // The folder of the document: from its path, or from its caption when
    // it has none; empty for a page that never had a folder.
    QString documentFolder() const;
    // The folder of this window's preview pages and pictures: its own
    // sub-folder of the program's part of "temp", made on the first call.
    // Throws TarnelError when it cannot be made.
    QString pageFolder();
    // A link clicked in the preview: web pages go to the desktop's browser,
    // "#card" links show that card's page.
    void htmlLITEHotSpotClick(const QString &link, bool &handled);
    const CardModel &cardModel() const { return m_cardModel; }
    // Grows the window, within the MDI area, until the Preview shows the
    // whole phone of the chosen skin; never shrinks it.
    void fitPhone();
    // In the Phone mode of a shown Preview: runs the editor's text on the
    // page's phone (a fresh start, or a reload keeping the context).
    void openPhoneIfShown();
    // The address the phone gives the document: its file, the URL it came
    // from, or an unsaved document's place in its folder.
    QUrl phoneAddress();

    // --- checking (mdichildcheck.cpp)
    CheckSession *checkSession() const { return m_checks; }
    // The problems of the last check, as marked and listed.
    const ProblemSet &problems() const { return m_problems; }
    // The count for the status bar; empty until the first check is done.
    QString problemSummary() const { return m_problemsKnown ? m_problems.summary() : QString(); }
    ProblemList *problemList() const { return m_problemList; }
    // The compiled size found by the last check against the page's phone;
    // null until the first check is done.
    const DeckSizeReport *deckSize() const;
    // Checks the page again at once: its phone changed.
    void recheck();
    ProblemMarks *problemMarks() const { return m_problemMarks; }
    // Edit > Quick Fix (Ctrl+.).
    QAction *quickFixAction() const { return m_quickFixAction; }
    // Shows or hides the Problems list under the editor.
    void setProblemsShown(bool shown);
    bool problemsShown() const;
    // The fix of the problem at the caret; a menu of them when there are
    // several, a word in the status bar when there is none.
    void QuickFixExecute();
    // Makes fix's edits as one undo step and checks the page again.
    void applyFix(const QuickFix &fix);
    // Moves the caret to offset and gives the editor the focus.
    void goToProblem(int offset);

    // A compiled deck (.wmlc) shown as its decoded text: read-only until
    // the user saves it as a WML page.
    void showCompiledDeck(const QString &text);
    bool isCompiledView() const { return m_compiledView; }
    void leaveCompiledView();
    int lastView = ViewWml;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildPages();
    void buildMenus();
    void createInsertCommands();
    void connectInsertCommand(QAction *action);
    void createPictureCommand();
    bool Memo1KeyDown(int key, Qt::KeyboardModifiers modifiers);
    // Shows the completion list at the caret with entries and gives it the
    // focus; list records what opening it typed.
    void showCompletionList(const QStringList &entries, const TagCompletion::OpenList &list);
    // Hides the list and gives the focus back to the editor; what the list
    // typed is returned, and no longer the list's.
    TagCompletion::OpenList closeCompletionList();
    void Memo1Change();
    void Edit1Click();
    void dalsi1Click();
    void predchozi1Click();
    void selectNeighbourTab(int step);
    void pgMAINChange(int index);
    // Everything entering the Preview does; throws at the first failure.
    void showPreview();
    void saveSettings();
    // --- checking (mdichildcheck.cpp)
    void createChecking();
    void showProblems();
    // One menu item per fix of the problems at position.
    QList<QAction *> fixActions(int position, QObject *owner);
    void addFixesToMenu(QMenu *menu, int position);

    TMainForm &m_main;
    bool m_compiledView = false;
    QTabWidget *m_pages = nullptr;
    WmlEditor *m_memo = nullptr;
    LineNumberMargin *m_lineNumbers = nullptr;
    CollapsibleToolBar *m_wmlToolBar = nullptr;
    CollapsibleToolBar *m_wysiwygToolBar = nullptr;
    QMenu *m_editMenu = nullptr;
    QMenu *m_insertMenu = nullptr;
    QHash<QString, QAction *> m_insertActions;
    QWidget *m_tabWml = nullptr;
    CompletionList *m_completion = nullptr;
    TagCompletion::OpenList m_openList;
    bool m_listOpen = false;
    QComboBox *m_cardList = nullptr;
    PreviewTab *m_preview = nullptr;
    FormStorage m_storage;
    CardModel m_cardModel;
    QString m_documentPath;
    QString m_pageFolder;
    TextEncoding m_encoding;
    LineBreaks::Style m_lineBreaks = LineBreaks::Style::CrLf;
    bool m_keepsEncoding = false;
    bool m_modified = false;
    bool m_loading = false;
    // Where the user left the source when the Preview was entered.
    std::unique_ptr<EditorPlace> m_sourcePlace;
    QSplitter *m_wmlSplitter = nullptr;
    ProblemList *m_problemList = nullptr;
    ProblemMarks *m_problemMarks = nullptr;
    CheckSession *m_checks = nullptr;
    ProblemSet m_problems;
    bool m_problemsKnown = false;
    QAction *m_quickFixAction = nullptr;
};
