// Scenarios of the phone engine's navigation (WML 1.3, 9.2 to 9.9, 10.2,
// 11.3.1 and 12.5): go, prev, refresh and noop with their setvars and
// postfields, the history stack, newcontext, access control and the
// error screens of a failed task.
#include "phonescenario.h"

#include "browser/browser.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include "testregistry.h"

#include <QTest>

class PhoneNavigationTest : public QObject
{
    Q_OBJECT

private slots:
    void tasks_data();
    void tasks();
    void errors_data();
    void errors();
    void accessControl_data();
    void accessControl();
    void postfields_data();
    void postfields();
    void compiledDeckLoads();
};

namespace {

const QString twoCards = QStringLiteral(
    "<card id=\"a\"><p><a href=\"#b\">Next</a></p></card>"
    "<card id=\"b\"><do type=\"prev\" label=\"Back\"><prev/></do><p>Two</p></card>");

} // namespace

void PhoneNavigationTest::tasks_data()
{
    QTest::addColumn<QString>("decks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expect");
    QTest::addColumn<QString>("device");

    QTest::newRow("go to a card of the deck")
        << twoCards << "select" << "card=b; screen=Two; history=a.wml,a.wml#b; soft2=Back" << "";
    QTest::newRow("a fragment naming no card goes to the first card")
        << "<card id=\"a\"><p><a href=\"#zz\">X</a></p></card><card id=\"b\"/>" << "select"
        << "card=a; history=a.wml,a.wml#zz" << "";
    QTest::newRow("the same card twice is two history entries")
        << "<card id=\"a\"><p><a href=\"#a\">Again</a></p></card>" << "select,select"
        << "card=a; history=a.wml,a.wml#a,a.wml#a" << "";
    QTest::newRow("prev pops the history")
        << twoCards << "select,soft2" << "card=a; history=a.wml; screen=[Next]" << "";
    QTest::newRow("the back key runs prev")
        << twoCards << "select,back" << "card=a; history=a.wml" << "";
    QTest::newRow("a phone without a back key ignores it, offers Back on a soft key")
        << "<card id=\"a\"><p><a href=\"#b\">Next</a></p></card><card id=\"b\"><p>Two</p></card>"
        << "select,back" << "card=b; soft2=Back" << "nokia7110";
    QTest::newRow("Back soft key of a phone without a back key")
        << "<card id=\"a\"><p><a href=\"#b\">Next</a></p></card><card id=\"b\"><p>Two</p></card>"
        << "select,soft2" << "card=a; history=a.wml" << "nokia7110";
    QTest::newRow("prev with nothing behind does nothing")
        << "<card id=\"a\"><do type=\"prev\"><prev/></do><p>One</p></card>" << "soft2"
        << "card=a; history=a.wml; error=" << "";
    QTest::newRow("a relative link to another deck and back by URL")
        << "<card id=\"a\"><p><a href=\"sub/b.wml\">B</a></p></card>\n=== sub/b.wml\n"
           "<card id=\"b1\"><p><a href=\"../a.wml#a\">A</a></p></card>"
        << "select,select" << "card=a; history=a.wml,sub/b.wml,a.wml#a" << "";
    QTest::newRow("prev into another deck fetches it again")
        << "<card id=\"a\"><p><a href=\"b.wml\">B</a></p></card>\n=== b.wml\n"
           "<card id=\"b1\"><do type=\"prev\"><prev/></do><p>In B</p></card>"
        << "select,soft2" << "card=a; requests=3; lastrequest=a.wml" << "";
    QTest::newRow("setvar on go is applied before the card shows")
        << "<card id=\"a\"><p><anchor>Go<go href=\"#b\"><setvar name=\"x\" value=\"1\"/></go></anchor></p></card>"
           "<card id=\"b\"><p>x=$(x)</p></card>"
        << "select" << "card=b; screen=x=1; var:x=1" << "";
    QTest::newRow("setvar values are read before any is set")
        << "<card id=\"a\"><onevent type=\"onenterforward\"><refresh><setvar name=\"x\" value=\"1\"/></refresh></onevent>"
           "<p><anchor>Go<go href=\"#b\"><setvar name=\"x\" value=\"2\"/><setvar name=\"y\" value=\"$(x)\"/></go>"
           "</anchor></p></card><card id=\"b\"><p>$x $y</p></card>"
        << "select" << "card=b; screen=2 1" << "";
    QTest::newRow("setvar on prev")
        << "<card id=\"a\"><p><a href=\"#b\">Next</a> y=$(y)</p></card>"
           "<card id=\"b\"><do type=\"prev\"><prev><setvar name=\"y\" value=\"back\"/></prev></do></card>"
        << "select,soft2" << "card=a; screen=[Next] y=back; var:y=back" << "";
    QTest::newRow("an illegal setvar name is ignored")
        << "<card id=\"a\"><p><anchor>Go<go href=\"#b\"><setvar name=\"1x\" value=\"1\"/>"
           "<setvar name=\"$(n)\" value=\"2\"/></go></anchor></p></card><card id=\"b\"/>"
        << "select" << "card=b; vars=0" << "";
    QTest::newRow("a setvar name from a variable")
        << "<card id=\"a\" onenterforward=\"#b\"/><card id=\"b\"><onevent type=\"onenterforward\">"
           "<refresh><setvar name=\"n\" value=\"z\"/></refresh></onevent>"
           "<p><anchor>Go<refresh><setvar name=\"$(n)\" value=\"set\"/></refresh></anchor></p></card>"
        << "select" << "var:z=set" << "";
    QTest::newRow("refresh with setvar redisplays the card")
        << "<card id=\"a\"><p><anchor>R<refresh><setvar name=\"n\" value=\"5\"/></refresh></anchor> n=$(n)</p></card>"
        << "select" << "card=a; screen=[R] n=5; history=a.wml" << "";
    QTest::newRow("noop does nothing")
        << "<card id=\"a\"><p><anchor>N<noop/></anchor></p></card>" << "select" << "card=a; history=a.wml" << "";
    QTest::newRow("prev posts the same data again")
        << "<card id=\"a\"><p><anchor>Send<go href=\"s.wml\" method=\"post\"><postfield name=\"k\" value=\"v\"/>"
           "</go></anchor></p></card>\n=== s.wml\n<card id=\"s\"><p><a href=\"t.wml\">T</a></p></card>\n=== t.wml\n"
           "<card id=\"t\"/>"
        << "select,select,back" << "card=s; requests=4; lastrequest=s.wml; post=k=v; history=a.wml,s.wml" << "";
    QTest::newRow("onenterforward goes on at once")
        << "<card id=\"a\" onenterforward=\"#b\"><p>One</p></card><card id=\"b\"><p>Two</p></card>" << ""
        << "card=b; history=a.wml,a.wml#b" << "";
    QTest::newRow("onenterforward with setvar")
        << "<card id=\"a\"><onevent type=\"onenterforward\"><go href=\"#b\"><setvar name=\"v\" value=\"7\"/></go>"
           "</onevent></card><card id=\"b\"><p>v$v</p></card>"
        << "" << "card=b; screen=v7" << "";
    QTest::newRow("onenterbackward runs after prev")
        << "<card id=\"a\" onenterbackward=\"#c\"><p><a href=\"#b\">B</a></p></card>"
           "<card id=\"b\"><do type=\"prev\"><prev/></do></card><card id=\"c\"><p>C</p></card>"
        << "select,soft2" << "card=c; history=a.wml,a.wml#c" << "";
    QTest::newRow("onenterbackward is not run on a forward entry")
        << "<card id=\"a\" onenterbackward=\"#c\"><p>A</p></card><card id=\"c\"/>" << "" << "card=a" << "";
    QTest::newRow("newcontext clears variables and history")
        << "<card id=\"a\"><p><anchor>Go<go href=\"b.wml\"><setvar name=\"x\" value=\"1\"/></go></anchor></p></card>"
           "\n=== b.wml\n<card id=\"b1\" newcontext=\"true\"><p>x=$x</p></card>"
        << "select" << "card=b1; vars=0; history=b.wml; screen=x=" << "";
    QTest::newRow("newcontext is only done by go")
        << "<card id=\"a\"><p><a href=\"#b\">B</a></p></card>"
           "<card id=\"b\" newcontext=\"true\"><do type=\"prev\"><prev/></do>"
           "<p><anchor>R<refresh><setvar name=\"k\" value=\"1\"/></refresh></anchor></p></card>"
        << "select,select" << "card=b; var:k=1; history=a.wml#b" << "";
    QTest::newRow("a variable in an href is URL-escaped")
        << "<card id=\"a\"><p><anchor>Set<go href=\"#b\"><setvar name=\"q\" value=\"a b&amp;c\"/></go></anchor></p>"
           "</card><card id=\"b\"><p><a href=\"s.wml?q=$(q)\">S</a></p></card>\n=== s.wml\n<card id=\"s\"/>"
        << "select,select" << "card=s; lastrequest=s.wml?q=a%20b%26c" << "";
    QTest::newRow("noesc keeps an href variable as it is")
        << "<card id=\"a\"><p><anchor>Set<go href=\"#b\"><setvar name=\"u\" value=\"s.wml#s2\"/></go></anchor></p>"
           "</card><card id=\"b\"><p><a href=\"$(u:noesc)\">S</a></p></card>\n=== s.wml\n<card id=\"s\"/><card id=\"s2\"/>"
        << "select,select" << "card=s2" << "";
}

void PhoneNavigationTest::tasks()
{
    QFETCH(QString, decks);
    QFETCH(QString, keys);
    QFETCH(QString, expect);
    QFETCH(QString, device);
    PhoneScenario::run(decks, keys, expect, device);
}

void PhoneNavigationTest::errors_data()
{
    QTest::addColumn<QString>("decks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expect");

    QTest::newRow("a missing deck is an error screen; the card stays")
        << "<card id=\"a\"><p><anchor>X<go href=\"nope.wml\"><setvar name=\"x\" value=\"1\"/></go></anchor></p></card>"
        << "select" << "card=a; error~Not found; history=a.wml; novar=x; soft1=OK; line=0:Not found:";
    QTest::newRow("the error screen goes away with OK")
        << "<card id=\"a\"><p><a href=\"nope.wml\">X</a></p></card>" << "select,soft1" << "card=a; error=; screen=[X]";
    QTest::newRow("a failed task runs no events and keeps the timer")
        << "<card id=\"a\" ontimer=\"#b\"><timer value=\"20\"/><p><a href=\"nope.wml\">X</a></p></card><card id=\"b\"/>"
        << "wait=5,select" << "card=a; timer=15; error~Not found";
    QTest::newRow("WMLScript is not run")
        << "<card id=\"a\"><p><a href=\"calc.wmls#add(1,2)\">Calc</a></p></card>" << "select"
        << "card=a; error=WMLScript is not supported; requests=1";
    QTest::newRow("a deck that is not well-formed")
        << "<card id=\"a\"><p><a href=\"bad.wml\">Bad</a></p></card>\n=== bad.wml\n<?xml version=\"1.0\"?><wml><card><p>x</card></wml>"
        << "select" << "card=a; error~not well-formed";
    QTest::newRow("a document that is not WML")
        << "<card id=\"a\"><p><a href=\"h.wml\">H</a></p></card>\n=== h.wml\n<?xml version=\"1.0\"?><html><body/></html>"
        << "select" << "card=a; error=This is not a WML deck";
    QTest::newRow("a deck without cards")
        << "<card id=\"a\"><p><a href=\"e.wml\">E</a></p></card>\n=== e.wml\n<?xml version=\"1.0\"?><wml><head/></wml>"
        << "select" << "card=a; error=The deck has no card";
    QTest::newRow("a link whose address is empty")
        << "<card id=\"a\"><p><a href=\"$(none)\">E</a></p></card>" << "select" << "card=a; error=The link has no address";
    QTest::newRow("a loop of onenterforward is stopped")
        << "<card id=\"a\" onenterforward=\"#b\"/><card id=\"b\" onenterforward=\"#a\"/>" << ""
        << "error~keeps moving on";
    QTest::newRow("a deck from the network cannot open local files")
        << "<card id=\"a\"><p><a href=\"file:///etc/passwd\">P</a><img src=\"file:///tmp/x.wbmp\" alt=\"X\"/></p></card>"
        << "select" << "card=a; error~cannot open files; requests=1";
    QTest::newRow("keys that make no sense are refused")
        << "<card id=\"a\"><p>Text only</p></card>" << "select,soft1,soft2,text=x,pick=1"
        << "refused=5; card=a";
}

void PhoneNavigationTest::errors()
{
    QFETCH(QString, decks);
    QFETCH(QString, keys);
    QFETCH(QString, expect);
    PhoneScenario::run(decks, keys, expect);
}

void PhoneNavigationTest::accessControl_data()
{
    QTest::addColumn<QString>("decks");
    QTest::addColumn<QString>("expect");

    const QString link = QStringLiteral("<card id=\"a\"><p><a href=\"/b.wml\">B</a></p></card>\n=== b.wml\n");
    QTest::newRow("no access element lets every deck in")
        << link + "<card id=\"b1\"/>" << "card=b1";
    QTest::newRow("a path the referrer is not under")
        << link + "<head><access path=\"/private\"/></head><card id=\"b1\"/>"
        << "card=a; error~Access denied; history=a.wml";
    QTest::newRow("a domain the referrer is not in")
        << link + "<head><access domain=\"example.com\"/></head><card id=\"b1\"/>" << "card=a; error~Access denied";
    QTest::newRow("a domain matched by whole labels from the end")
        << link + "<head><access domain=\"test\"/></head><card id=\"b1\"/>" << "card=b1";
    QTest::newRow("a domain matching only part of a label")
        << link + "<head><access domain=\"e.test\"/></head><card id=\"b1\"/>" << "card=a; error~Access denied";
    QTest::newRow("a referrer under the path")
        << QStringLiteral("<card id=\"a\"><p><a href=\"/b.wml\">B</a></p></card>\n=== b.wml\n"
                          "<head><access path=\"/\"/></head><card id=\"b1\"/>")
        << "card=b1";
    QTest::newRow("cards of the same deck are not checked")
        << QStringLiteral("<head><access domain=\"example.com\"/></head>"
                          "<card id=\"a\"><p><a href=\"#b\">B</a></p></card><card id=\"b\"/>")
        << "card=b";
}

void PhoneNavigationTest::accessControl()
{
    QFETCH(QString, decks);
    QFETCH(QString, expect);
    PhoneScenario::run(decks, QStringLiteral("select"), expect);
}

void PhoneNavigationTest::postfields_data()
{
    QTest::addColumn<QString>("go");
    QTest::addColumn<QString>("expect");

    const QString fields = QStringLiteral("<postfield name=\"q\" value=\"$(q)\"/><postfield name=\"n\" value=\"a b&amp;c\"/>");
    QTest::newRow("get appends the fields to the query")
        << "<go href=\"s.wml\">" + fields + "</go>"
        << "card=s; lastrequest=s.wml?q=x%20y&n=a%20b%26c; history=a.wml,s.wml?q=x%20y&n=a%20b%26c";
    QTest::newRow("get keeps the query the href has")
        << "<go href=\"s.wml?p=1\">" + fields + "</go>" << "lastrequest=s.wml?p=1&q=x%20y&n=a%20b%26c";
    QTest::newRow("post sends them as the body")
        << "<go href=\"s.wml\" method=\"post\">" + fields + "</go>"
        << "card=s; post=q=x%20y&n=a%20b%26c; lastrequest=s.wml; history=a.wml,s.wml";
    QTest::newRow("fields of a card in the same deck are ignored")
        << "<go href=\"#c\">" + fields + "</go>" << "card=c; requests=1";
    QTest::newRow("no-cache fetches the deck again")
        << "<go href=\"#c\" cache-control=\"no-cache\">" + fields + "</go>" << "card=c; requests=2";
    QTest::newRow("accept-charset names the set the fields are sent in")
        << "<go href=\"s.wml\" method=\"post\" accept-charset=\"unknown, iso-8859-2\"><postfield name=\"c\" value=\"č\"/></go>"
        << "post=c=%E8";
    QTest::newRow("else the fields go in the deck's set")
        << "<go href=\"s.wml\" method=\"post\"><postfield name=\"c\" value=\"č\"/></go>" << "post=c=%C4%8D";
    QTest::newRow("a postfield value with unesc")
        << "<go href=\"s.wml\" method=\"post\"><postfield name=\"v\" value=\"$(e:unesc)\"/></go>"
        << "post=v=%25%20%20";
}

void PhoneNavigationTest::postfields()
{
    QFETCH(QString, go);
    QFETCH(QString, expect);
    const QString decks = QStringLiteral(
        "<card id=\"a\"><onevent type=\"onenterforward\"><refresh><setvar name=\"e\" value=\"%25%20 \"/></refresh>"
        "</onevent><p><input name=\"q\"/><anchor>Send%1</anchor></p></card><card id=\"c\"/>\n=== s.wml\n<card id=\"s\"/>")
                              .arg(go);
    PhoneScenario::run(decks, QStringLiteral("text=x y,down,select"), expect);
}

void PhoneNavigationTest::compiledDeckLoads()
{
    const auto source = WmlDocument::parse(QStringLiteral(
        "<?xml version=\"1.0\"?><!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
        "\"http://www.wapforum.org/DTD/wml13.dtd\"><wml><card id=\"c\" title=\"Bin\"><p>Compiled $(x)</p></card></wml>"));
    PhoneScenario::StubFetcher fetcher;
    fetcher.files.insert(PhoneScenario::base + QStringLiteral("deck.wmlc"), WbxmlWriter::encode(*source));
    Browser browser(fetcher, DeviceProfile());
    QVERIFY(browser.load(PhoneScenario::base + QStringLiteral("deck.wmlc")));
    QCOMPARE(browser.cardId(), QStringLiteral("c"));
    QCOMPARE(browser.screen().title, QStringLiteral("Bin"));
    QCOMPARE(browser.screen().lines.size(), 1);
    QCOMPARE(browser.screen().lines.first().runs.first().text, QStringLiteral("Compiled"));
}

TARNEL_TEST(PhoneNavigationTest)
#include "phonenavigationtest.moc"
