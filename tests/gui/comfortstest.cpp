#include "guifixture.h"
#include "testregistry.h"

#include "common/editorsettings.h"
#include "common/filehistory.h"
#include "common/programfolder.h"
#include "common/usersettings.h"
#include "editor/linenumbermargin.h"

#include <QMenu>
#include <QSettings>

namespace {

QStringList recentItems(TMainForm &main)
{
    QMenu *menu = main.recentMenu();
    emit menu->aboutToShow();
    QStringList texts;
    for (QAction *item : menu->actions())
        texts << item->text();
    return texts;
}

long marginWidth(TMDIChild *child)
{
    return child->editor()->SendScintilla(QsciScintilla::SCI_GETMARGINWIDTHN, 0);
}

} // namespace

// The recent files of the File menu, where file dialogs start, and the
// line numbers of the source editor.
class ComfortsTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        UserSettings::open()->remove(QStringLiteral("Files"));
        EditorSettings::setLineNumbers(true);
    }
    void cleanup() { init(); }

    void recentFilesListTheLastTenNewestFirst()
    {
        GuiFixture f;
        QVERIFY(!f.main->recentMenu()->menuAction()->isEnabled());
        QStringList paths;
        for (int i = 1; i <= 12; ++i)
            paths << f.folder.write(QStringLiteral("r%1.wml").arg(i), "<wml/>");
        for (const QString &path : paths)
            f.open(path);
        // Opening one again moves it to the top instead of listing it twice.
        f.open(paths[5]);
        const QStringList items = recentItems(*f.main);
        QCOMPARE(items.size(), 10);
        QCOMPARE(items[0], QStringLiteral("&1 ") + paths[5]);
        QCOMPARE(items[1], QStringLiteral("&2 ") + paths[11]);
        QCOMPARE(items[9], QStringLiteral("1&0 ") + paths[2]);
        QCOMPARE(items.filter(QStringLiteral("r6.wml")).size(), 1);

        // Kept for the user: the next run lists them too, and an item opens its file.
        f.main->close();
        f.main.reset();
        f.start();
        QCOMPARE(recentItems(*f.main), items);
        f.main->recentMenu()->actions().at(1)->trigger();
        QCOMPARE(f.active()->documentPath(), paths[11]);
        QVERIFY(f.action("FileClose")->isEnabled());
    }

    void savedFilesJoinTheListAndMissingOnesAreDroppedWithAMessage()
    {
        GuiFixture f;
        const QString gone = f.folder.write(QStringLiteral("gone.wml"), "<wml/>");
        f.open(gone);
        f.trigger("FileNew");
        const QString saved = f.folder.file(QStringLiteral("saved.wml"));
        f.dialogs->saveNames = {saved};
        f.trigger("FileSaveAs");
        QCOMPARE(recentItems(*f.main), (QStringList{"&1 " + saved, "&2 " + gone}));

        QFile::remove(gone);
        const int windows = f.main->documentCount();
        f.main->recentMenu()->actions().at(1)->trigger();
        QCOMPARE(f.main->documentCount(), windows);
        QCOMPARE(f.dialogs->messages.size(), 1);
        QVERIFY(f.dialogs->messages[0].startsWith(gone));
        QCOMPARE(recentItems(*f.main), QStringList{"&1 " + saved});
        QCOMPARE(FileHistory::recentFiles(), QStringList{saved});
    }

    void fileDialogsStartInTheActivePagesFolderElseTheLastOneUsed()
    {
        GuiFixture f;
        const QString home = QDir::homePath();
        f.trigger("FileOpen");
        QCOMPARE(f.dialogs->fileRequests.last().initialFolder, home);

        const QString page = f.folder.write(QStringLiteral("site/deck.wml"), "<wml/>");
        f.dialogs->openNames = {page};
        f.trigger("FileOpen");
        f.trigger("FileNew");
        // A new page has no folder: the last one used stands in.
        f.trigger("FileSaveAs");
        QCOMPARE(f.dialogs->fileRequests.last().initialFolder, f.folder.file(QStringLiteral("site")));

        const QString other = f.folder.write(QStringLiteral("other/x.wml"), "<wml/>");
        f.open(other);
        f.trigger("FileOpen");
        QCOMPARE(f.dialogs->fileRequests.last().initialFolder, f.folder.file(QStringLiteral("other")));
        QVERIFY(f.dialogs->fileRequests.last().initialFolder != ProgramFolder::dataFolder());
    }

    void lineNumbersShowUntilTheUserHidesThem()
    {
        GuiFixture f;
        f.trigger("FileNew");
        TMDIChild *first = f.active();
        QAction *item = f.main->findChild<QAction *>(QStringLiteral("mmLineNumbers"));
        QVERIFY(item && item->isChecked());
        const long narrow = marginWidth(first);
        QVERIFY(narrow > 0);
        // The text starts right of the numbers.
        QVERIFY(first->editor()->SendScintilla(QsciScintilla::SCI_POINTXFROMPOSITION, 0, 0L) >= narrow);
        // Five-digit line numbers need a wider margin.
        first->editor()->setText(QString(12000, QLatin1Char('\n')));
        QTRY_VERIFY(marginWidth(first) > narrow);

        f.trigger("FileNew");
        item->trigger();
        QVERIFY(!item->isChecked());
        for (TMDIChild *child : f.main->documentWindows())
            QCOMPARE(marginWidth(child), 0L);
        f.trigger("FileNew");
        QCOMPARE(marginWidth(f.active()), 0L);

        // The choice outlives the run.
        f.main->close();
        f.main.reset();
        f.start();
        f.trigger("FileNew");
        QCOMPARE(marginWidth(f.active()), 0L);
        QVERIFY(!f.main->findChild<QAction *>(QStringLiteral("mmLineNumbers"))->isChecked());
    }
};

TARNEL_TEST(ComfortsTest)
#include "comfortstest.moc"
