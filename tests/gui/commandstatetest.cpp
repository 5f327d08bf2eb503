#include "guifixture.h"
#include "testregistry.h"

#include "common/inifile.h"
#include "common/programfolder.h"
#include "preview/htmlviewer.h"
#include "preview/previewtab.h"

#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTabWidget>

namespace {

const QStringList documentCommands{"FileClose",   "FileCloseAll", "FileSave",  "FileSaveFtp",
                                   "FileSaveAs",  "FileSaveAll",  "FilePrint", "EditUndo",
                                   "EditRedo",    "EditFind",     "EditReplace"};

// LF line breaks: any rewrite of the file would turn them into CR LF.
const QByteArray untouched = "<wml>\n<card id=\"b\"><p>b</p></card>\n</wml>\n";

enum class CloseBy { Command, CtrlF4, CtrlW, CloseBox, CloseAll };

QMdiSubWindow *frameOf(TMDIChild *child)
{
    return qobject_cast<QMdiSubWindow *>(child->parentWidget());
}

void clickCloseBox(QMdiSubWindow *frame)
{
    QStyleOptionTitleBar option;
    option.initFrom(frame);
    option.subControls = QStyle::SC_All;
    option.titleBarFlags = frame->windowFlags();
    option.titleBarState = frame->windowState();
    option.rect = QRect(0, 0, frame->width(), frame->style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, frame));
    const QRect box = frame->style()->subControlRect(QStyle::CC_TitleBar, &option, QStyle::SC_TitleBarCloseButton, frame);
    QVERIFY(box.isValid());
    // The frame picks the button under the pointer as the pointer moves
    // (QTest::mouseMove sends nothing when the pointer is already there).
    QMouseEvent move(QEvent::MouseMove, box.center(), frame->mapToGlobal(box.center()), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(frame, &move);
    QTest::mouseClick(frame, Qt::LeftButton, Qt::NoModifier, box.center());
}

void closeActive(GuiFixture &f, CloseBy how)
{
    TMDIChild *child = f.active();
    switch (how) {
    case CloseBy::Command:
        f.trigger("FileClose");
        break;
    case CloseBy::CtrlF4:
        QTest::keyClick(child->editor(), Qt::Key_F4, Qt::ControlModifier);
        break;
    case CloseBy::CtrlW:
        QTest::keyClick(child->editor(), Qt::Key_W, Qt::ControlModifier);
        break;
    case CloseBy::CloseBox:
        clickCloseBox(frameOf(child));
        break;
    case CloseBy::CloseAll:
        f.trigger("FileCloseAll");
        break;
    }
}

// An unchanged file shown on its Preview tab, and a changed new page above it.
struct TwoWindows : GuiFixture
{
    QString kept;
    TMDIChild *preview = nullptr;
    TMDIChild *changed = nullptr;

    TwoWindows()
    {
        kept = folder.write(QStringLiteral("kept.wml"), untouched);
        open(kept);
        preview = active();
        preview->pages()->setCurrentIndex(2);
        trigger("FileNew");
        changed = active();
        type(QStringLiteral("changed"));
    }

    // Ctrl+S on the preview, as a user who believes Save is on offer.
    void pressSaveOnPreview() const
    {
        preview->preview()->viewer()->setFocus();
        QTest::keyClick(preview->preview()->viewer(), Qt::Key_S, Qt::ControlModifier);
    }
};

} // namespace

Q_DECLARE_METATYPE(CloseBy)

// The document commands follow the active window at every moment: when
// another window becomes active, when one closes by any path, when its text
// changes. Closing takes one path whatever starts it.
class CommandStateTest : public QObject
{
    Q_OBJECT

private slots:
    void closePaths_data()
    {
        QTest::addColumn<CloseBy>("how");
        QTest::newRow("Close command") << CloseBy::Command;
        QTest::newRow("Ctrl+F4") << CloseBy::CtrlF4;
        QTest::newRow("Ctrl+W") << CloseBy::CtrlW;
        QTest::newRow("close box") << CloseBy::CloseBox;
    }

    // Closing the changed page with No must not leave Save on for the next one.
    void closePaths()
    {
        QFETCH(CloseBy, how);
        TwoWindows f;
        f.dialogs->answers = {DialogService::Answer::No};
        closeActive(f, how);
        QCOMPARE(f.dialogs->questions, QStringList{QStringLiteral("File Noname2 is changed.\rSave?")});
        QCOMPARE(f.main->documentCount(), 1);
        QCOMPARE(f.active(), f.preview);
        QCOMPARE(f.enabledOf(documentCommands), QStringList());
        f.pressSaveOnPreview();
        QCOMPARE(ProgramFolderFixture::read(f.kept), untouched);
        QVERIFY(f.dialogs->fileRequests.isEmpty());
    }

    void lastWindowClosedByAnyPath_data()
    {
        closePaths_data();
        QTest::newRow("Close All") << CloseBy::CloseAll;
    }

    // Cancel keeps the page; No closes it, writes the window's settings and
    // leaves no document command on.
    void lastWindowClosedByAnyPath()
    {
        QFETCH(CloseBy, how);
        GuiFixture f;
        f.trigger("FileNew");
        f.type(QStringLiteral("changed"));
        f.dialogs->answers = {DialogService::Answer::Cancel};
        closeActive(f, how);
        QCOMPARE(f.dialogs->questions.size(), 1);
        QCOMPARE(f.main->documentCount(), 1);
        QVERIFY(f.active()->isModified());
        QVERIFY(f.action("FileSave")->isEnabled());

        f.dialogs->answers = {DialogService::Answer::No};
        closeActive(f, how);
        QCOMPARE(f.dialogs->questions.size(), 2);
        QCOMPARE(f.main->documentCount(), 0);
        QCOMPARE(f.enabledOf(documentCommands), QStringList());
        QTest::qWait(0);
        QVERIFY(f.main->mdiArea()->subWindowList().isEmpty());
        QVERIFY(IniFile::load(ProgramFolder::settingsFile())
                    .contains(QStringLiteral("TMDIChild"), QStringLiteral("tlacitkaWML_Maximized")));
    }

    void activatingAnotherWindowTakesItsStates()
    {
        TwoWindows f;
        QVERIFY(f.action("FileSave")->isEnabled());
        f.main->mdiArea()->setActiveSubWindow(frameOf(f.preview));
        QCOMPARE(f.enabledOf(documentCommands), QStringList());
        f.pressSaveOnPreview();
        QCOMPARE(ProgramFolderFixture::read(f.kept), untouched);
        f.main->mdiArea()->setActiveSubWindow(frameOf(f.changed));
        QVERIFY(f.action("FileSave")->isEnabled());
        QVERIFY(f.action("EditUndo")->isEnabled());
    }

    void cancelledExitKeepsTheActiveWindowsStates()
    {
        TwoWindows f;
        f.main->mdiArea()->setActiveSubWindow(frameOf(f.preview));
        f.dialogs->answers = {DialogService::Answer::Cancel};
        f.trigger("FileExit");
        QVERIFY(f.main->isVisible());
        QCOMPARE(f.dialogs->questions.size(), 1);
        QCOMPARE(f.enabledOf(documentCommands), QStringList());
    }

    void undoFollowsTheHistoryAfterTheEditMenuOpened()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("u.wml"), "abc"));
        QVERIFY(!f.action("EditUndo")->isEnabled());
        emit f.active()->editMenu()->aboutToShow();
        QVERIFY(!f.action("EditUndo")->isEnabled());
        f.type(QStringLiteral("z"));
        QVERIFY(f.action("EditUndo")->isEnabled());
        QVERIFY(!f.action("EditRedo")->isEnabled());
        QTest::keyClick(f.active()->editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.active()->editor()->text(), QStringLiteral("abc"));
        QVERIFY(!f.action("EditUndo")->isEnabled());
        QVERIFY(f.action("EditRedo")->isEnabled());
        QVERIFY(!f.action("FileSave")->isEnabled() || f.active()->isModified());
    }
};

TARNEL_TEST(CommandStateTest)
#include "commandstatetest.moc"
