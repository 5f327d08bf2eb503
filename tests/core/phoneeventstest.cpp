// Scenarios of events, shadowing and timers (WML 1.3, 9.6, 9.7, 9.10,
// 11.4 and 11.7), and of variables in text and attributes (10.3).
#include "phonescenario.h"

#include "testregistry.h"

#include <QTest>

class PhoneEventsTest : public QObject
{
    Q_OBJECT

private slots:
    void shadowing_data();
    void shadowing();
    void timers_data();
    void timers();
    void variables_data();
    void variables();
};

void PhoneEventsTest::shadowing_data()
{
    QTest::addColumn<QString>("decks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expect");

    const QString deckDo = QStringLiteral("<template><do type=\"accept\" label=\"Deck\"><go href=\"#t\"/></do></template>");
    QTest::newRow("a template do shows on every card")
        << deckDo + "<card id=\"a\"><p>A</p></card><card id=\"t\"/>" << "soft1" << "card=t";
    QTest::newRow("a card do shadows the template do of the same name")
        << deckDo + "<card id=\"a\"><do type=\"accept\" label=\"Card\"><go href=\"#c\"/></do></card><card id=\"c\"/><card id=\"t\"/>"
        << "soft1" << "card=c";
    QTest::newRow("a card do with noop masks the template do")
        << deckDo + "<card id=\"a\"><do type=\"accept\"><noop/></do><p>A</p></card><card id=\"t\"/>" << ""
        << "soft1=; card=a";
    QTest::newRow("a do of another name does not shadow")
        << deckDo + "<card id=\"a\"><do type=\"accept\" name=\"other\" label=\"Own\"><go href=\"#c\"/></do></card>"
                    "<card id=\"c\"/><card id=\"t\"/>"
        << "" << "soft1=Own; soft2=Deck";
    QTest::newRow("a do name defaults to its type")
        << deckDo + "<card id=\"a\"><do type=\"accept\" name=\"accept\" label=\"Named\"><go href=\"#c\"/></do></card>"
                    "<card id=\"c\"/><card id=\"t\"/>"
        << "" << "soft1=Named";
    QTest::newRow("a do label with a variable")
        << "<card id=\"a\"><onevent type=\"onenterforward\"><refresh><setvar name=\"w\" value=\"Buy\"/></refresh></onevent>"
           "<do type=\"accept\" label=\"$(w) now\"><go href=\"#a\"/></do><do type=\"options\" label=\"$w\"><go href=\"#a\"/></do></card>"
        << "" << "soft1=Buy now; soft2=Buy";
    QTest::newRow("a template event applies to the card")
        << "<template onenterforward=\"#t\"/><card id=\"a\"/><card id=\"t\"><onevent type=\"onenterforward\"><noop/></onevent></card>"
        << "" << "card=t";
    QTest::newRow("a card attribute shadows a template onevent")
        << "<template><onevent type=\"onenterbackward\"><go href=\"#aaa\"/></onevent></template>"
           "<card id=\"a\" onenterbackward=\"#bbb\"><p><a href=\"#x\">X</a></p></card>"
           "<card id=\"x\"><do type=\"prev\"><prev/></do></card><card id=\"aaa\"/><card id=\"bbb\"/>"
        << "select,soft2" << "card=bbb";
    QTest::newRow("a noop onevent masks the template event")
        << "<template><onevent type=\"onenterbackward\"><go href=\"#aaa\"/></onevent></template>"
           "<card id=\"a\"><onevent type=\"onenterbackward\"><noop/></onevent><p><a href=\"#x\">X</a></p></card>"
           "<card id=\"x\"><do type=\"prev\"><prev/></do></card><card id=\"aaa\"/>"
        << "select,soft2" << "card=a; history=a.wml";
    QTest::newRow("onpick of an option")
        << "<card id=\"a\"><p><select><option onpick=\"#b\">B</option><option onpick=\"#c\">C</option></select></p></card>"
           "<card id=\"b\"/><card id=\"c\"/>"
        << "pick=2" << "card=c";
    QTest::newRow("onpick from an onevent element")
        << "<card id=\"a\"><p><select name=\"s\"><option value=\"1\">One</option><option value=\"2\">"
           "<onevent type=\"onpick\"><go href=\"#c\"><setvar name=\"t\" value=\"$(s)\"/></go></onevent>Two</option>"
           "</select></p></card><card id=\"c\"><p>$t</p></card>"
        << "select,down,select" << "card=c; screen=2";
    QTest::newRow("onpick in a multiple list also on deselecting")
        << "<card id=\"a\"><p><select multiple=\"true\" value=\"x\"><option value=\"x\" onpick=\"#b\">X</option></select>"
           "</p></card><card id=\"b\"/>"
        << "pick=1" << "card=b";
}

void PhoneEventsTest::shadowing()
{
    QFETCH(QString, decks);
    QFETCH(QString, keys);
    QFETCH(QString, expect);
    PhoneScenario::run(decks, keys, expect);
}

void PhoneEventsTest::timers_data()
{
    QTest::addColumn<QString>("decks");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("expect");

    const QString timed = QStringLiteral("<card id=\"a\" ontimer=\"#b\"><timer value=\"10\"/><p><a href=\"#c\">C</a></p></card>"
                                         "<card id=\"b\"><p>B</p></card><card id=\"c\"><p>C</p></card>");
    QTest::newRow("the timer runs down") << timed << "wait=4" << "card=a; timer=6";
    QTest::newRow("ontimer on expiry") << timed << "wait=10" << "card=b; timer=none; history=a.wml,a.wml#b";
    QTest::newRow("time passes in steps") << timed << "wait=3,wait=3,wait=3" << "card=a; timer=1";
    QTest::newRow("the timer stops when the card is left") << timed << "wait=3,select,wait=20" << "card=c; timer=none";
    QTest::newRow("the timer starts again on a backward entry")
        << "<card id=\"a\" ontimer=\"#b\"><timer value=\"10\"/><p><a href=\"#c\">C</a></p></card>"
           "<card id=\"b\"/><card id=\"c\"><do type=\"prev\"><prev/></do></card>"
        << "wait=3,select,soft2" << "card=a; timer=10";
    QTest::newRow("a named timer sets its variable from the value")
        << "<card id=\"a\" ontimer=\"#b\"><timer name=\"t\" value=\"30\"/></card><card id=\"b\"/>" << "wait=10"
        << "card=a; timer=20; var:t=30";
    QTest::newRow("a named timer writes the time left on exit")
        << "<card id=\"a\" ontimer=\"#b\"><timer name=\"t\" value=\"30\"/><p><a href=\"#c\">C</a></p></card>"
           "<card id=\"b\"/><card id=\"c\"/>"
        << "wait=10,select" << "card=c; var:t=20";
    QTest::newRow("a named timer sets 0 on expiry")
        << "<card id=\"a\" ontimer=\"#b\"><timer name=\"t\" value=\"30\"/></card><card id=\"b\"/>" << "wait=30"
        << "card=b; var:t=0";
    QTest::newRow("a named timer starts from its variable")
        << "<card id=\"a\"><p><anchor>Go<go href=\"#b\"><setvar name=\"t\" value=\"5\"/></go></anchor></p></card>"
           "<card id=\"b\" ontimer=\"#a\"><timer name=\"t\" value=\"50\"/></card>"
        << "select" << "card=b; timer=5";
    QTest::newRow("refresh stops and resumes a named timer")
        << "<card id=\"a\" ontimer=\"#b\"><timer name=\"t\" value=\"50\"/><p><anchor>R<refresh/></anchor></p></card>"
           "<card id=\"b\"/>"
        << "wait=20,select,wait=10" << "card=a; timer=20";
    QTest::newRow("an unnamed timer restarts from its value on refresh")
        << "<card id=\"a\" ontimer=\"#b\"><timer value=\"50\"/><p><anchor>R<refresh/></anchor></p></card><card id=\"b\"/>"
        << "wait=20,select" << "card=a; timer=50";
    QTest::newRow("a timeout of zero disables the timer")
        << "<card id=\"a\" ontimer=\"#b\"><timer value=\"0\"/></card><card id=\"b\"/>" << "wait=100" << "card=a; timer=none";
    QTest::newRow("a timeout that is not a number is ignored")
        << "<card id=\"a\" ontimer=\"#b\"><timer value=\"1.5\"/></card><card id=\"b\"/>" << "wait=100"
        << "card=a; timer=none";
    QTest::newRow("the template's ontimer")
        << "<template ontimer=\"#b\"/><card id=\"a\"><timer value=\"5\"/></card><card id=\"b\"/>" << "wait=5"
        << "card=b";
    QTest::newRow("a timer value from a variable")
        << "<card id=\"a\"><p><anchor>Go<go href=\"#b\"><setvar name=\"d\" value=\"7\"/></go></anchor></p></card>"
           "<card id=\"b\"><timer value=\"$(d)\"/></card>"
        << "select" << "timer=7";
    QTest::newRow("a timer that comes back at once is bounded")
        << "<card id=\"a\" ontimer=\"#a\"><timer value=\"1\"/><p>Loop</p></card>" << "wait=100000" << "card=a; timer=1";
    QTest::newRow("time passes over the next card's timer")
        << "<card id=\"a\" ontimer=\"#b\"><timer value=\"10\"/></card>"
           "<card id=\"b\" ontimer=\"#c\"><timer value=\"10\"/></card><card id=\"c\"/>"
        << "wait=15" << "card=b; timer=5";
}

void PhoneEventsTest::timers()
{
    QFETCH(QString, decks);
    QFETCH(QString, keys);
    QFETCH(QString, expect);
    PhoneScenario::run(decks, keys, expect);
}

void PhoneEventsTest::variables_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expect");

    // v = "a b", e = "x%20y", d = "$"
    QTest::newRow("parenthesised") << "[$(v)]" << "[a b]";
    QTest::newRow("bare name") << "$v." << "a b.";
    QTest::newRow("undefined is empty") << "<$(nothing)>" << "<>";
    QTest::newRow("two dollars are one") << "$$v $$(v)" << "$v $(v)";
    QTest::newRow("escape in text") << "$(v:escape)" << "a%20b";
    QTest::newRow("unesc") << "$(e:unesc)" << "x y";
    QTest::newRow("noesc") << "$(e:noesc)" << "x%20y";
    QTest::newRow("short and mixed-case conversions") << "$(v:e)/$(e:U)/$(e:N)" << "a%20b/x y/x%20y";
    QTest::newRow("a value holding a dollar is not substituted again") << "$(d)v" << "$v";
    QTest::newRow("a broken reference stays text") << "$(v" << "$(v";
    QTest::newRow("names are case sensitive") << "$(V)-$(v)" << "-a b";
}

void PhoneEventsTest::variables()
{
    QFETCH(QString, text);
    QFETCH(QString, expect);
    const QString deck = QStringLiteral(
        "<card id=\"a\"><onevent type=\"onenterforward\"><refresh><setvar name=\"v\" value=\"a b\"/>"
        "<setvar name=\"e\" value=\"x%20y\"/><setvar name=\"d\" value=\"$$\"/></refresh></onevent>"
        "<p>%1</p></card>")
                             .arg(text.toHtmlEscaped());
    PhoneScenario::run(deck, QString(), QStringLiteral("screen=") + QString(expect).replace(QLatin1Char(';'), QStringLiteral(";;")));
}

TARNEL_TEST(PhoneEventsTest)
#include "phoneeventstest.moc"
