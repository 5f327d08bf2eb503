#include "programfolderfixture.h"
#include "testregistry.h"

#include "common/documentfile.h"
#include "common/linebreaks.h"
#include "common/tarnelerror.h"

#include <QDir>
#include <QTest>

// Line splitting and the byte-exact loading and saving of document files.
class TextFilesTest : public QObject
{
    Q_OBJECT

private slots:
    void splitsAtEveryKindOfBreak_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << "a\r\nb" << QStringList{"a", "b"};
        QTest::newRow("LF CR") << "a\n\rb" << QStringList{"a", "b"};
        QTest::newRow("lone CR") << "a\rb" << QStringList{"a", "b"};
        QTest::newRow("lone LF") << "a\nb" << QStringList{"a", "b"};
        QTest::newRow("CR LF LF") << "a\r\n\nb" << QStringList{"a", "", "b"};
        QTest::newRow("LF CR LF") << "a\n\r\nb" << QStringList{"a", "", "b"};
        QTest::newRow("final break") << "a\r\n" << QStringList{"a", ""};
        QTest::newRow("empty") << "" << QStringList{""};
    }
    void splitsAtEveryKindOfBreak()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(LineBreaks::split(text), lines);
        QCOMPARE(LineBreaks::normalized(text), lines.join(QStringLiteral("\r\n")));
    }

    void savesLinesJoinedByCrLfWithoutFinalBreak()
    {
        ProgramFolderFixture folder;
        const QString path = folder.file(QStringLiteral("page.wml"));
        DocumentFile::save(path, QStringLiteral("<wml>\n<card/>\r</wml>"), TextEncoding());
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("<wml>\r\n<card/>\r\n</wml>"));
        DocumentFile::save(path, QStringLiteral("x\r\n"), TextEncoding());
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("x\r\n"));
    }

    void unchangedFilesRoundTripByteForByte_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QByteArray>("encoding");
        QTest::newRow("ascii") << QByteArray("<wml>\r\n</wml>\r\n") << QByteArray("UTF-8");
        QTest::newRow("utf-8") << QByteArray("<p>\xC5\x99\xC3\xA1\xE2\x82\xAC</p>") << QByteArray("UTF-8");
        QTest::newRow("utf-8 with mark") << QByteArray("\xEF\xBB\xBF<wml/>") << QByteArray("UTF-8");
        QTest::newRow("8-bit") << QByteArray("<p>\xE8\xE1\x9A\x81</p>") << QByteArray("windows-1252");
        QTest::newRow("declared 1250")
            << QByteArray("<?xml version=\"1.0\" encoding=\"windows-1250\"?>\r\n<p>\x9E\xE8</p>")
            << QByteArray("windows-1250");
        QTest::newRow("NUL bytes") << QByteArray("a\0b\xFF", 4) << QByteArray("windows-1252");
        QTest::newRow("UTF-16LE, LF") << QByteArray("\xFF\xFE" "a\0\n\0b\0", 8) << QByteArray("UTF-16LE");
        QTest::newRow("8-bit, CR") << QByteArray("\xE8\r\xE8\r") << QByteArray("windows-1252");
    }
    void unchangedFilesRoundTripByteForByte()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QByteArray, encoding);
        ProgramFolderFixture folder;
        const QString path = folder.write(QStringLiteral("page.wml"), bytes);
        const LoadedDocument document = DocumentFile::load(path);
        QCOMPARE(document.encoding.name, encoding);
        const QString copy = folder.file(QStringLiteral("copy.wml"));
        DocumentFile::save(copy, document.text, document.encoding, document.lineBreaks);
        QCOMPARE(ProgramFolderFixture::read(copy), bytes);
    }

    void declaredSetDecodesCzechLetters()
    {
        const LoadedDocument document
            = DocumentFile::decode("<?xml version=\"1.0\" encoding=\"windows-1250\"?><p>\x9E\xE8</p>");
        QVERIFY(document.text.endsWith(QStringLiteral("<p>\u017E\u010D</p>")));
    }

    void knowsWhatAnEncodingCannotHold()
    {
        TextEncoding latin1;
        latin1.name = "ISO-8859-1";
        QVERIFY(DocumentFile::canEncode(QStringLiteral("caf\u00E9"), latin1));
        QVERIFY(!DocumentFile::canEncode(QStringLiteral("\u010D"), latin1));
        QVERIFY(DocumentFile::canEncode(QStringLiteral("\u010D\U0001F600"), TextEncoding()));
    }

    void reportsFilesThatCannotBeRead()
    {
        ProgramFolderFixture folder;
        const QString missing = folder.file(QStringLiteral("none.wml"));
        try {
            DocumentFile::load(missing);
            QFAIL("no error");
        } catch (const TarnelError &error) {
            QCOMPARE(error.text(), QStringLiteral("Cannot open file ") + missing);
        }
        QVERIFY_THROWS_EXCEPTION(TarnelError, DocumentFile::load(folder.path()));
    }

    void failedSaveLeavesTheOldFile()
    {
        ProgramFolderFixture folder;
        const QString path = folder.write(QStringLiteral("locked/page.wml"), "old text");
        if (!folder.makeUnwritable(QFileInfo(path).path()))
            QSKIP("this machine cannot make a folder unwritable");
        try {
            DocumentFile::save(path, QStringLiteral("new text"), TextEncoding());
            QFAIL("no error");
        } catch (const TarnelError &error) {
            QCOMPARE(error.text(), QStringLiteral("Cannot create file ") + path);
        }
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("old text"));
        QVERIFY_THROWS_EXCEPTION(TarnelError, DocumentFile::save(folder.path(), QString(), TextEncoding()));
    }
};

TARNEL_TEST(TextFilesTest)
#include "textfilestest.moc"
