#include "guifixture.h"
#include "testregistry.h"

#include "app/collapsibletoolbar.h"
#include "common/inifile.h"

#include <QDir>
#include <QStandardPaths>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QToolButton>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusTipEvent>

namespace {
const QStringList documentCommands{"FileClose", "FileCloseAll", "FileSave", "FileSaveFtp", "FileSaveAs",
                                   "FileSaveAll", "FilePrint", "EditUndo", "EditFind", "EditReplace"};
// Opened unchanged: nothing to save or undo yet.
const QStringList openedCommands{"FileClose", "FileCloseAll", "FileSaveFtp", "FileSaveAs",
                                 "FileSaveAll", "FilePrint", "EditFind", "EditReplace"};
const QStringList alwaysOn{"FileNew", "FileNewFromTemplate", "FileOpen", "FileOpenURL", "FilePrintSetup", "FileExit"};

QStringList menuTitles(QMainWindow *window)
{
    QStringList titles;
    for (QAction *action : window->menuBar()->actions())
        titles << action->text();
    return titles;
}
} // namespace

// Start-up, the frame's menus and status bar, dropped files, settings and exit.
class MainFormTest : public QObject
{
    Q_OBJECT

private slots:
    void startsEmptyWithFileCommandsOnly()
    {
        GuiFixture f;
        QCOMPARE(f.main->windowTitle(), QStringLiteral("Orvane Tarnel"));
        QCOMPARE(f.enabledOf(documentCommands), QStringList());
        QCOMPARE(f.enabledOf(alwaysOn), alwaysOn);
        QCOMPARE(menuTitles(f.main.get()), (QStringList{"&File", "&View", "&Tools", "&Window", "&Help"}));
        QCOMPARE(f.main->statusPanels()->findChildren<QLabel *>().size(), 9);
        // No translation file lies beside the test program.
        QVERIFY(!f.main->languageMenu()->menuAction()->isEnabled());
    }

    void opensCommandLineFilesCreatingMissingOnes()
    {
        GuiFixture f;
        f.folder.write(QStringLiteral("work/a.wml"), "<wml>\r\n</wml>");
        const QString previous = QDir::currentPath();
        QDir::setCurrent(f.folder.file(QStringLiteral("work")));
        f.main->openCommandLineFiles({QStringLiteral("a.wml"), QStringLiteral("b.wml")});
        QDir::setCurrent(previous);

        const QString a = f.folder.file(QStringLiteral("work/a.wml"));
        const QString b = f.folder.file(QStringLiteral("work/b.wml"));
        QVERIFY(QFile::exists(b));
        QCOMPARE(QFileInfo(b).size(), 0);
        const QList<TMDIChild *> windows = f.main->documentWindows();
        QCOMPARE(windows.size(), 2);
        QCOMPARE(windows[0]->caption(), b);
        QCOMPARE(windows[0]->documentPath(), b);
        QCOMPARE(windows[1]->caption(), a);
        QCOMPARE(windows[1]->editor()->text(), QStringLiteral("<wml>\r\n</wml>"));
        QVERIFY(!windows[1]->isModified());
        QCOMPARE(f.enabledOf(documentCommands), openedCommands);
        QCOMPARE(menuTitles(f.main.get()), (QStringList{"&File", "&Edit", "&Insert", "&View", "&Tools", "&Window", "&Help"}));
    }

    void reportsACommandLineFileThatCannotBeCreated()
    {
        GuiFixture f;
        const QString path = f.folder.file(QStringLiteral("no/such/dir/x.wml"));
        f.main->openCommandLineFiles({path});
        QCOMPARE(f.dialogs->errors, QStringList{QStringLiteral("Cannot create file ") + path + QLatin1Char('.')});
        QCOMPARE(f.main->documentCount(), 0);
    }

    void opensDroppedFilesInOrder()
    {
        GuiFixture f;
        QList<QUrl> urls;
        for (const char *name : {"one.wml", "two.wml", "three.wml"})
            urls << QUrl::fromLocalFile(f.folder.write(QString::fromLatin1(name), name));
        QMimeData data;
        data.setUrls(urls);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.main.get(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(f.main.get(), &drop);
        const QList<TMDIChild *> windows = f.main->documentWindows();
        QCOMPARE(windows.size(), 3);
        QCOMPARE(QFileInfo(windows[0]->caption()).fileName(), QStringLiteral("three.wml"));
        QCOMPARE(windows[2]->editor()->text(), QStringLiteral("one.wml"));
        QCOMPARE(f.enabledOf(documentCommands), openedCommands);
    }

    void hintsReachPanelSixWhileTheBarIsHidden()
    {
        GuiFixture f;
        QStatusTipEvent tip(QStringLiteral("short|Long part"));
        QApplication::sendEvent(f.main.get(), &tip);
        QCOMPARE(f.panel(StatusPanels::HintPanel), QStringLiteral("Long part"));
        QAction *item = f.main->findChild<QAction *>(QStringLiteral("mmStatusBar"));
        item->trigger();
        QVERIFY(!f.main->statusPanels()->isVisible());
        QStatusTipEvent second(QStringLiteral("Open a WML file"));
        QApplication::sendEvent(f.main.get(), &second);
        item->trigger();
        QVERIFY(f.main->statusPanels()->isVisible());
        QCOMPARE(f.panel(StatusPanels::HintPanel), QStringLiteral("Open a WML file"));
        QCOMPARE(f.main->statusPanels()->statusTip(),
                 QStringLiteral("Line, Column, Position, Insert/Overwrite, CapsLock, NumLock, File path"));
    }

    void windowMenuFollowsTheDocumentCount()
    {
        GuiFixture f;
        QMenu *window = f.main->findChild<QMenu *>(QStringLiteral("Window1"));
        emit window->aboutToShow();
        QVERIFY(!f.action("WindowCascade1")->isEnabled());
        f.trigger("FileNew");
        f.trigger("FileNew");
        emit window->aboutToShow();
        QVERIFY(f.action("WindowTileVertical1")->isEnabled());
        f.trigger("WindowTileVertical1");
        const QList<QMdiSubWindow *> windows = f.main->mdiArea()->subWindowList();
        QCOMPARE(windows[0]->geometry().top(), windows[1]->geometry().top());
        QVERIFY(windows[0]->geometry().right() < windows[1]->geometry().left());
        f.trigger("WindowTileHorizontal1");
        QCOMPARE(windows[0]->geometry().left(), windows[1]->geometry().left());
    }

    void toolbarStateAndPlacementAreKept()
    {
        GuiFixture f;
        f.main->mainToolBar()->grip()->click();
        QVERIFY(!f.main->mainToolBar()->isMaximized());
        f.main->setGeometry(100, 80, 640, 480);
        f.main->close();
        const IniFile ini = IniFile::load(f.folder.file(QStringLiteral("tarnel.ini")));
        QCOMPARE(ini.value(QStringLiteral("TMainForm"), QStringLiteral("tlacitkaMAIN_Maximized")), QStringLiteral("False"));
        QVERIFY(ini.contains(QStringLiteral("TMainForm"), QStringLiteral("NormPos")));

        f.main.reset();
        f.start();
        QVERIFY(!f.main->mainToolBar()->isMaximized());
        QCOMPARE(f.main->geometry().size(), QSize(640, 480));
    }

    void settingsGoToTheUserWhenTheProgramFolderRefusesThem()
    {
        GuiFixture f;
        const QString userIni = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                              + QStringLiteral("/tarnel/tarnel.ini");
        QFile::remove(userIni);
        if (!f.folder.makeUnwritable(f.folder.path()))
            QSKIP("this machine cannot make a folder unwritable");
        QVERIFY(f.main->close());
        QCOMPARE(f.dialogs->errors, QStringList());
        QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("tarnel.ini"))));
        QVERIFY(IniFile::load(userIni).hasSection(QStringLiteral("TMainForm")));
        QFile::remove(userIni);
    }

    void settingsThatCannotBeWrittenAreReported()
    {
        GuiFixture f;
        const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                                 + QStringLiteral("/tarnel");
        QDir().mkpath(userFolder);
        QFile::remove(userFolder + QStringLiteral("/tarnel.ini"));
        // Neither beside the program nor in the user's folder.
        if (!f.folder.makeUnwritable(f.folder.path()) || !f.folder.makeUnwritable(userFolder))
            QSKIP("this machine cannot make a folder unwritable");
        QVERIFY(f.main->close());
        QCOMPARE(f.dialogs->errors,
                 QStringList{QStringLiteral("Unable to write to ") + userFolder + QStringLiteral("/tarnel.ini.")});
    }

    void exitAsksTheActiveDocumentFirst()
    {
        GuiFixture f;
        const QString a = f.folder.write(QStringLiteral("a.wml"), "a");
        const QString b = f.folder.write(QStringLiteral("b.wml"), "b");
        f.open(a);
        f.type(QStringLiteral("1"));
        f.open(b);
        f.type(QStringLiteral("2"));

        f.dialogs->answers = {DialogService::Answer::Cancel};
        QVERIFY(!f.main->close());
        QCOMPARE(f.dialogs->questions, QStringList{QStringLiteral("File ") + b + QStringLiteral(" is changed.\rSave?")});
        QCOMPARE(f.main->documentCount(), 2);
        QVERIFY(f.main->documentWindows()[0]->isModified() && f.main->documentWindows()[1]->isModified());

        // Yes saves the document it was asked for, also when it is not the active one.
        f.dialogs->questions.clear();
        f.dialogs->answers = {DialogService::Answer::No, DialogService::Answer::Yes};
        QVERIFY(f.main->close());
        QCOMPARE(f.dialogs->questions.size(), 2);
        QVERIFY(f.dialogs->questions[1].contains(a));
        QCOMPARE(ProgramFolderFixture::read(a), QByteArray("1a"));
        QCOMPARE(ProgramFolderFixture::read(b), QByteArray("b"));
    }

    void exitClearsOnlyThisProgramsPreviewFiles_data()
    {
        QTest::addColumn<bool>("otherCopy");
        QTest::newRow("the only copy") << false;
        QTest::newRow("another copy still running") << true;
    }
    void exitClearsOnlyThisProgramsPreviewFiles()
    {
        QFETCH(bool, otherCopy);
        GuiFixture f;
        const QString theirs = QStringLiteral("temp/1-AbCdEf/1/main.htm");
        if (otherCopy)
            f.folder.write(theirs, "another copy's page");
        f.open(f.folder.write(QStringLiteral("site/page.wml"),
                              "<wml><card id=\"main\"><p>x</p></card><card id=\"pics\">"
                              "<img src=\"pics/a.wbmp\"/></card></wml>"));
        f.folder.write(QStringLiteral("site/pics/a.wbmp"), QByteArray::fromHex("0000080155"));
        f.active()->pages()->setCurrentIndex(2);
        QCOMPARE(f.dialogs->errors, QStringList());
        const QString pages = f.active()->pageFolder();
        QVERIFY(QFile::exists(pages + QStringLiteral("/pics/a.bmp")));
        const QString run = QFileInfo(pages).path();
        QCOMPARE(QFileInfo(run).path(), f.folder.file(QStringLiteral("temp")));
        f.main->close();
        f.main.reset();
        QVERIFY(!QFileInfo::exists(run));
        QCOMPARE(QFileInfo::exists(f.folder.file(theirs)), otherCopy);
        QCOMPARE(QFileInfo::exists(f.folder.file(QStringLiteral("temp"))), otherCopy);
    }
};

TARNEL_TEST(MainFormTest)
#include "mainformtest.moc"
