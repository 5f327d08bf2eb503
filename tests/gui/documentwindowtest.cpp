#include "guifixture.h"
#include "testregistry.h"

#include "common/newpage.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QTabWidget>

namespace {
const QStringList closeCommands{"FileClose", "FileCloseAll", "FileSave", "FileSaveFtp", "FileSaveAs",
                                "FileSaveAll", "FilePrint", "EditUndo", "EditFind", "EditReplace"};
const QStringList tabCommands{"FileClose", "FileCloseAll", "FileSave", "FileSaveAs", "FileSaveAll",
                              "FilePrint", "EditUndo", "EditRedo", "EditFind", "EditReplace"};
} // namespace

// New, open, save, close and the document window's own rules.
class DocumentWindowTest : public QObject
{
    Q_OBJECT

private slots:
    // A new page is numbered by the document count, but never takes a
    // name another window already shows.
    void newPagesAreNumberedByTheDocumentCountAndStayUnique()
    {
        GuiFixture f;
        f.trigger("FileNew");
        QCOMPARE(f.active()->caption(), QStringLiteral("Noname1"));
        QVERIFY(f.active()->documentPath().isEmpty());
        QVERIFY(f.active()->editor()->text().contains(NewPage::creationComment()));
        QVERIFY(!f.active()->isModified());
        f.trigger("FileNew");
        f.main->mdiArea()->activateNextSubWindow(); // Noname1
        QCOMPARE(f.active()->caption(), QStringLiteral("Noname1"));
        f.trigger("FileClose");
        QTest::qWait(0);
        f.trigger("FileNew");
        QCOMPARE(f.active()->caption(), QStringLiteral("Noname3"));
        QCOMPARE(f.main->documentCount(), 2);
        QStringList captions = f.main->documentCaptions();
        captions.sort();
        QCOMPARE(captions, (QStringList{"Noname2", "Noname3"}));
    }

    // The close question names the page: its file once it has one, its
    // caption before.
    void closeQuestionAlwaysNamesThePage_data()
    {
        QTest::addColumn<bool>("saveFirst");
        QTest::newRow("never saved") << false;
        QTest::newRow("saved once through the dialog") << true;
    }

    void closeQuestionAlwaysNamesThePage()
    {
        QFETCH(bool, saveFirst);
        GuiFixture f;
        f.trigger("FileNew");
        f.type(QStringLiteral("a"));
        QString expected = QStringLiteral("Noname1");
        if (saveFirst) {
            expected = f.folder.file(QStringLiteral("first.wml"));
            f.dialogs->saveNames = {expected};
            f.trigger("FileSave");
            QVERIFY(!f.active()->isModified());
            f.type(QStringLiteral("b"));
        }
        f.dialogs->answers = {DialogService::Answer::Cancel};
        f.trigger("FileClose");
        QCOMPARE(f.dialogs->questions, QStringList{QStringLiteral("File ") + expected + QStringLiteral(" is changed.\rSave?")});
    }

    void blankTemplateInCapitalsGetsTheComment()
    {
        GuiFixture f;
        f.folder.write(QStringLiteral("data/new.tem"), "<?xml version=\"1.0\"?>\r\n<WML>\r\n<CARD/>\r\n</WML>");
        f.trigger("FileNew");
        QCOMPARE(f.active()->editor()->text(), QStringLiteral("<?xml version=\"1.0\"?>\r\n")
                                                   + NewPage::creationComment()
                                                   + QStringLiteral("\r\n<CARD/>\r\n</WML>"));
    }

    void missingBlankTemplateIsReported()
    {
        GuiFixture f;
        const QString blank = f.folder.file(QStringLiteral("data/new.tem"));
        QFile::remove(blank);
        f.trigger("FileNew");
        QCOMPARE(f.dialogs->errors, QStringList{QStringLiteral("Cannot open file ") + blank + "."});
        QCOMPARE(f.active()->caption(), QStringLiteral("Noname1"));
        QCOMPARE(f.active()->editor()->text(), QString());
        QVERIFY(!f.active()->isModified());
    }

    void newFromTemplateGivesTheTemplateExactly()
    {
        GuiFixture f;
        const QString chosen = f.folder.write(QStringLiteral("data/menu.tem"), "<wml>\n<card id=\"m\"/>\n</wml>\n");
        f.dialogs->openNames = {chosen};
        f.trigger("FileNewFromTemplate");
        QCOMPARE(f.dialogs->fileRequests[0].filter, QStringLiteral("Template files (*.tem)|*.tem"));
        QCOMPARE(f.dialogs->fileRequests[0].initialFolder, f.folder.file(QStringLiteral("data")));
        QCOMPARE(f.active()->editor()->text(), QStringLiteral("<wml>\r\n<card id=\"m\"/>\r\n</wml>\r\n"));
        QVERIFY(f.main->edittemp().text().isEmpty());
        // The next Open uses the usual filter again.
        f.trigger("FileOpen");
        QCOMPARE(f.dialogs->fileRequests[1].filter, QStringLiteral("WML files (*.wml)|*.wml|Compiled WML files (*.wmlc)|*.wmlc|All files (*.*)|*.*"));
    }

    void typingMarksTheDocumentAndSavingClearsIt()
    {
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("page.wml"), "<wml>\r\n</wml>\r\n");
        f.open(path);
        QCOMPARE(f.panel(StatusPanels::ChangedPanel), QString());
        f.type(QStringLiteral("x"));
        QVERIFY(f.active()->isModified());
        QCOMPARE(f.panel(StatusPanels::ChangedPanel), QStringLiteral("Changed"));
        QVERIFY(f.action("FileSave")->isEnabled());

        QTest::keyClick(f.active()->editor(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("x<wml>\r\n</wml>\r\n"));
        QVERIFY(!f.active()->isModified());
        QVERIFY(!f.action("FileSave")->isEnabled());
        QCOMPARE(f.panel(StatusPanels::ChangedPanel), QString());
        QVERIFY(f.dialogs->fileRequests.isEmpty());
    }

    void undoAndRedoThroughTheirCommands()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("u.wml"), "abc"));
        f.type(QStringLiteral("z"));
        QTest::keyClick(f.active()->editor(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(f.active()->editor()->text(), QStringLiteral("abc"));
        f.trigger("EditRedo");
        QCOMPARE(f.active()->editor()->text(), QStringLiteral("zabc"));
        emit f.active()->editMenu()->aboutToShow();
        QVERIFY(f.action("EditUndo")->isEnabled());
        f.trigger("EditUndo");
        emit f.active()->editMenu()->aboutToShow();
        QVERIFY(!f.action("EditUndo")->isEnabled());
    }

    void newPageIsSavedWhereTheUserChose()
    {
        GuiFixture f;
        f.trigger("FileNew");
        f.type(QStringLiteral("a"));
        const QString target = f.folder.file(QStringLiteral("chosen.wml"));
        f.dialogs->saveNames = {target};
        f.trigger("FileSave");
        QCOMPARE(f.dialogs->fileRequests.size(), 1);
        QCOMPARE(f.dialogs->fileRequests[0].filter, QStringLiteral("WML files (*.wml)|*.wml"));
        QVERIFY(ProgramFolderFixture::read(target).startsWith("a<?xml"));
        QCOMPARE(f.active()->caption(), QStringLiteral("Noname1"));
        f.type(QStringLiteral("b"));
        f.trigger("FileSave");
        QCOMPARE(f.dialogs->fileRequests.size(), 1);
        QVERIFY(ProgramFolderFixture::read(target).startsWith("ab<?xml"));
    }

    void cancelledSaveDialogWritesNothing()
    {
        GuiFixture f;
        f.trigger("FileNew");
        f.type(QStringLiteral("a"));
        f.trigger("FileSave");
        QVERIFY(f.active()->isModified());
        QVERIFY(f.active()->documentPath().isEmpty());
    }

    void saveAsRenamesTheWindow()
    {
        GuiFixture f;
        const QString original = f.folder.write(QStringLiteral("orig.wml"), "text");
        f.open(original);
        f.type(QStringLiteral("1"));
        const QString copy = f.folder.file(QStringLiteral("copy.wml"));
        f.dialogs->saveNames = {copy};
        f.trigger("FileSaveAs");
        QCOMPARE(f.active()->caption(), QStringLiteral("copy.wml"));
        QCOMPARE(f.active()->documentPath(), copy);
        f.type(QStringLiteral("2"));
        f.trigger("FileSave");
        QCOMPARE(ProgramFolderFixture::read(copy), QByteArray("12text"));
        QCOMPARE(ProgramFolderFixture::read(original), QByteArray("text"));
    }

    void failedSaveKeepsTheFileAndTheFlag()
    {
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("ro/page.wml"), "old");
        f.open(path);
        f.type(QStringLiteral("new "));
        if (!f.folder.makeUnwritable(QFileInfo(path).path()))
            QSKIP("this machine cannot make a folder unwritable");
        f.trigger("FileSave");
        QCOMPARE(f.dialogs->errors, QStringList{QStringLiteral("Cannot create file ") + path + "."});
        QVERIFY(f.active()->isModified());
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("old"));
        // The close question's Yes does not lose the page either.
        f.dialogs->answers = {DialogService::Answer::Yes};
        f.trigger("FileClose");
        QCOMPARE(f.main->documentCount(), 1);
    }

    void charactersTheEncodingCannotHoldAreNotLost()
    {
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("latin.wml"), "caf\xE9");
        f.open(path);
        f.active()->editor()->setCaret(4);
        f.active()->editor()->replaceSelection(QStringLiteral("\u010D"));
        f.dialogs->answers = {DialogService::Answer::No};
        f.trigger("FileSave");
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("caf\xE9"));
        QVERIFY(f.active()->isModified());
        f.dialogs->answers = {DialogService::Answer::Yes};
        f.trigger("FileSave");
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("caf\xC3\xA9\xC4\x8D"));
        QVERIFY(!f.active()->isModified());
    }

    void closeAsksAndCancelKeepsEverything()
    {
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("c.wml"), "c");
        f.open(path);
        f.type(QStringLiteral("x"));
        f.trigger("FileClose");
        QCOMPARE(f.dialogs->questions, QStringList{QStringLiteral("File ") + path + QStringLiteral(" is changed.\rSave?")});
        QCOMPARE(f.main->documentCount(), 1);
        QCOMPARE(f.enabledOf(closeCommands), closeCommands);
        f.dialogs->answers = {DialogService::Answer::No};
        f.trigger("FileClose");
        QTest::qWait(0);
        QCOMPARE(f.main->documentCount(), 0);
        QCOMPARE(f.enabledOf(closeCommands), QStringList());
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("c"));
    }

    void unchangedNewPageClosesWithoutAsking()
    {
        GuiFixture f;
        f.trigger("FileNew");
        f.trigger("FileClose");
        QVERIFY(f.dialogs->questions.isEmpty());
        QTest::qWait(0);
        QCOMPARE(f.main->documentCount(), 0);
    }

    void closeAllStopsAtACancel()
    {
        GuiFixture f;
        f.trigger("FileNew");
        f.trigger("FileNew");
        f.type(QStringLiteral("changed"));
        f.trigger("FileNew");
        f.trigger("FileCloseAll");
        QCOMPARE(f.dialogs->questions, QStringList{QStringLiteral("File Noname2 is changed.\rSave?")});
        QTest::qWait(0);
        QCOMPARE(f.main->documentCount(), 2);
        QStringList captions;
        for (TMDIChild *child : f.main->documentWindows())
            captions << child->caption();
        captions.sort();
        QCOMPARE(captions, (QStringList{"Noname1", "Noname2"}));
        QVERIFY(f.action("FileCloseAll")->isEnabled());
    }

    void tabSwitchesFollowTheKeys()
    {
        GuiFixture f;
        f.trigger("FileNew");
        TMDIChild *child = f.active();
        QTest::keyClick(child->editor(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(child->pages()->currentWidget()->objectName(), QStringLiteral("tabPREVIEW"));
        QCOMPARE(f.enabledOf(tabCommands), QStringList());
        QVERIFY(!child->editMenu()->isEnabled() && !child->insertMenu()->isEnabled());
        QTest::keyClick(child->pages()->currentWidget(), Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(child->pages()->currentWidget()->objectName(), QStringLiteral("tabWML"));
        // A new page with nothing to undo: Undo and Redo stay off.
        QCOMPARE(f.enabledOf(tabCommands), (QStringList{"FileClose", "FileCloseAll", "FileSave", "FileSaveAs",
                                                        "FileSaveAll", "FilePrint", "EditFind", "EditReplace"}));
        QVERIFY(child->editMenu()->isEnabled());
        QTest::keyClick(child->editor(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(child->pages()->currentWidget()->objectName(), QStringLiteral("tabPREVIEW"));
    }
};

TARNEL_TEST(DocumentWindowTest)
#include "documentwindowtest.moc"
