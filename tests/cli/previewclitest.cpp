#include "testregistry.h"
#include "toolrun.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString dataFolder = QStringLiteral(TARNEL_SOURCE_DIR "/tests/data/preview");

using Outcome = ToolRun;

Outcome preview(const QStringList &arguments)
{
    return ToolRun::of(QStringLiteral(TARNEL_PREVIEW), arguments);
}

QByteArray readFile(const QString &path)
{
    return fileBytes(path);
}

} // namespace

// tarnel-preview as a script runs it.
class PreviewCliTest : public QObject
{
    Q_OBJECT

private slots:
    void writesThePagesAndPictures()
    {
        QTemporaryDir out;
        const QString folder = out.filePath(QStringLiteral("site/preview"));
        const Outcome outcome = preview({dataFolder + QStringLiteral("/deck/deck.wml"), folder});
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.out, QByteArray("main\nCard2\n"));
        QVERIFY(outcome.err.isEmpty());
        for (const char *page : {"main.htm", "Card2.htm"}) {
            const QString name = QString::fromLatin1(page);
            QCOMPARE(readFile(QDir(folder).filePath(name)),
                     readFile(dataFolder + QStringLiteral("/expected/") + name));
        }
        const QImage dot(QDir(folder).filePath(QStringLiteral("pics/dot.bmp")));
        QCOMPARE(dot.size(), QSize(8, 2));
        QCOMPARE(dot.pixel(0, 0), qRgb(127, 175, 144)); // the plain view's colour
        QCOMPARE(dot.pixel(1, 0), qRgb(0, 0, 0));
    }

    void colourOptionPaintsTheLightPixels()
    {
        QTemporaryDir out;
        const Outcome outcome
            = preview({QStringLiteral("--color"), QStringLiteral("#FF0000"), dataFolder + "/deck/deck.wml", out.path()});
        QCOMPARE(outcome.exitCode, 0);
        const QImage dot(out.filePath(QStringLiteral("pics/dot.bmp")));
        QCOMPARE(dot.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(dot.pixel(0, 1), qRgb(0, 0, 0));
    }

    void failuresEndWithOneLineAndNoPages_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing deck") << QStringList{"/nonexistent/deck.wml", "OUT"} << 1
                                      << "tarnel-preview: Cannot open file /nonexistent/deck.wml\n";
        QTest::newRow("picture cut short") << QStringList{dataFolder + "/deck/cut.wml", "OUT"} << 1
                                           << "tarnel-preview: Read beyond end of file\n";
        QTest::newRow("bad colour") << QStringList{"--color", "mauve", dataFolder + "/deck/deck.wml", "OUT"} << 1
                                    << "tarnel-preview: 'clmauve' is not a valid integer value\n";
        QTest::newRow("folder is a file") << QStringList{dataFolder + "/deck/deck.wml", dataFolder + "/deck/deck.wml"}
                                          << 1 << "tarnel-preview: Cannot create folder " + dataFolder
                                                      + "/deck/deck.wml\n";
        QTest::newRow("no folder") << QStringList{dataFolder + "/deck/deck.wml"} << 2 << "";
    }
    void failuresEndWithOneLineAndNoPages()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QTemporaryDir out;
        arguments.replaceInStrings(QStringLiteral("OUT"), out.filePath(QStringLiteral("pages")));
        const Outcome outcome = preview(arguments);
        QCOMPARE(outcome.exitCode, exitCode);
        if (!message.isEmpty())
            QCOMPARE(QString::fromLocal8Bit(outcome.err), message);
        QVERIFY(outcome.out.isEmpty());
        QVERIFY(QDir(out.filePath(QStringLiteral("pages"))).isEmpty());
    }
};

TARNEL_TEST(PreviewCliTest)

#include "previewclitest.moc"
