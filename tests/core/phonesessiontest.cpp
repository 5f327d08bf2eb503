// The Phone mode without widgets: the session over the engine (the
// editor's text served for the document's address, reload keeping the
// context and the card, typing into a field, scrolling that follows the
// focus, the inspector's lists), the skin's key rectangles and the painter.
#include "browser/documentfetcher.h"
#include "browser/phonepainter.h"
#include "browser/phonesession.h"
#include "phonescenario.h"
#include "preview/deviceskin.h"
#include "preview/skinkeys.h"

#include "testregistry.h"

#include <QSignalSpy>
#include <QTest>

class PhoneSessionTest : public QObject
{
    Q_OBJECT

private slots:
    void documentFetcherServesTheText_data();
    void documentFetcherServesTheText();
    void reloadKeepsContextAndCard_data();
    void reloadKeepsContextAndCard();
    void typingIntoAField_data();
    void typingIntoAField();
    void keyboardBack_data();
    void keyboardBack();
    void noCallInsideAFetch();
    void scrollFollowsFocus();
    void inspectorLists();
    void variableEditRelaysOut();
    void digitPicksInAList();
    void skinKeyRectangles_data();
    void skinKeyRectangles();
    void skinKeyAt();
    void shippedSkinsHaveTheirKeys();
    void painterMagnification_data();
    void painterMagnification();
    void painterShowsFocusAndSoftKeys();
};

namespace {

const QUrl documentUrl(QStringLiteral("http://phone.test/doc.wml"));

QString deck(const QString &body)
{
    return QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                          "\"http://www.wapforum.org/DTD/wml13.dtd\">\n<wml>%1</wml>")
        .arg(body);
}

QString lineText(const Screen &screen, int line)
{
    QString text;
    for (const ScreenRun &run : screen.lines.value(line).runs)
        text += run.text;
    return text;
}

QString allText(const Screen &screen)
{
    QStringList lines;
    for (int i = 0; i < screen.lines.size(); ++i)
        lines << lineText(screen, i);
    return lines.join(QLatin1Char('|'));
}

} // namespace

void PhoneSessionTest::documentFetcherServesTheText_data()
{
    QTest::addColumn<QString>("request");
    QTest::addColumn<bool>("fromEditor");

    QTest::newRow("the document") << "http://phone.test/doc.wml" << true;
    QTest::newRow("the document with a card") << "http://phone.test/doc.wml#b" << true;
    QTest::newRow("the document with a query") << "http://phone.test/doc.wml?x=1" << true;
    QTest::newRow("another deck") << "http://phone.test/other.wml" << false;
    QTest::newRow("another host") << "http://elsewhere.test/doc.wml" << false;
}

void PhoneSessionTest::documentFetcherServesTheText()
{
    QFETCH(QString, request);
    QFETCH(bool, fromEditor);
    PhoneScenario::StubFetcher next;
    next.files.insert(QStringLiteral("http://phone.test/other.wml"), "other");
    next.files.insert(QStringLiteral("http://elsewhere.test/doc.wml"), "elsewhere");
    DocumentFetcher fetcher(next);
    fetcher.setDocument(documentUrl, QStringLiteral("čeština"));
    FetchRequest asked;
    asked.url = QUrl(request);
    const FetchResult result = fetcher.fetch(asked);
    QVERIFY(result.ok);
    QCOMPARE(next.requests.size(), fromEditor ? 0 : 1);
    if (fromEditor) {
        QCOMPARE(QString::fromUtf8(result.bytes), QStringLiteral("čeština"));
        QVERIFY(result.contentType.contains("utf-8"));
    }
    QCOMPARE(fetcher.lastRequest().url, asked.url);
}

void PhoneSessionTest::reloadKeepsContextAndCard_data()
{
    QTest::addColumn<QString>("edited");
    QTest::addColumn<QString>("card");
    QTest::addColumn<QString>("screen");
    QTest::addColumn<int>("history");

    QTest::newRow("the card still exists: it stays, with the new text")
        << deck("<card id=\"a\"><p><a href=\"#b\">Next</a></p></card><card id=\"b\"><p>Two $(x) changed</p></card>")
        << "b" << "Two 1 changed" << 2;
    QTest::newRow("the card is gone: the first card, history kept")
        << deck("<card id=\"a\"><p>Only one now</p></card>") << "a" << "Only one now" << 2;
    QTest::newRow("a broken deck: the error shows")
        << QStringLiteral("<wml><card") << "b" << "" << 2;
}

void PhoneSessionTest::reloadKeepsContextAndCard()
{
    QFETCH(QString, edited);
    QFETCH(QString, card);
    QFETCH(QString, screen);
    QFETCH(int, history);
    PhoneScenario::StubFetcher network;
    PhoneSession session(network);
    session.open(deck("<card id=\"a\"><p><anchor>Next<go href=\"#b\"><setvar name=\"x\" value=\"1\"/></go></anchor></p></card>"
                      "<card id=\"b\"><p>Two $(x)</p></card>"),
                 documentUrl, DeviceProfile());
    QVERIFY(session.press(Browser::Key::Select));
    QCOMPARE(session.browser()->cardId(), QStringLiteral("b"));

    session.open(edited, documentUrl, DeviceProfile());
    QCOMPARE(session.browser()->cardId(), card);
    QCOMPARE(session.browser()->context().value(QStringLiteral("x")), QStringLiteral("1"));
    QCOMPARE(session.browser()->context().history().size(), history);
    if (screen.isEmpty())
        QVERIFY(!session.screen().error.isEmpty());
    else
        QCOMPARE(allText(session.screen()), screen);
    QCOMPARE(network.requests.size(), 0); // all from the editor's text
}

void PhoneSessionTest::typingIntoAField_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("erased");
    QTest::addColumn<QString>("value");
    QTest::addColumn<bool>("accepted");

    QTest::newRow("digits fit the mask") << "1234" << 0 << "1234" << true;
    QTest::newRow("a letter is refused, the field stays open") << "12a4" << 0 << "" << false;
    QTest::newRow("backspace erases the last character") << "12345" << 1 << "1234" << true;
    QTest::newRow("too short for NNNN") << "12" << 0 << "" << false;
}

void PhoneSessionTest::typingIntoAField()
{
    QFETCH(QString, typed);
    QFETCH(int, erased);
    QFETCH(QString, value);
    QFETCH(bool, accepted);
    PhoneScenario::StubFetcher network;
    PhoneSession session(network);
    session.open(deck("<card id=\"a\"><p>PIN <input name=\"pin\" format=\"NNNN\"/></p></card>"), documentUrl,
                 DeviceProfile());
    QSignalSpy changes(&session, &PhoneSession::changed);
    for (const QChar c : typed)
        QVERIFY(session.typeText(QString(c)));
    QVERIFY(session.isEditing());
    for (int i = 0; i < erased; ++i)
        QVERIFY(session.erase());
    QCOMPARE(session.press(Browser::Key::Select), accepted);
    QCOMPARE(session.isEditing(), !accepted);
    QCOMPARE(session.browser()->context().value(QStringLiteral("pin")), value);
    QCOMPARE(session.message().isEmpty(), accepted);
    QVERIFY(changes.size() >= typed.size());
    if (!accepted) {
        QVERIFY(session.press(Browser::Key::Soft2)); // cancels
        QVERIFY(!session.isEditing());
        QVERIFY(session.draft().isEmpty());
    }
}

void PhoneSessionTest::keyboardBack_data()
{
    QTest::addColumn<bool>("backKey");
    QTest::addColumn<QString>("cardDo");
    QTest::addColumn<QString>("card");

    QTest::newRow("the phone's back key") << true << "" << "a";
    QTest::newRow("no back key: the engine's Back on the right") << false << "" << "a";
    QTest::newRow("no back key: a prev do on the right") << false << "<do type=\"prev\" label=\"Up\"><prev/></do>" << "a";
    QTest::newRow("no back key: the card's prev do runs, whatever it does")
        << false << "<do type=\"prev\" label=\"Stay\"><go href=\"#b\"/></do>" << "b";
}

void PhoneSessionTest::keyboardBack()
{
    QFETCH(bool, backKey);
    QFETCH(QString, cardDo);
    QFETCH(QString, card);
    PhoneScenario::StubFetcher network;
    PhoneSession session(network);
    DeviceProfile profile;
    profile.backKey = backKey;
    session.open(deck("<card id=\"a\"><p><a href=\"#b\">B</a></p></card><card id=\"b\">" + cardDo + "<p>B</p></card>"),
                 documentUrl, profile);
    session.press(Browser::Key::Select);
    QCOMPARE(session.browser()->cardId(), QStringLiteral("b"));
    session.keyboardBack();
    QCOMPARE(session.browser()->cardId(), card);
}

namespace {

// A network whose fetch, as a transfer runner's event loop may, lets the
// timer and a key reach the session meanwhile.
class ReenteringFetcher : public Fetcher
{
public:
    PhoneSession *session = nullptr;
    QList<bool> answers;
    FetchResult fetch(const FetchRequest &) override
    {
        answers << session->isBusy() << session->press(Browser::Key::Back);
        session->advance(100);
        FetchResult result;
        result.ok = true;
        result.bytes = "<wml><card id=\"far\"><p>Far</p></card></wml>";
        return result;
    }
};

} // namespace

void PhoneSessionTest::noCallInsideAFetch()
{
    ReenteringFetcher network;
    PhoneSession session(network);
    network.session = &session;
    session.open(deck("<card id=\"a\"><onevent type=\"ontimer\"><go href=\"#b\"/></onevent><timer value=\"50\"/>"
                      "<p><a href=\"http://far.test/x.wml\">Far</a></p></card><card id=\"b\"/>"),
                 documentUrl, DeviceProfile());
    QVERIFY(!session.isBusy());
    QVERIFY(session.press(Browser::Key::Select));
    QCOMPARE(network.answers, QList<bool>({true, false}));
    QCOMPARE(session.browser()->cardId(), QStringLiteral("far"));
    QVERIFY(!session.isBusy());
}

void PhoneSessionTest::scrollFollowsFocus()
{
    PhoneScenario::StubFetcher network;
    PhoneSession session(network);
    QString body;
    for (int i = 1; i <= 12; ++i)
        body += QStringLiteral("<a href=\"#a\">Link %1</a><br/>").arg(i);
    session.open(deck("<card id=\"a\"><p>" + body + "</p></card>"), documentUrl, DeviceProfile());
    const DeviceProfile profile;
    const int bodyHeight = PhoneSession::bodyHeight(session.screen(), profile);
    QCOMPARE(session.scrollTop(), 0);
    for (int i = 0; i < 11; ++i) {
        session.press(Browser::Key::Down);
        const Screen &screen = session.screen();
        int top = 0;
        for (int line = 0; line < screen.items[screen.focus].line; ++line)
            top += screen.lines[line].height;
        const int bottom = top + screen.lines[screen.items[screen.focus].line].height;
        QVERIFY2(top >= session.scrollTop() && bottom <= session.scrollTop() + bodyHeight,
                 qPrintable(QStringLiteral("item %1 not shown").arg(screen.focus)));
    }
    const int down = session.scrollTop();
    QVERIFY(down > 0);
    for (int i = 0; i < 11; ++i)
        session.press(Browser::Key::Up);
    QCOMPARE(session.screen().focus, 0);
    QCOMPARE(session.scrollTop(), 0);
}

void PhoneSessionTest::inspectorLists()
{
    PhoneScenario::StubFetcher network;
    PhoneSession session(network);
    session.open(deck("<template><do type=\"prev\" label=\"Back\"><prev/></do>"
                      "<do type=\"options\" name=\"help\" label=\"Help\"><go href=\"#a\"/></do></template>"
                      "<card id=\"a\"><p><anchor>Go<go href=\"#b\"><setvar name=\"b\" value=\"2\"/>"
                      "<setvar name=\"a\" value=\"1\"/></go></anchor></p></card>"
                      "<card id=\"b\"><onevent type=\"ontimer\"><prev/></onevent><timer value=\"50\"/>"
                      "<do type=\"prev\" label=\"Return\"><prev/></do><p>B</p></card>"),
                 documentUrl, DeviceProfile());
    QCOMPARE(session.timerRemaining(), -1);
    QCOMPARE(session.lastRequest(), QStringLiteral("GET http://phone.test/doc.wml"));
    session.press(Browser::Key::Select);
    const QList<QPair<QString, QString>> expected{{"a", "1"}, {"b", "2"}};
    QCOMPARE(session.variables(), expected);
    QCOMPARE(session.history(),
             QStringList({"http://phone.test/doc.wml", "http://phone.test/doc.wml#b"}));
    QCOMPARE(session.timerRemaining(), 50);
    // The card's prev shadows the template's; the template's help stays.
    QCOMPARE(session.activeDos(), QStringList({"prev: Return", "options help: Help"}));
    session.advance(50);
    QCOMPARE(session.browser()->cardId(), QStringLiteral("a"));
    QCOMPARE(session.timerRemaining(), -1);
    session.restart();
    QVERIFY(session.variables().isEmpty());
    QCOMPARE(session.history().size(), 1);
}

void PhoneSessionTest::variableEditRelaysOut()
{
    PhoneScenario::StubFetcher network;
    PhoneSession session(network);
    session.open(deck("<card id=\"a\"><p>Hi $(who)</p><p><select name=\"s\"><option value=\"x\">X</option>"
                      "<option value=\"y\">Y</option></select></p></card>"),
                 documentUrl, DeviceProfile());
    QCOMPARE(lineText(session.screen(), 0).trimmed(), QStringLiteral("Hi"));
    session.setVariable(QStringLiteral("who"), QStringLiteral("Ann"));
    QCOMPARE(lineText(session.screen(), 0), QStringLiteral("Hi Ann"));
    session.setVariable(QStringLiteral("s"), QStringLiteral("y"));
    QVERIFY(session.screen().items.value(0).text.startsWith(QLatin1Char('Y')));
}

void PhoneSessionTest::digitPicksInAList()
{
    PhoneScenario::StubFetcher network;
    PhoneSession session(network);
    session.open(deck("<card id=\"a\"><p><select name=\"s\"><option value=\"x\">X</option>"
                      "<option value=\"y\">Y</option><option value=\"z\">Z</option></select></p></card>"),
                 documentUrl, DeviceProfile());
    QVERIFY(!session.typeText(QStringLiteral("3"))); // no list open, no input field
    QVERIFY(session.press(Browser::Key::Select));
    QVERIFY(session.screen().menuOpen);
    QVERIFY(session.typeText(QStringLiteral("3")));
    QVERIFY(!session.screen().menuOpen);
    QCOMPARE(session.browser()->context().value(QStringLiteral("s")), QStringLiteral("z"));
}

void PhoneSessionTest::skinKeyRectangles_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("rect");

    QTest::newRow("four numbers") << "24,206,54,13" << QRect(24, 206, 54, 13);
    QTest::newRow("spaces around") << " 1, 2 ,3 , 4 " << QRect(1, 2, 3, 4);
    QTest::newRow("missing") << "" << QRect();
    QTest::newRow("three numbers") << "1,2,3" << QRect();
    QTest::newRow("not a number") << "1,2,x,4" << QRect();
    QTest::newRow("zero width") << "1,2,0,4" << QRect();
    QTest::newRow("negative") << "-1,2,3,4" << QRect();
}

void PhoneSessionTest::skinKeyRectangles()
{
    QFETCH(QString, text);
    QFETCH(QRect, rect);
    QCOMPARE(SkinKeys::parseRect(text), rect);
}

void PhoneSessionTest::skinKeyAt()
{
    const QHash<QString, QString> ini{{"key_soft1", "10,10,20,10"}, {"key_back", "50,10,20,10"},
                                      {"key_up", "bad"}};
    const SkinKeys keys = SkinKeys::read([&](const QString &key) { return ini.value(key); });
    QCOMPARE(keys.keyAt(QPoint(15, 15)), SkinKeys::Key::Soft1);
    QCOMPARE(keys.keyAt(QPoint(69, 19)), SkinKeys::Key::Back);
    QCOMPARE(keys.keyAt(QPoint(40, 15)), SkinKeys::Key::None);
    QVERIFY(keys.rect(SkinKeys::Key::Up).isEmpty());
    QVERIFY(SkinKeys::read([](const QString &) { return QString(); }).isEmpty());
}

void PhoneSessionTest::shippedSkinsHaveTheirKeys()
{
    const QByteArray before = qgetenv("TARNEL_PROGRAM_DIR");
    qputenv("TARNEL_PROGRAM_DIR", TARNEL_SOURCE_DIR);
    const QStringList devices = SkinList::deviceNames().mid(1);
    QStringList problems;
    for (const QString &device : devices) {
        const DeviceSkin skin = DeviceSkin::read(device);
        const QRect screen(skin.left, skin.top, skin.width, skin.height);
        for (const SkinKeys::Key key : SkinKeys::all()) {
            const QRect rect = skin.keys.rect(key);
            // Each key is there, below the screen, and no two keys overlap.
            if (rect.isEmpty() || rect.top() <= screen.bottom())
                problems << device + QLatin1Char(' ') + SkinKeys::name(key);
            for (const SkinKeys::Key other : SkinKeys::all()) {
                if (other != key && rect.intersects(skin.keys.rect(other)))
                    problems << device + QStringLiteral(" overlap ") + SkinKeys::name(key);
            }
        }
    }
    if (before.isNull())
        qunsetenv("TARNEL_PROGRAM_DIR");
    else
        qputenv("TARNEL_PROGRAM_DIR", before);
    QCOMPARE(devices.size(), 3);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QStringLiteral(", "))));
}

void PhoneSessionTest::painterMagnification_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<double>("aspect");
    QTest::addColumn<QSize>("room");
    QTest::addColumn<int>("factor");
    QTest::addColumn<QSize>("shown");

    QTest::newRow("exact fit") << 96 << 65 << 1.0 << QSize(96, 65) << 1 << QSize(96, 65);
    QTest::newRow("too small still shows once") << 96 << 65 << 1.0 << QSize(50, 50) << 1 << QSize(96, 65);
    QTest::newRow("three times") << 96 << 65 << 1.0 << QSize(300, 200) << 3 << QSize(288, 195);
    QTest::newRow("tall pixels limit the height") << 96 << 65 << 1.5 << QSize(300, 200) << 2 << QSize(192, 195);
}

void PhoneSessionTest::painterMagnification()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(double, aspect);
    QFETCH(QSize, room);
    QFETCH(int, factor);
    QFETCH(QSize, shown);
    DeviceProfile profile;
    profile.screenWidth = width;
    profile.screenHeight = height;
    profile.pixelAspect = aspect;
    QCOMPARE(PhonePainter::magnification(profile, room), factor);
    QCOMPARE(PhonePainter::magnifiedSize(profile, factor), shown);
}

void PhoneSessionTest::painterShowsFocusAndSoftKeys()
{
    PhoneScenario::StubFetcher network;
    PhoneSession session(network);
    session.open(deck("<card id=\"a\"><do type=\"accept\" label=\"Go\"><go href=\"#a\"/></do><p><a href=\"#a\">Link</a></p></card>"),
                 documentUrl, DeviceProfile());
    const DeviceProfile profile;
    PhonePainter::State state;
    const QImage image = PhonePainter::paint(session.screen(), profile, state);
    QCOMPARE(image.size(), QSize(profile.screenWidth, profile.screenHeight));
    const int row = PhoneSession::rowHeight(profile);
    // The focused link is inverted: ink fills the start of its line.
    QCOMPARE(QColor(image.pixel(1, 1)), QColor(Qt::black));
    // The soft key row is ruled off and holds ink (the label "Go").
    const int keysTop = profile.screenHeight - row;
    QCOMPARE(QColor(image.pixel(profile.screenWidth / 2, keysTop)), QColor(Qt::black));
    int ink = 0;
    for (int y = keysTop + 1; y < profile.screenHeight; ++y)
        for (int x = 0; x < 20; ++x)
            ink += QColor(image.pixel(x, y)) == QColor(Qt::black);
    QVERIFY(ink > 5);
}

TARNEL_TEST(PhoneSessionTest)
#include "phonesessiontest.moc"
