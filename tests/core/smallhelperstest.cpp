#include "programfolderfixture.h"
#include "testregistry.h"

#include "common/commandlinefiles.h"
#include "common/newpage.h"
#include "common/tarnelerror.h"
#include "common/foldertree.h"
#include "common/previewfolders.h"
#include "common/tilelayout.h"
#include "common/words.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>

// Word helpers, new-page names, the temp folder, tiling and start-up paths.
class SmallHelpersTest : public QObject
{
    Q_OBJECT

private slots:
    void wordsIgnoreRunsAndEnds_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("delimiters");
        QTest::addColumn<QStringList>("words");
        QTest::newRow("runs") << "||id=\"\"||title=\"\"#" << "|" << QStringList{"id=\"\"", "title=\"\"#"};
        QTest::newRow("two delimiters") << "a^b;;c" << "^;" << QStringList{"a", "b", "c"};
        QTest::newRow("only delimiters") << "____" << "_" << QStringList{};
        QTest::newRow("none") << "word" << "_" << QStringList{"word"};
    }
    void wordsIgnoreRunsAndEnds()
    {
        QFETCH(QString, text);
        QFETCH(QString, delimiters);
        QFETCH(QStringList, words);
        QCOMPARE(Words::split(text, delimiters), words);
        QCOMPARE(Words::count(text, delimiters), int(words.size()));
        QCOMPARE(Words::at(text, 1, delimiters), words.value(0));
        QCOMPARE(Words::at(text, int(words.size()) + 1, delimiters), QString());
    }

    void manyWordsAreAllCounted()
    {
        QStringList many;
        for (int i = 0; i < 600; ++i)
            many << QString::number(i);
        QCOMPARE(Words::count(many.join(QLatin1Char('|')), u"|"), 600);
        QCOMPARE(Words::at(many.join(QLatin1Char('|')), 300, u"|"), QStringLiteral("299"));
    }

    void trimsControlCharacters()
    {
        QCOMPARE(Words::trimmed(QStringLiteral("\t\r\n x y \x01")), QStringLiteral("x y"));
    }

    void newPagesReplaceTheFirstOpeningTag()
    {
        QVERIFY(NewPage::isNewPageName(QStringLiteral("noname12")));
        QVERIFY(!NewPage::isNewPageName(QStringLiteral("/home/noname.wml")));
        const QString page = NewPage::fromBlankTemplate(QStringLiteral("<?xml?>\r\n<WML>\r\n<card/>\r\n</WML><WML>"));
        QCOMPARE(page, QStringLiteral("<?xml?>\r\n<!-- created by Orvane Tarnel (") + NewPage::productAddress()
                           + QStringLiteral(") -->\r\n<wml>\r\n<card/>\r\n</WML><WML>"));
        QVERIFY(NewPage::fromBlankTemplate(QStringLiteral("<card/>")).startsWith(QStringLiteral("<!-- created")));
    }

    void previewFoldersAreOwnedByTheirProgramAndWindow()
    {
        ProgramFolderFixture folder;
        const QString temp = folder.file(QStringLiteral("temp"));
        PreviewFolders mine(temp);
        PreviewFolders theirs(temp);
        QCOMPARE(mine.runFolder(), QString());
        QVERIFY(!QFileInfo::exists(temp));
        const QString first = mine.newDocumentFolder();
        const QString second = mine.newDocumentFolder();
        const QString other = theirs.newDocumentFolder();
        QVERIFY(first != second);
        QCOMPARE(QFileInfo(first).path(), mine.runFolder());
        QCOMPARE(QFileInfo(second).path(), mine.runFolder());
        QCOMPARE(QFileInfo(mine.runFolder()).path(), QDir::cleanPath(temp));
        QVERIFY(theirs.runFolder() != mine.runFolder());
        QCOMPARE(QFileInfo(mine.runFolder()).permissions() & (QFile::ReadOther | QFile::WriteOther | QFile::ExeOther),
                 QFile::Permissions());
        for (const QString &pages : {first, second, other}) {
            folder.write(QDir(folder.path()).relativeFilePath(pages) + QStringLiteral("/main.htm"), "page");
            folder.write(QDir(folder.path()).relativeFilePath(pages) + QStringLiteral("/pics/.hidden/a.bmp"), "b");
        }

        // A window's folder goes with the window; folders not of this run stay.
        mine.release(second);
        QVERIFY(!QFileInfo::exists(second));
        mine.release(other);
        mine.release(temp);
        QVERIFY(QFileInfo::exists(other + QStringLiteral("/main.htm")));

        mine.ClearTempFolder();
        QVERIFY(!QFileInfo::exists(first));
        QVERIFY(QFileInfo::exists(other + QStringLiteral("/pics/.hidden/a.bmp")));
        theirs.ClearTempFolder();
        QVERIFY(!QFileInfo::exists(temp));
        theirs.ClearTempFolder(); // nothing there: no harm
    }

    void folderTreeRemovalStaysInsideTheTree()
    {
        ProgramFolderFixture folder;
        const QString outside = folder.write(QStringLiteral("keep/notes.txt"), "mine");
        folder.write(QStringLiteral("tree/a.htm"), "a");
        folder.write(QStringLiteral("tree/sub/deeper/b.bmp"), "b");
        folder.write(QStringLiteral("tree/.hidden"), "h");
        QVERIFY(QFile::link(folder.file(QStringLiteral("keep")), folder.file(QStringLiteral("tree/sub/linked"))));
        QVERIFY(QFile::link(outside, folder.file(QStringLiteral("tree/file-link"))));
        QVERIFY(FolderTree::remove(folder.file(QStringLiteral("tree"))));
        QVERIFY(!QFileInfo::exists(folder.file(QStringLiteral("tree"))));
        QCOMPARE(ProgramFolderFixture::read(outside), QByteArray("mine"));
        QVERIFY(FolderTree::remove(folder.file(QStringLiteral("tree")))); // already gone
        QVERIFY(FolderTree::remove(outside));
        QVERIFY(!QFileInfo::exists(outside));
    }

    void tilesFillTheArea()
    {
        const QList<QRect> sideBySide = TileLayout::tiles(QRect(0, 0, 100, 50), 3, Qt::Horizontal);
        QCOMPARE(sideBySide, (QList<QRect>{QRect(0, 0, 33, 50), QRect(33, 0, 33, 50), QRect(66, 0, 34, 50)}));
        const QList<QRect> stacked = TileLayout::tiles(QRect(0, 0, 100, 50), 2, Qt::Vertical);
        QCOMPARE(stacked, (QList<QRect>{QRect(0, 0, 100, 25), QRect(0, 25, 100, 25)}));
        QVERIFY(TileLayout::tiles(QRect(0, 0, 100, 50), 0, Qt::Vertical).isEmpty());
    }

    void commandLinePathsBecomeAbsolute()
    {
        QCOMPARE(CommandLineFiles::documentPath(QStringLiteral("a.wml"), QStringLiteral("/home/u")),
                 QStringLiteral("/home/u/a.wml"));
        QCOMPARE(CommandLineFiles::documentPath(QStringLiteral("../x/./b.wml"), QStringLiteral("/home/u")),
                 QStringLiteral("/home/x/b.wml"));
        QCOMPARE(CommandLineFiles::documentPath(QStringLiteral("/abs/c.wml"), QStringLiteral("/home/u")),
                 QStringLiteral("/abs/c.wml"));
    }

    void missingCommandLineFilesAreCreatedEmpty()
    {
        ProgramFolderFixture folder;
        const QString path = folder.file(QStringLiteral("new.wml"));
        CommandLineFiles::ensureExists(path);
        QVERIFY(QFile::exists(path));
        QCOMPARE(QFileInfo(path).size(), 0);
        folder.write(QStringLiteral("kept.wml"), "text");
        CommandLineFiles::ensureExists(folder.file(QStringLiteral("kept.wml")));
        QCOMPARE(ProgramFolderFixture::read(folder.file(QStringLiteral("kept.wml"))), QByteArray("text"));
        QVERIFY_THROWS_EXCEPTION(TarnelError,
                                 CommandLineFiles::ensureExists(folder.file(QStringLiteral("no/dir/x.wml"))));
    }

    void errorTextsEndInAFullStop_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "Cannot open file a.wml" << "Cannot open file a.wml.";
        QTest::newRow("full stop") << "Done." << "Done.";
        QTest::newRow("bang") << "Oops!" << "Oops!";
        QTest::newRow("digit") << "Error 5" << "Error 5.";
        QTest::newRow("empty") << "" << "";
    }
    void errorTextsEndInAFullStop()
    {
        QFETCH(QString, text);
        QFETCH(QString, shown);
        QCOMPARE(errorDisplayText(text), shown);
    }
};

TARNEL_TEST(SmallHelpersTest)
#include "smallhelperstest.moc"
