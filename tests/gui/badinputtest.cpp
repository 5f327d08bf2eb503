#include "guifixture.h"
#include "testregistry.h"

#include "editor/completionlist.h"
#include "preview/htmlviewer.h"
#include "preview/previewtab.h"

#include <QComboBox>
#include <QDir>
#include <QDirIterator>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>

namespace {

// The files below folder, as relative paths.
QStringList filesUnder(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// Makes a file refuse writing (also for root); false where that cannot be.
bool lockFile(const QString &path)
{
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), path}) != 0)
        return false;
    QFile probe(path);
    if (probe.open(QIODevice::Append)) {
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
        return false;
    }
    return true;
}

void unlockFile(const QString &path)
{
    QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), path});
}

// A small file system that fills up, or an empty string where it cannot be made.
struct SmallDisk
{
    QString path;
    explicit SmallDisk(const QString &where)
    {
        QDir().mkpath(where);
        if (QProcess::execute(QStringLiteral("mount"),
                              {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                               QStringLiteral("size=64k"), QStringLiteral("tmpfs"), where}) == 0)
            path = where;
    }
    ~SmallDisk()
    {
        if (!path.isEmpty())
            QProcess::execute(QStringLiteral("umount"), {path});
    }
};

} // namespace

// Bad files, broken settings and data, and hostile decks: every failure is
// reported and nothing is lost.
class BadInputTest : public QObject
{
    Q_OBJECT

private slots:
    void binaryFileOpensAndSavesByteForByte()
    {
        GuiFixture f;
        // Every byte but the line breaks, which a page keeps as CR LF.
        QByteArray bytes;
        for (int i = 0; i < 4096; ++i) {
            const char byte = char(i * 7 % 256);
            if (byte != '\r' && byte != '\n')
                bytes.append(byte);
        }
        const QString path = f.folder.write(QStringLiteral("binary.wml"), bytes);
        f.open(path);
        QVERIFY(f.dialogs->errors.isEmpty());
        QVERIFY(!f.active()->isModified());
        f.dialogs->saveNames = {f.folder.file(QStringLiteral("copy.wml"))};
        f.trigger("FileSaveAs");
        QCOMPARE(ProgramFolderFixture::read(f.folder.file(QStringLiteral("copy.wml"))), bytes);
    }

    void fiftyMegabytesOpen()
    {
        GuiFixture f;
        const QByteArray line = "<p>A line of a very large deck, repeated many times over.</p>\r\n";
        QByteArray bytes;
        bytes.reserve(50 * 1024 * 1024 + line.size());
        while (bytes.size() < 50 * 1024 * 1024)
            bytes += line;
        f.open(f.folder.write(QStringLiteral("big.wml"), bytes));
        QVERIFY(f.dialogs->errors.isEmpty());
        QCOMPARE(f.active()->editor()->length(), int(bytes.size()));
    }

    void folderOrUnreadableFileGivesAnErrorAndNoText()
    {
        GuiFixture f;
        const QString folder = f.folder.file(QStringLiteral("data"));
        f.open(folder);
        QCOMPARE(f.dialogs->errors, QStringList{"Cannot open file " + folder + "."});
        QCOMPARE(f.active()->editor()->text(), QString());
        QVERIFY(!f.active()->isModified());

        const QString secret = f.folder.write(QStringLiteral("secret.wml"), "<wml/>");
        QFile::setPermissions(secret, QFileDevice::WriteOwner);
        QFile probe(secret);
        if (probe.open(QIODevice::ReadOnly))
            QSKIP("this user reads every file");
        f.open(secret);
        QCOMPARE(f.dialogs->errors.value(1), "Cannot open file " + secret + ".");
    }

    void fileDeletedWhileOpenIsWrittenAgain()
    {
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("gone.wml"), "<wml/>");
        f.open(path);
        QFile::remove(path);
        f.type(QStringLiteral("x"));
        f.trigger("FileSave");
        QVERIFY(f.dialogs->errors.isEmpty());
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("x<wml/>"));
        QVERIFY(!f.active()->isModified());
    }

    void readOnlyTargetKeepsDocumentAndFile()
    {
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("locked.wml"), "<wml/>");
        f.open(path);
        if (!lockFile(path) || !f.folder.makeUnwritable(f.folder.path()))
            QSKIP("this machine cannot lock a file");
        f.type(QStringLiteral("changed "));
        f.trigger("FileSave");
        unlockFile(path);
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors[0].startsWith(QStringLiteral("Cannot create file ")));
        QVERIFY(f.active()->isModified());
        QCOMPARE(f.active()->editor()->text(), QStringLiteral("changed <wml/>"));
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("<wml/>"));
    }

    void fullDiskKeepsDocumentAndFile()
    {
        GuiFixture f;
        SmallDisk disk(f.folder.file(QStringLiteral("disk")));
        if (disk.path.isEmpty())
            QSKIP("this machine cannot mount a small file system");
        const QString path = disk.path + QStringLiteral("/page.wml");
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("<wml>old</wml>");
        }
        f.open(path);
        f.active()->editor()->setText(QString(200000, QLatin1Char('x')));
        f.trigger("FileSave");
        QCOMPARE(f.dialogs->errors, QStringList{"Cannot create file " + path + "."});
        QVERIFY(f.active()->isModified());
        QCOMPARE(f.active()->editor()->length(), 200000);
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("<wml>old</wml>"));
        f.main.reset();
    }

    void brokenSettingsAndDataFilesAreSurvived()
    {
        GuiFixture f;
        f.main.reset();
        QByteArray garbage("\x00\x01[TMainForm\nFlags\n=\n[[]]\n", 24);
        garbage += QByteArray(1024 * 1024, 'k') + "\n[TMainForm]\nNormPos=a,b,c\nNormPos=1,2\n";
        f.folder.write(QStringLiteral("tarnel.ini"), garbage);
        f.folder.write(QStringLiteral("data/check.ini"),
                       "card=no section\n[tags]\ncard=card|id=\"\"\ncard=card|twice=\"\"\nno equals here\np=p"
                           + QByteArray(1024 * 1024, '|') + "x=\"\"\n");
        const char skins[] = "\x00\xff\n[phones]\n1\n2=Ghost\n=\n";
        f.folder.write(QStringLiteral("skins/skins.ini"), QByteArray(skins, sizeof skins - 1));
        f.start();
        f.trigger("FileNew");
        QVERIFY(f.dialogs->errors.isEmpty());
        // Completion takes the first card key and the long value.
        f.active()->editor()->setText(QStringLiteral("<card"));
        f.active()->editor()->setCaret(5);
        QTest::keyClick(f.active()->editor(), Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(f.active()->completionList()->entries(), QStringList{"id=\"\""});
        QTest::keyClick(f.active()->completionList(), Qt::Key_Escape);
        f.active()->editor()->setText(QStringLiteral("<p"));
        f.active()->editor()->setCaret(2);
        QTest::keyClick(f.active()->editor(), Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(f.active()->completionList()->entries(), QStringList{"x=\"\""});
        // The device list holds what the file names; the ghost has no picture.
        PreviewTab *preview = f.active()->preview();
        QCOMPARE(preview->deviceList()->count(), 2);
        preview->deviceList()->setCurrentText(QStringLiteral("Ghost"));
        emit preview->deviceList()->textActivated(QStringLiteral("Ghost"));
        QCOMPARE(f.dialogs->errors, QStringList{"Unknown picture file extension (.)"});
        f.dialogs->answers = {DialogService::Answer::No};
        QVERIFY(f.main->close());
    }

    void missingDataFoldersAreReportedAndTheProgramWorks()
    {
        GuiFixture f;
        f.main.reset();
        QDir(f.folder.file(QStringLiteral("data"))).removeRecursively();
        QDir(f.folder.file(QStringLiteral("skins"))).removeRecursively();
        QDir(f.folder.file(QStringLiteral("HELP"))).removeRecursively();
        f.start();
        f.trigger("FileNew");
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors[0].startsWith(QStringLiteral("Cannot open file ")));
        f.type(QStringLiteral("<wml><card id=\"a\"><p>x</p></card></wml>"));
        f.active()->pages()->setCurrentIndex(2);
        QCOMPARE(f.dialogs->errors.size(), 1);
        QCOMPARE(f.active()->preview()->cardList()->count(), 1);
        QCOMPARE(f.active()->preview()->deviceList()->count(), 1);
    }

    void readOnlyProgramFolderStillPreviewsAndKeepsSettings()
    {
        GuiFixture f;
        f.main.reset();
        if (!f.folder.makeUnwritable(f.folder.path()))
            QSKIP("this machine cannot make a folder unwritable");
        f.start();
        f.trigger("FileNew");
        f.active()->editor()->setText(QStringLiteral("<wml><card id=\"ro\"><p>x</p></card></wml>"));
        f.active()->pages()->setCurrentIndex(2);
        QVERIFY(f.dialogs->errors.isEmpty());
        const QString userTemp = QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation)
                               + QStringLiteral("/tarnel/temp");
        const QString page = f.active()->pageFolder() + QStringLiteral("/ro.htm");
        QVERIFY2(page.startsWith(userTemp + QLatin1Char('/')), qPrintable(page));
        QVERIFY(QFile::exists(page));
        QCOMPARE(f.active()->preview()->viewer()->currentFile(), page);
        f.dialogs->answers = {DialogService::Answer::No};
        QVERIFY(f.main->close());
        QVERIFY(f.dialogs->errors.isEmpty());
        QVERIFY(QFile::exists(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                              + QStringLiteral("/tarnel/tarnel.ini")));
    }

    void decksCannotWriteOutsideTheTempFolder()
    {
        GuiFixture f;
        const QString site = f.folder.file(QStringLiteral("site"));
        f.folder.write(QStringLiteral("site/pics/a.wbmp"), QByteArray::fromHex("0000080155"));
        f.folder.write(QStringLiteral("a.wbmp"), QByteArray::fromHex("0000080155"));
        const QStringList before = filesUnder(f.folder.path());
        QByteArray deck = "<wml>";
        for (const char *id : {"../../escape", "/tmp/absolute", "C:\\drive", "a:b", "..", "."})
            deck += QByteArray("<card id=\"") + id + "\"><p><img src=\"../a.wbmp\" alt=\"\"/><img src=\"" +
                    site.toUtf8() + "/pics/a.wbmp\" alt=\"\"/><img src=\"c:pics/a.wbmp\"/><img src=\"pics/a.wbmp\"/></p></card>";
        deck += "</wml>";
        f.open(f.folder.write(QStringLiteral("site/deck.wml"), deck));
        f.active()->pages()->setCurrentIndex(2);
        QVERIFY(f.dialogs->errors.isEmpty());
        QStringList added = filesUnder(f.folder.path());
        for (const QString &file : before)
            added.removeAll(file);
        const QString pages = QDir(f.folder.path()).relativeFilePath(f.active()->pageFolder()) + QLatin1Char('/');
        QVERIFY2(pages.startsWith(QStringLiteral("temp/")), qPrintable(pages));
        for (const QString &file : added)
            QVERIFY2(file.startsWith(pages) || file == QStringLiteral("site/deck.wml"), qPrintable(file));
        QVERIFY(added.contains(pages + QStringLiteral("pics/a.bmp")));
        QVERIFY(added.contains(pages + QStringLiteral(".._.._escape.htm")));
        // The pictures out of the document's folder are copied inside the page folder.
        QCOMPARE(added.filter(pages + QStringLiteral("outside/")).size(), 2);
    }

    void manyCardsAndImagesAndHugePictures()
    {
        GuiFixture f;
        QByteArray deck = "<wml>";
        for (int i = 0; i < 1000; ++i)
            deck += "<card id=\"same\"><p>card</p></card>\r\n";
        deck += "<card id=\"pics\"><p>";
        for (int i = 0; i < 10000; ++i)
            deck += "<img src=\"none" + QByteArray::number(i) + ".wbmp\" alt=\"\"/>";
        deck += "<img src=\"huge.wbmp\" alt=\"\"/><img src=\"toobig.wbmp\" alt=\"\"/></p></card></wml>";
        f.folder.write(QStringLiteral("site/huge.wbmp"), QByteArray::fromHex("0000a000a000") + QByteArray(100, '\xff'));
        f.folder.write(QStringLiteral("site/toobig.wbmp"), QByteArray::fromHex("0000a001a001") + QByteArray(100, '\xff'));
        f.open(f.folder.write(QStringLiteral("site/many.wml"), deck));
        f.active()->pages()->setCurrentIndex(2);
        QVERIFY(f.dialogs->errors.isEmpty());
        QCOMPARE(f.active()->preview()->cardList()->count(), 1001);
        const QDir pages(f.active()->pageFolder());
        QCOMPARE(QImage(pages.filePath(QStringLiteral("huge.bmp"))).size(), QSize(4096, 4096));
        QVERIFY(!QFile::exists(pages.filePath(QStringLiteral("toobig.bmp"))));
        QVERIFY(QFile::exists(pages.filePath(QStringLiteral("same.htm"))));
    }
};

TARNEL_TEST(BadInputTest)

#include "badinputtest.moc"
