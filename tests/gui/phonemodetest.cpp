// The Phone mode of the Preview tab, driven as a user does: keys on the
// phone, clicks on the keys of the skin's picture, the inspector beside it.
#include "localserver.h"
#include "previewfixture.h"
#include "testregistry.h"

#include "browser/phonesession.h"
#include "common/usersettings.h"
#include "preview/htmlviewer.h"
#include "preview/phoneinspector.h"
#include "preview/phoneview.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

namespace {

const QByteArray deck =
    "<?xml version=\"1.0\"?>\n"
    "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" \"http://www.wapforum.org/DTD/wml13.dtd\">\n"
    "<wml>\n"
    "<template><do type=\"prev\" label=\"Back\"><prev/></do></template>\n"
    "<card id=\"home\" title=\"Home\">\n"
    "<do type=\"accept\" label=\"Form\"><go href=\"#form\"/></do>\n"
    "<p><a href=\"#two\">Two</a><br/><a href=\"other.wml\">Other</a><br/><a href=\"#wait\">Wait</a></p>\n"
    "</card>\n"
    "<card id=\"two\" title=\"Two\"><p>Card two</p></card>\n"
    "<card id=\"form\" title=\"Form\">\n"
    "<p>PIN <input name=\"pin\" format=\"NNNN\"/><br/>\n"
    "<select name=\"size\"><option value=\"s\">Small</option><option value=\"l\">Large</option></select></p>\n"
    "</card>\n"
    "<card id=\"wait\" ontimer=\"#two\"><timer value=\"20\"/><p>Waiting</p></card>\n"
    "</wml>\n";

const QByteArray other =
    "<?xml version=\"1.0\"?>\n<wml><card id=\"o\" title=\"Other\"><p>Other deck</p></card></wml>\n";

// The skin of the tests: a 96 x 65 screen and the keys below it.
const QByteArray skin = "bmp=phone.png\nleft=20\ntop=60\nwidth=96\nheight=65\ncolor=#FFFFFF\n"
                        "key_soft1=10,200,30,12\nkey_soft2=100,200,30,12\nkey_up=55,200,30,12\n"
                        "key_down=55,230,30,12\nkey_select=55,215,30,12\nkey_back=100,230,30,12\n";

// Leaves the user's store as a new user has it, whatever the test did.
struct ModeGuard
{
    ~ModeGuard()
    {
        UserSettings::setPhoneMode(false);
        UserSettings::setPhoneInspector(false);
    }
};

struct PhoneFixture : PreviewFixture
{
    ModeGuard guard;

    void start()
    {
        writeSkin(skin);
        folder.write(QStringLiteral("site/other.wml"), other);
        openPage(deck);
        chooseDevice(QStringLiteral("Test phone"));
        tab()->setPhoneMode(true);
        toPreview();
    }
    PhoneView *view() const { return tab()->phoneView(); }
    PhoneSession &session() const { return tab()->phoneSession(); }
    QString card() const { return session().browser() ? session().browser()->cardId() : QString(); }
    void key(Qt::Key key) const { QTest::keyClick(view(), key); }
    // Clicks the middle of a key of the skin (its rectangle in tab pixels).
    void click(const QRect &rect) const
    {
        QLabel *picture = tab()->skinPicture();
        QTest::mouseClick(picture, Qt::LeftButton, {}, picture->mapFrom(tab(), rect.center()));
    }
};

const QRect soft1(10, 200, 30, 12), soft2(100, 200, 30, 12), downKey(55, 230, 30, 12), selectKey(55, 215, 30, 12),
    backKey(100, 230, 30, 12);

} // namespace

class PhoneModeTest : public QObject
{
    Q_OBJECT

private slots:
    void cardsIsTheDefaultAndPhoneIsRemembered()
    {
        ModeGuard guard;
        UserSettings::setPhoneMode(false);
        PreviewFixture f;
        f.openPage(deck);
        QCOMPARE(f.tab()->modeList()->currentText(), QStringLiteral("Cards"));
        f.tab()->setPhoneMode(true);
        QVERIFY(UserSettings::phoneMode());
        f.toPreview();
        QVERIFY(f.tab()->phoneView()->isVisible());
        QVERIFY(!f.tab()->viewer()->isVisible());
        QCOMPARE(f.tab()->phoneSession().browser()->cardId(), QStringLiteral("home"));
        // A window opened later starts in the Phone mode.
        f.trigger("FileNew");
        QCOMPARE(f.tab()->modeList()->currentText(), QStringLiteral("Phone"));
    }

    void linksKeysAndSkinClicks()
    {
        PhoneFixture f;
        f.start();
        QCOMPARE(f.card(), QStringLiteral("home"));
        QVERIFY(f.view()->geometry() == QRect(20, 60, 96, 65));
        // Follow a link with Enter, back with Escape.
        f.key(Qt::Key_Return);
        QCOMPARE(f.card(), QStringLiteral("two"));
        f.key(Qt::Key_Escape);
        QCOMPARE(f.card(), QStringLiteral("home"));
        // The same with the picture's keys: down, select, the back key.
        f.click(downKey);
        QCOMPARE(f.session().screen().focus, 1);
        f.click(selectKey);
        QCOMPARE(f.session().browser()->url().fileName(), QStringLiteral("other.wml"));
        QCOMPARE(f.card(), QStringLiteral("o"));
        f.click(backKey);
        QCOMPARE(f.card(), QStringLiteral("home"));
        // Both soft keys: the left one goes to the form, the right one back.
        f.click(soft1);
        QCOMPARE(f.card(), QStringLiteral("form"));
        f.click(soft2);
        QCOMPARE(f.card(), QStringLiteral("home"));
        f.key(Qt::Key_F1);
        QCOMPARE(f.card(), QStringLiteral("form"));
        f.key(Qt::Key_F2);
        QCOMPARE(f.card(), QStringLiteral("home"));
    }

    void formInputAndOption()
    {
        PhoneFixture f;
        f.start();
        f.key(Qt::Key_F1);
        QCOMPARE(f.card(), QStringLiteral("form"));
        // Typing opens the focused field; a letter does not fit NNNN.
        QTest::keyClicks(f.view(), QStringLiteral("12x"));
        QVERIFY(f.session().isEditing());
        f.key(Qt::Key_Return);
        QVERIFY(f.session().isEditing());
        QVERIFY(f.tab()->phoneMessage()->text().contains(QLatin1String("12x")));
        f.key(Qt::Key_Backspace);
        QTest::keyClicks(f.view(), QStringLiteral("34"));
        f.key(Qt::Key_Return);
        QVERIFY(!f.session().isEditing());
        QCOMPARE(f.session().browser()->context().value(QStringLiteral("pin")), QStringLiteral("1234"));
        // The select: open its list, move down, choose.
        f.key(Qt::Key_Down);
        f.key(Qt::Key_Return);
        QVERIFY(f.session().screen().menuOpen);
        QCOMPARE(f.session().screen().menu.entries, QStringList({"Small", "Large"}));
        f.key(Qt::Key_Down);
        f.key(Qt::Key_Return);
        QVERIFY(!f.session().screen().menuOpen);
        QCOMPARE(f.session().browser()->context().value(QStringLiteral("size")), QStringLiteral("l"));
    }

    void timerRunsOnlyWhileShown()
    {
        PhoneFixture f;
        f.start();
        f.view()->setTickInterval(2);
        f.key(Qt::Key_Down);
        f.key(Qt::Key_Down);
        f.key(Qt::Key_Return);
        QCOMPARE(f.card(), QStringLiteral("wait"));
        QVERIFY(f.view()->clockRunning());
        f.toWml();
        QVERIFY(!f.view()->clockRunning());
        const int left = f.session().timerRemaining();
        QTest::qWait(60);
        QCOMPARE(f.session().timerRemaining(), left);
        f.toPreview(); // no edit: the card and its context stay
        QTRY_COMPARE(f.card(), QStringLiteral("two"));
    }

    void editKeepsTheCard()
    {
        PhoneFixture f;
        f.start();
        f.key(Qt::Key_Return);
        QCOMPARE(f.card(), QStringLiteral("two"));
        f.toWml();
        QString text = f.active()->editor()->text();
        text.replace(QStringLiteral("Card two"), QStringLiteral("Card two, edited"));
        f.active()->editor()->setText(text);
        f.toPreview();
        QCOMPARE(f.card(), QStringLiteral("two"));
        QCOMPARE(f.session().history().size(), 2);
        QString shown;
        for (const ScreenLine &line : f.session().screen().lines)
            for (const ScreenRun &run : line.runs)
                shown += run.text;
        QVERIFY2(shown.contains(QLatin1String("edited")), qPrintable(shown));
    }

    void httpLinksThroughTheClient()
    {
        QTemporaryDir root;
        QFile page(root.filePath(QStringLiteral("far.wml")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.write("<?xml version=\"1.0\"?>\n<wml><card id=\"far\"><p>From the server</p></card></wml>\n");
        page.close();
        LocalServer server({QStringLiteral("http"), root.path()});
        QVERIFY(server.isRunning());
        ModeGuard guard;
        PreviewFixture f;
        const QByteArray links = "<?xml version=\"1.0\"?>\n<wml><card id=\"a\"><p>"
                                 "<a href=\"http://" + server.address(QStringLiteral("/far.wml")).toLatin1() + "\">Far</a><br/>"
                                 "<a href=\"http://127.0.0.1:" + QByteArray::number(LocalServer::refusedPort()) +
                                 "/x.wml\">Dead</a></p></card></wml>\n";
        f.openPage(links);
        f.tab()->setPhoneMode(true);
        f.toPreview();
        PhoneSession &session = f.tab()->phoneSession();
        QTest::keyClick(f.tab()->phoneView(), Qt::Key_Return);
        QCOMPARE(session.browser()->cardId(), QStringLiteral("far"));
        QVERIFY(session.lastRequest().startsWith(QLatin1String("GET http://127.0.0.1:")));
        QVERIFY(server.log().join(QLatin1Char('\n')).contains(QLatin1String("GET /far.wml")));
        QTest::keyClick(f.tab()->phoneView(), Qt::Key_Escape);
        QCOMPARE(session.browser()->cardId(), QStringLiteral("a"));
        // A server that is not there: the phone's screen says so, the card stays.
        QTest::keyClick(f.tab()->phoneView(), Qt::Key_Down);
        QTest::keyClick(f.tab()->phoneView(), Qt::Key_Return);
        QVERIFY(!session.screen().error.isEmpty());
        QCOMPARE(session.browser()->cardId(), QStringLiteral("a"));
        QVERIFY(!session.isBusy());
    }

    void inspectorShowsVariablesAndHistory()
    {
        PhoneFixture f;
        f.start();
        PhoneInspector *inspector = f.tab()->inspector();
        QVERIFY(!inspector->isVisible());
        f.action("mmInspector")->trigger();
        QVERIFY(inspector->isVisible());
        QVERIFY(UserSettings::phoneInspector());
        QVERIFY(f.tab()->phoneSize().width() > inspector->geometry().right());
        f.key(Qt::Key_F1);
        QTest::keyClicks(f.view(), QStringLiteral("4321"));
        f.key(Qt::Key_Return);
        QTableWidget *variables = inspector->variableTable();
        QCOMPARE(variables->rowCount(), 2); // the select sets its variable on entry
        QCOMPARE(variables->item(0, 0)->text(), QStringLiteral("pin"));
        QCOMPARE(variables->item(1, 0)->text(), QStringLiteral("size"));
        QCOMPARE(variables->item(0, 1)->text(), QStringLiteral("4321"));
        QCOMPARE(inspector->historyList()->count(), 2);
        QVERIFY(inspector->historyList()->item(1)->text().endsWith(QLatin1String("#form")));
        QVERIFY(inspector->requestLabel()->text().startsWith(QLatin1String("GET file:")));
        QCOMPARE(inspector->doList()->count(), 1);
        // An edited value is laid out again.
        variables->item(0, 1)->setText(QStringLiteral("9999"));
        QTRY_COMPARE(f.session().browser()->context().value(QStringLiteral("pin")), QStringLiteral("9999"));
        QVERIFY(f.session().screen().items.value(0).text.contains(QLatin1String("9999")));
        // Back and Restart.
        inspector->backButton()->click();
        QCOMPARE(f.card(), QStringLiteral("home"));
        inspector->restartButton()->click();
        QCOMPARE(variables->rowCount(), 0);
        QCOMPARE(inspector->historyList()->count(), 1);
        f.action("mmInspector")->trigger();
        QVERIFY(!inspector->isVisible());
    }
};

TARNEL_TEST(PhoneModeTest)
#include "phonemodetest.moc"
