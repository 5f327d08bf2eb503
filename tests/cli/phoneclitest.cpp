#include "testregistry.h"
#include "toolrun.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

namespace {

ToolRun phone(const QStringList &arguments)
{
    return ToolRun::of(QStringLiteral(TARNEL_PHONE), arguments);
}

QList<QJsonObject> objects(const QByteArray &out)
{
    QList<QJsonObject> list;
    for (const QByteArray &line : out.split('\n')) {
        if (!line.isEmpty())
            list.append(QJsonDocument::fromJson(line).object());
    }
    return list;
}

void write(const QString &path, const QByteArray &text)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
               "\"http://www.wapforum.org/DTD/wml13.dtd\">\n<wml>"
               + text + "</wml>\n");
}

} // namespace

// tarnel-phone as a script drives it: one JSON object a step, the exit
// codes, the keys and the device.
class PhoneCliTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        write(m_dir.filePath("index.wml"),
              "<card id=\"home\" title=\"Home\"><do type=\"accept\" label=\"Form\"><go href=\"form.wml\"/></do>"
              "<p><a href=\"sub/next.wml#two\">Next deck</a></p></card>");
        write(m_dir.filePath("sub/next.wml"),
              "<card id=\"one\"/><card id=\"two\" ontimer=\"#one\"><timer value=\"30\"/>"
              "<p>Second <a href=\"../index.wml\">home</a></p></card>");
        write(m_dir.filePath("form.wml"),
              "<card id=\"f\"><p>Name <input name=\"n\" maxlength=\"5\"/> <select name=\"s\">"
              "<option value=\"x\">X</option><option value=\"y\">Y</option></select></p></card>");
        QFile binary(m_dir.filePath("binary.wml"));
        QVERIFY(binary.open(QIODevice::WriteOnly));
        binary.write(QByteArray("\x7f" "ELF\x02\x01\x01\x00\x00\x00\xff\xfe", 12));
        binary.close();
        QFile compiled(m_dir.filePath("broken.wmlc"));
        QVERIFY(compiled.open(QIODevice::WriteOnly));
        compiled.write(QByteArray("\x03\x01\x6a\x00\x7f\xff", 6));
        compiled.close();
        // The device profiles are read from the program folder.
        qputenv("TARNEL_PROGRAM_DIR", TARNEL_SOURCE_DIR);
    }

    void oneObjectPerStep()
    {
        const ToolRun run = phone({"--keys", "select,wait=10,back", m_dir.filePath("index.wml")});
        QCOMPARE(run.exitCode, 0);
        // The fields in the documented order, for people reading along.
        QVERIFY2(run.out.startsWith("{\"step\":0,\"key\":\"\",\"url\":\"file://"), run.out.left(60).constData());
        const QList<QJsonObject> steps = objects(run.out);
        QCOMPARE(steps.size(), 4);
        QCOMPARE(steps[0].value("step").toInt(), 0);
        QCOMPARE(steps[0].value("card").toString(), QStringLiteral("home"));
        QCOMPARE(steps[0].value("title").toString(), QStringLiteral("Home"));
        QCOMPARE(steps[0].value("screen").toArray().first().toString(), QStringLiteral("[Next deck]"));
        QCOMPARE(steps[0].value("soft1").toString(), QStringLiteral("Form"));
        QCOMPARE(steps[0].value("focus").toInt(), 0);
        QCOMPARE(steps[0].value("items").toArray().first().toObject().value("kind").toString(), QStringLiteral("link"));
        QVERIFY(steps[0].value("error").isNull());
        QVERIFY(steps[0].value("timer").isNull());

        QCOMPARE(steps[1].value("key").toString(), QStringLiteral("select"));
        QCOMPARE(steps[1].value("card").toString(), QStringLiteral("two"));
        QVERIFY(steps[1].value("url").toString().endsWith(QLatin1String("/sub/next.wml#two")));
        QCOMPARE(steps[1].value("history").toArray().size(), 2);
        QCOMPARE(steps[1].value("timer").toInt(), 30);

        QCOMPARE(steps[2].value("timer").toInt(), 20);
        QCOMPARE(steps[3].value("card").toString(), QStringLiteral("home"));
        QCOMPARE(steps[3].value("history").toArray().size(), 1);
    }

    void formsAndLists()
    {
        const ToolRun run = phone({"--keys", "soft1,text=a\\,b,down,select,pick=2", m_dir.filePath("index.wml")});
        QCOMPARE(run.exitCode, 0);
        const QList<QJsonObject> steps = objects(run.out);
        QCOMPARE(steps.size(), 6);
        QCOMPARE(steps[2].value("vars").toObject().value("n").toString(), QStringLiteral("a,b"));
        QCOMPARE(steps[4].value("menu").toObject().value("entries").toArray().size(), 2);
        QCOMPARE(steps[5].value("vars").toObject().value("s").toString(), QStringLiteral("y"));
        QVERIFY(steps[5].value("menu").isNull());
        QCOMPARE(steps[5].value("screen").toArray(), QJsonArray({"Name [a,b_]", "[Y v]"}));
    }

    void aKeyThatMakesNoSenseExitsOne()
    {
        const ToolRun run = phone({"--keys", "soft2,soft1,text=toolong", m_dir.filePath("index.wml")});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(objects(run.out).size(), 4);
        QVERIFY2(run.err.contains("Key 1 (soft2)"), run.err.constData());
        QVERIFY2(run.err.contains("Key 3 (text=toolong)"), run.err.constData());
        QVERIFY2(!run.err.contains("Key 2"), run.err.constData());
    }

    void anErrorScreenIsReported()
    {
        write(m_dir.filePath("broken.wml"), "<card id=\"b\"><p><a href=\"missing.wml\">Gone</a> "
                                            "<a href=\"s.wmls#f()\">Script</a></p></card>");
        const ToolRun run = phone({"--keys", "select,select,down,select", m_dir.filePath("broken.wml")});
        QCOMPARE(run.exitCode, 0);
        const QList<QJsonObject> steps = objects(run.out);
        QVERIFY(steps[1].value("error").toString().contains(QLatin1String("missing.wml")));
        QCOMPARE(steps[1].value("card").toString(), QStringLiteral("b"));
        QVERIFY(steps[2].value("error").isNull());
        QCOMPARE(steps[4].value("error").toString(), QStringLiteral("WMLScript is not supported"));
    }

    void devices()
    {
        const ToolRun run = phone({"--device", "nokia7110", "--keys", "select,back", m_dir.filePath("index.wml")});
        QCOMPARE(run.exitCode, 0);
        const QList<QJsonObject> steps = objects(run.out);
        // No back key: it does nothing; the right soft key offers Back.
        QCOMPARE(steps[2].value("card").toString(), QStringLiteral("two"));
        QCOMPARE(steps[2].value("soft2").toString(), QStringLiteral("Back"));
        QCOMPARE(phone({"--device", "nosuchphone", m_dir.filePath("index.wml")}).exitCode, 2);
    }

    void badUsageAndUnreadableDecksExitTwo_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no deck") << QStringList() << QByteArray("exactly one deck");
        QTest::newRow("unknown key") << QStringList{"--keys", "up,fly", "x.wml"} << QByteArray("Unknown key: fly");
        QTest::newRow("missing file") << QStringList{"/nonexistent/deck.wml"} << QByteArray("File not found: deck.wml");
        QTest::newRow("binary file") << QStringList{m_dir.filePath("binary.wml")} << QByteArray("not well-formed (line 1)");
        QTest::newRow("broken compiled deck") << QStringList{m_dir.filePath("broken.wmlc")}
                                              << QByteArray("The compiled deck cannot be read");
        QTest::newRow("a folder") << QStringList{m_dir.path()} << QByteArray("is a folder");
    }

    void badUsageAndUnreadableDecksExitTwo()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);
        const ToolRun run = phone(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), run.err.constData());
    }

private:
    QTemporaryDir m_dir;
};

TARNEL_TEST(PhoneCliTest)
#include "phoneclitest.moc"
