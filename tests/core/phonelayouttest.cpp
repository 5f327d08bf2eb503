// Scenarios of what the phone shows (WML 1.3, 11.8 and 11.9, and the
// soft keys of 9.7): wrapping at the screen's width, alignment, nowrap,
// br, pre, tables, emphasis, pictures, links and fields, the focus, and
// how do elements reach the soft keys of a phone.
#include "phonescenario.h"

#include "browser/browser.h"
#include "browser/layout.h"
#include "browser/phonereport.h"

#include "testregistry.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

class PhoneLayoutTest : public QObject
{
    Q_OBJECT

private slots:
    void lines_data();
    void lines();
    void softKeys_data();
    void softKeys();
    void runStyles();
    void pictureSizes();
    void jsonReport();
};

void PhoneLayoutTest::lines_data()
{
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expect");

    // The generic phone: 96 pixels, 6 per character: 16 columns.
    QTest::newRow("words wrap at the width")
        << "<p>The quick brown fox jumps over the lazy dog</p>" << "" << "screen=The quick brown|fox jumps over|the lazy dog";
    QTest::newRow("white space collapses")
        << "<p>  a \n\t  b  </p>" << "" << "screen=a b";
    QTest::newRow("a word longer than a line is cut")
        << "<p>abcdefghijklmnopqrstuvwxyz</p>" << "" << "screen=abcdefghijklmnop|qrstuvwxyz";
    QTest::newRow("paragraphs start new lines") << "<p>One</p><p>Two</p>" << "" << "screen=One|Two";
    QTest::newRow("an empty paragraph shows nothing") << "<p>One</p><p> </p><p/><p>Two</p>" << "" << "screen=One|Two";
    QTest::newRow("br breaks a line") << "<p>One<br/>Two<br/><br/>Four</p>" << "" << "screen=One|Two||Four";
    QTest::newRow("centred") << "<p align=\"center\">Hi</p>" << "" << "screen=       Hi";
    QTest::newRow("right aligned") << "<p align=\"right\">Hi</p>" << "" << "screen=              Hi";
    QTest::newRow("nowrap keeps a long line whole")
        << "<p mode=\"nowrap\">The quick brown fox jumps</p>" << "" << "screen=The quick brown fox jumps";
    QTest::newRow("the wrap mode carries on to the next paragraph")
        << "<p mode=\"nowrap\">The quick brown fox jumps</p><p>over the lazy dog again</p>" << ""
        << "screen=The quick brown fox jumps|over the lazy dog again";
    QTest::newRow("pre keeps spaces and breaks")
        << "<pre>a  b\n  c</pre>" << "" << "screen=a  b|  c";
    QTest::newRow("a table in columns")
        << "<p><table columns=\"2\"><tr><td>a</td><td>bb</td></tr><tr><td>ccc</td><td>d</td></tr></table></p>" << ""
        << "screen=a   bb|ccc d";
    QTest::newRow("links are bracketed and wrap with their words")
        << "<p>See <a href=\"#a\">the long link text</a> here</p>" << "" << "screen=See [the long|link text] here";
    QTest::newRow("an anchor without text shows its title")
        << "<p><anchor title=\"Go\"><go href=\"#a\"/></anchor></p>" << "" << "screen=[Go]";
    QTest::newRow("a select field") << "<p>Pick <select><option>One</option></select></p>" << "" << "screen=Pick [One v]";
    QTest::newRow("a field goes to the next line when it does not fit")
        << "<p>Your name here: <input name=\"n\" value=\"Johnny\"/></p>" << "" << "screen=Your name here:|[Johnny_]";
    QTest::newRow("a picture that cannot be read shows its alt text")
        << "<p><img src=\"none.wbmp\" alt=\"Logo\"/> text</p>" << "" << "screen=Logo text";
    QTest::newRow("the title") << "" << "" << "title=T";
    QTest::newRow("focus starts on the first item and moves")
        << "<p><a href=\"#a\">1</a> <a href=\"#a\">2</a></p>" << "down,down,down" << "focus=1";
    QTest::newRow("focus moves back up") << "<p><a href=\"#a\">1</a> <a href=\"#a\">2</a></p>" << "down,up" << "focus=0";
    QTest::newRow("no items, no focus") << "<p>x</p>" << "down" << "focus=-1";
    QTest::newRow("do elements are not shown in the text")
        << "<p>A<do type=\"accept\" label=\"Ok\"><go href=\"#a\"/></do>B</p>" << "" << "screen=AB; soft1=Ok";
}

void PhoneLayoutTest::lines()
{
    QFETCH(QString, card);
    QFETCH(QString, keys);
    QFETCH(QString, expect);
    PhoneScenario::run(QStringLiteral("<card id=\"a\" title=\"T\">%1</card>").arg(card), keys, expect);
}

void PhoneLayoutTest::softKeys_data()
{
    QTest::addColumn<QString>("dos");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expect");
    QTest::addColumn<QString>("device");

    const QString accept = QStringLiteral("<do type=\"accept\" label=\"Yes\"><go href=\"#y\"/></do>");
    const QString prev = QStringLiteral("<do type=\"prev\" label=\"Prev\"><prev/></do>");
    const QString help = QStringLiteral("<do type=\"help\" label=\"Help\"><go href=\"#h\"/></do>");
    const QString reset = QStringLiteral("<do type=\"reset\"><go href=\"#r\"/></do>");
    QTest::newRow("accept left, prev right") << accept + prev << "" << "soft1=Yes; soft2=Prev" << "";
    QTest::newRow("left key runs its do") << accept + prev << "soft1" << "card=y" << "";
    QTest::newRow("one other do takes a free key") << accept + help << "" << "soft2=Help" << "";
    QTest::newRow("the right key runs its do") << accept + help << "soft2" << "card=h" << "";
    QTest::newRow("more than the keys hold: Options")
        << accept + prev + help + reset << "" << "soft1=Options; soft2=Prev" << "";
    QTest::newRow("the Options list") << accept + prev + help + reset << "soft1" << "menu=Yes|Help|Reset" << "";
    QTest::newRow("choosing from the Options list") << accept + prev + help + reset << "soft1,down,down,select"
                                                    << "card=r; menu=none" << "";
    QTest::newRow("picking from the Options list") << accept + prev + help + reset << "soft1,pick=2" << "card=h" << "";
    QTest::newRow("closing the Options list") << accept + prev + help + reset << "soft1,soft2" << "menu=none; card=a"
                                              << "";
    QTest::newRow("a do without a label gets one by type") << reset << "" << "soft1=Reset" << "";
    QTest::newRow("a phone with one soft key: the only do")
        << help << "soft1" << "card=h" << "nokia3410";
    QTest::newRow("a phone with one soft key: Options for more")
        << accept + help << "soft1" << "soft2=; menu=Yes|Help" << "nokia3410";
    QTest::newRow("a phone with one soft key has no right one")
        << accept + help << "soft2" << "refused=1; card=a" << "nokia3410";
}

void PhoneLayoutTest::softKeys()
{
    QFETCH(QString, dos);
    QFETCH(QString, keys);
    QFETCH(QString, expect);
    QFETCH(QString, device);
    PhoneScenario::run(QStringLiteral("<card id=\"a\">%1<p>A</p></card><card id=\"y\"/><card id=\"h\"/><card id=\"r\"/>")
                           .arg(dos),
                       keys, expect, device);
}

void PhoneLayoutTest::runStyles()
{
    PhoneScenario::StubFetcher fetcher;
    QString first;
    PhoneScenario::addDecks(fetcher,
                            QStringLiteral("<card id=\"a\"><p><b>B</b><i>I</i><u>U</u><big>G</big><small>S</small>"
                                           "<strong><em>SE</em></strong></p></card>"),
                            &first);
    Browser browser(fetcher, DeviceProfile());
    QVERIFY(browser.load(first));
    const QList<ScreenRun> runs = browser.screen().lines.value(0).runs;
    QCOMPARE(runs.size(), 6);
    QCOMPARE(runs[0].style, int(RunStyle::Bold));
    QCOMPARE(runs[1].style, int(RunStyle::Italic));
    QCOMPARE(runs[2].style, int(RunStyle::Underline));
    QCOMPARE(runs[3].style, int(RunStyle::Big));
    QCOMPARE(runs[4].style, int(RunStyle::Small));
    QCOMPARE(runs[5].style, RunStyle::Bold | RunStyle::Italic);
    // Big text is wider and taller, small text narrower.
    QVERIFY(runs[3].width > runs[0].width);
    QVERIFY(runs[4].width < runs[0].width);
    QCOMPARE(browser.screen().lines[0].height, 13);
    QCOMPARE(runs[1].x, runs[0].width);
}

void PhoneLayoutTest::pictureSizes()
{
    PhoneScenario::StubFetcher fetcher;
    QString first;
    PhoneScenario::addDecks(fetcher,
                            QStringLiteral("<card id=\"a\"><p><img src=\"pic/logo.wbmp\" alt=\"Logo\"/>"
                                           "<a href=\"#a\"><img src=\"pic/logo.wbmp\" alt=\"L\"/></a></p></card>"),
                            &first);
    // A WBMP of 20 × 3 pixels: type 0, header 0, width, height, 3 bytes a row.
    QByteArray wbmp("\x00\x00\x14\x03", 4);
    wbmp += QByteArray(9, '\xff');
    fetcher.files.insert(PhoneScenario::base + QStringLiteral("pic/logo.wbmp"), wbmp);
    Browser browser(fetcher, DeviceProfile());
    QVERIFY(browser.load(first));
    const ScreenLine line = browser.screen().lines.value(0);
    QCOMPARE(line.runs.size(), 2);
    QCOMPARE(line.runs[0].kind, ScreenRun::Kind::Picture);
    QCOMPARE(line.runs[0].pictureSize, QSize(20, 3));
    QCOMPARE(line.runs[0].width, 20);
    QCOMPARE(browser.picture(line.runs[0].source).size(), QSize(20, 3));
    QCOMPARE(browser.picture(line.runs[0].source).pixelColor(0, 0), QColor(Qt::white));
    QCOMPARE(line.runs[1].item, 0);
    QCOMPARE(browser.screen().items.value(0).kind, ScreenItem::Kind::Link);
    QCOMPARE(PhoneReport::textLines(browser.screen(), DeviceProfile()), QStringList{QStringLiteral("{Logo}[{L}]")});
    // The picture is read once, however often the card is laid out.
    browser.press(Browser::Key::Down);
    browser.screen();
    QCOMPARE(fetcher.requests.size(), 2);
}

void PhoneLayoutTest::jsonReport()
{
    PhoneScenario::StubFetcher fetcher;
    QString first;
    PhoneScenario::addDecks(fetcher,
                            QStringLiteral("<card id=\"a\" title=\"Hi $(n)\"><timer value=\"50\"/>"
                                           "<do type=\"accept\" label=\"OK\"><go href=\"#a\"/></do>"
                                           "<p><input name=\"n\" value=\"Al\"/></p></card>"),
                            &first);
    Browser browser(fetcher, DeviceProfile());
    QVERIFY(browser.load(first));
    browser.advance(5);
    const QJsonObject object = QJsonDocument::fromJson(PhoneReport::jsonLine(3, QStringLiteral("wait=5"), browser)).object();
    QCOMPARE(object.value("step").toInt(), 3);
    QCOMPARE(object.value("key").toString(), QStringLiteral("wait=5"));
    QCOMPARE(object.value("url").toString(), QStringLiteral("http://phone.test/a.wml#a"));
    QCOMPARE(object.value("card").toString(), QStringLiteral("a"));
    QCOMPARE(object.value("title").toString(), QStringLiteral("Hi Al"));
    QCOMPARE(object.value("screen").toArray().first().toString(), QStringLiteral("[Al_]"));
    QCOMPARE(object.value("focus").toInt(), 0);
    const QJsonObject item = object.value("items").toArray().first().toObject();
    QCOMPARE(item.value("kind").toString(), QStringLiteral("input"));
    QCOMPARE(item.value("text").toString(), QStringLiteral("Al_"));
    QCOMPARE(item.value("line").toInt(), 0);
    QCOMPARE(object.value("soft1").toString(), QStringLiteral("OK"));
    QCOMPARE(object.value("soft2").toString(), QString());
    QVERIFY(object.value("menu").isNull());
    QCOMPARE(object.value("vars").toObject().value("n").toString(), QStringLiteral("Al"));
    QCOMPARE(object.value("history").toArray().first().toString(), QStringLiteral("http://phone.test/a.wml"));
    QCOMPARE(object.value("timer").toInt(), 45);
    QVERIFY(object.value("error").isNull());
}

TARNEL_TEST(PhoneLayoutTest)
#include "phonelayouttest.moc"
