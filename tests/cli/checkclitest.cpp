#include "testregistry.h"
#include "toolrun.h"

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

ToolRun check(const QStringList &arguments)
{
    return ToolRun::of(QStringLiteral(TARNEL_CHECK), arguments);
}

const QByteArray cleanDeck = "<?xml version=\"1.0\"?>\n"
                             "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                             "\"http://www.wapforum.org/DTD/wml13.dtd\">\n"
                             "<wml><card id=\"a\"><p>Hello</p></card></wml>\n";
const QByteArray brokenDeck = "<?xml version=\"1.0\"?>\n"
                              "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                              "\"http://www.wapforum.org/DTD/wml13.dtd\">\n"
                              "<wml><card id=\"a\"><p>Tom & Jerry</p></card></wml>\n";

} // namespace

// tarnel-check as an editor's build command or a CI job runs it.
class CheckCliTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_folder.reset(new QTemporaryDir);
        write(QStringLiteral("clean.wml"), cleanDeck);
        write(QStringLiteral("broken.wml"), brokenDeck);
    }

    void printsEachProblemAsCompilersDo()
    {
        const ToolRun run = check({path(QStringLiteral("clean.wml")), path(QStringLiteral("broken.wml"))});
        QCOMPARE(run.exitCode, 1);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 1);
        QVERIFY2(lines.first().startsWith(path(QStringLiteral("broken.wml")).toUtf8() + ":3:26: error: "),
                 lines.first().constData());
        QVERIFY(lines.first().endsWith(" [xml]"));
    }

    void theDeviceOptionBringsThePhonesLimit()
    {
        // About 1,450 bytes compiled: above the generic 1,400, below the
        // UP.Browser 3.2 phone's 1,492.
        QByteArray big = cleanDeck;
        big.replace("Hello", QByteArray(1420, 'x'));
        write(QStringLiteral("big.wml"), big);
        const ToolRun generic = check({path(QStringLiteral("big.wml"))});
        QVERIFY2(generic.out.contains("warning: deck compiles to "), generic.out.constData());
        QVERIFY(generic.out.contains("above the Generic WAP 1.x phone limit of 1400 bytes [device-deck-size]"));
        const ToolRun upBrowser = check({QStringLiteral("--device"), QStringLiteral("upbrowser32"), path(QStringLiteral("big.wml"))});
        QCOMPARE(upBrowser.exitCode, 0);
        QCOMPARE(upBrowser.out, QByteArray());
        const ToolRun nokia = check({QStringLiteral("--device"), QStringLiteral("Nokia 7110"), path(QStringLiteral("big.wml"))});
        QVERIFY2(nokia.out.contains("above the Nokia 7110 limit of 1397 bytes"), nokia.out.constData());
    }

    void cleanDecksExitZero()
    {
        const ToolRun run = check({path(QStringLiteral("clean.wml"))});
        QCOMPARE(run.exitCode, 0);
        QCOMPARE(run.out, QByteArray());
    }

    void jsonLinesCarryTheSameProblems()
    {
        const ToolRun run = check({QStringLiteral("--json"), path(QStringLiteral("broken.wml"))});
        QCOMPARE(run.exitCode, 1);
        const QJsonObject problem = QJsonDocument::fromJson(run.out.trimmed()).object();
        QCOMPARE(problem.value(QStringLiteral("line")).toInt(), 3);
        QCOMPARE(problem.value(QStringLiteral("column")).toInt(), 26);
        QCOMPARE(problem.value(QStringLiteral("severity")).toString(), QStringLiteral("error"));
        QCOMPARE(problem.value(QStringLiteral("rule")).toString(), QStringLiteral("xml"));
        QCOMPARE(problem.value(QStringLiteral("fix")).toString(), QStringLiteral("Write & as &amp;"));
    }

    void badUsageAndUnreadableFilesExitTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no file") << QStringList();
        QTest::newRow("unknown version") << QStringList{"--version", "2.0", "clean.wml"};
        QTest::newRow("unknown device") << QStringList{"--device", "nonesuch", "clean.wml"};
        QTest::newRow("unknown option") << QStringList{"--frobnicate", "clean.wml"};
        QTest::newRow("missing file") << QStringList{"clean.wml", "missing.wml"};
        QTest::newRow("a folder") << QStringList{"."};
    }
    void badUsageAndUnreadableFilesExitTwo()
    {
        QFETCH(QStringList, arguments);
        for (QString &argument : arguments) {
            if (argument.endsWith(QLatin1String(".wml")) || argument == QLatin1String("."))
                argument = path(argument);
        }
        const ToolRun run = check(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(!run.err.isEmpty());
    }

    void versionOptionOverridesTheDoctype()
    {
        const ToolRun run = check({QStringLiteral("--version"), QStringLiteral("1.1"), path(QStringLiteral("clean.wml"))});
        QCOMPARE(run.exitCode, 0);
    }

private:
    QString path(const QString &name) const { return m_folder->filePath(name); }
    void write(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    std::unique_ptr<QTemporaryDir> m_folder;
};
TARNEL_TEST(CheckCliTest)

#include "checkclitest.moc"
