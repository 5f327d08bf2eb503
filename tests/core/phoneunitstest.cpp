// The phone engine's smaller rules on their own: access control matching
// (WML 1.3, 11.3.1), URL-escaping of variables (10.3.1) and the real
// decks of tests/data: each loads, and every link and soft key of its
// first card can be followed without a crash.
#include "phonescenario.h"

#include "browser/accesscontrol.h"
#include "browser/browser.h"
#include "browser/browsercontext.h"
#include "browser/keysequence.h"
#include "browser/relativeurl.h"
#include "browser/standardfetcher.h"
#include "browser/variablesubstitution.h"
#include "wml/wmldocument.h"

#include "testregistry.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

// The program's fetcher for files; the network stays out of the tests.
class FileOnlyFetcher : public Fetcher
{
public:
    FetchResult fetch(const FetchRequest &request) override
    {
        if (!request.url.isLocalFile())
            return FetchResult::failure(QStringLiteral("No network in tests"));
        return m_files.fetch(request);
    }

private:
    StandardFetcher m_files;
};

} // namespace

class PhoneUnitsTest : public QObject
{
    Q_OBJECT

private slots:
    void accessMatching_data();
    void accessMatching();
    void hrefEscaping_data();
    void hrefEscaping();
    void shortestReferer_data();
    void shortestReferer();
    void keySequences_data();
    void keySequences();
    void realDecks_data();
    void realDecks();
    void fileDecksResolveRelativeLinks();
};

void PhoneUnitsTest::accessMatching_data()
{
    QTest::addColumn<QString>("domain");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("referer");
    QTest::addColumn<bool>("allowed");

    // The examples of WML 1.3, 11.3.1.
    QTest::newRow("domain and path") << "wapforum.org" << "/cbb" << "http://wapforum.org/cbb/stocks.cgi" << true;
    QTest::newRow("a sub-domain") << "wapforum.org" << "/cbb" << "https://www.wapforum.org/cbb/bonds.cgi" << true;
    QTest::newRow("deeper path and query")
        << "wapforum.org" << "/cbb" << "http://www.wapforum.org/cbb/demos/alpha/packages.cgi?x=123&y=456" << true;
    QTest::newRow("another domain") << "wapforum.org" << "/cbb" << "http://www.test.net/cbb" << false;
    QTest::newRow("another path") << "wapforum.org" << "/cbb" << "http://www.wapforum.org/internal/foo.wml" << false;
    QTest::newRow("part of a label is no match") << "forum.org" << "" << "http://wapforum.org/x" << false;
    QTest::newRow("part of a segment is no match") << "wapforum.org" << "/X" << "http://wapforum.org/XZ/a" << false;
    QTest::newRow("whole segment") << "wapforum.org" << "/X" << "http://wapforum.org/X/Y" << true;
    QTest::newRow("domain defaults to the deck's own") << "" << "" << "http://deck.example/x" << true;
    QTest::newRow("the deck's own domain only") << "" << "" << "http://other.example/x" << false;
    QTest::newRow("a relative path is the deck's folder") << "" << "sub" << "http://deck.example/app/sub/a.wml" << true;
    QTest::newRow("a relative path elsewhere") << "" << "sub" << "http://deck.example/other/a.wml" << false;
}

void PhoneUnitsTest::accessMatching()
{
    QFETCH(QString, domain);
    QFETCH(QString, path);
    QFETCH(QString, referer);
    QFETCH(bool, allowed);
    QCOMPARE(AccessControl::allows(domain, path, QUrl(QStringLiteral("http://deck.example/app/deck.wml")), QUrl(referer)),
             allowed);
}

void PhoneUnitsTest::hrefEscaping_data()
{
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("escaped");

    QTest::newRow("unreserved marks stay") << "a-_.!~*'()z" << "a-_.!~*'()z";
    QTest::newRow("reserved characters") << "a/b?c=d&e;f:g@h+i,j$" << "a%2Fb%3Fc%3Dd%26e%3Bf%3Ag%40h%2Bi%2Cj%24";
    QTest::newRow("space and percent") << "1 %" << "1%20%25";
    QTest::newRow("letters beyond ASCII as UTF-8") << "č" << "%C4%8D";
}

void PhoneUnitsTest::hrefEscaping()
{
    QFETCH(QString, value);
    QFETCH(QString, escaped);
    BrowserContext context;
    context.setValue(QStringLiteral("v"), value);
    using VariableSubstitution::Context;
    QCOMPARE(VariableSubstitution::substitute(QStringLiteral("$(v)"), context, Context::Href), escaped);
    QCOMPARE(VariableSubstitution::substitute(QStringLiteral("$(v)"), context, Context::Text), value);
    QCOMPARE(VariableSubstitution::unescape(escaped), value);
}

void PhoneUnitsTest::shortestReferer_data()
{
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("reference");

    QTest::newRow("same folder") << "http://h/a/b.wml" << "http://h/a/menu.wml" << "menu.wml";
    QTest::newRow("the same deck") << "http://h/a/b.wml?x=1" << "http://h/a/b.wml" << "b.wml";
    QTest::newRow("a folder up") << "http://h/a/b/c.wml" << "http://h/a/menu.wml" << "../menu.wml";
    QTest::newRow("a folder down") << "http://h/a/c.wml" << "http://h/a/b/menu.wml" << "b/menu.wml";
    QTest::newRow("far apart: the path") << "http://h/a/b/c/d.wml" << "http://h/x.wml" << "/x.wml";
    QTest::newRow("with its query") << "http://h/a/c.wml" << "http://h/a/m.wml?p=1" << "m.wml?p=1";
    QTest::newRow("another host") << "http://h/a.wml" << "http://g/a.wml" << "http://g/a.wml";
    QTest::newRow("another port") << "http://h/a.wml" << "http://h:81/a.wml" << "http://h:81/a.wml";
}

void PhoneUnitsTest::shortestReferer()
{
    QFETCH(QString, base);
    QFETCH(QString, target);
    QFETCH(QString, reference);
    QCOMPARE(RelativeUrl::between(QUrl(base), QUrl(target)), reference);
    QCOMPARE(QUrl(base).resolved(QUrl(reference)), QUrl(target));
}

void PhoneUnitsTest::keySequences_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<int>("steps");
    QTest::addColumn<QString>("bad");

    QTest::newRow("keys") << "up,down,select,soft1,soft2,back" << 6 << "";
    QTest::newRow("arguments") << "text=a b,pick=2,wait=10" << 3 << "";
    QTest::newRow("escaped comma in text") << "text=a\\,b,select" << 2 << "";
    QTest::newRow("empty list") << "" << 0 << "";
    QTest::newRow("unknown key") << "up,jump" << -1 << "jump";
    QTest::newRow("pick needs a number from 1") << "pick=0" << -1 << "pick=0";
    QTest::newRow("wait needs a number") << "wait=x" << -1 << "wait=x";
}

void PhoneUnitsTest::keySequences()
{
    QFETCH(QString, list);
    QFETCH(int, steps);
    QFETCH(QString, bad);
    QList<KeySequence::Step> parsed;
    QString badKey;
    QCOMPARE(KeySequence::parse(list, &parsed, &badKey), steps >= 0);
    QCOMPARE(badKey, bad);
    if (steps >= 0)
        QCOMPARE(parsed.size(), steps);
    if (list.startsWith(QLatin1String("text=a\\,")))
        QCOMPARE(parsed.first().argument, QStringLiteral("a,b"));
}

void PhoneUnitsTest::realDecks_data()
{
    QTest::addColumn<QString>("path");
    const QDir dir(QStringLiteral(TARNEL_SOURCE_DIR "/tests/data/check/real"));
    const QStringList decks = dir.entryList({QStringLiteral("*.wml")}, QDir::Files, QDir::Name);
    QVERIFY2(decks.size() >= 20, "at least twenty real decks");
    for (const QString &deck : decks)
        QTest::newRow(qPrintable(deck)) << dir.filePath(deck);
}

void PhoneUnitsTest::realDecks()
{
    QFETCH(QString, path);
    FileOnlyFetcher fetcher;
    Browser browser(fetcher, DeviceProfile());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    if (!WmlDocument::parse(QString::fromUtf8(file.readAll()))->isWellFormed()) {
        // A broken deck is refused as a phone refuses it: an error screen
        // that says where.
        QVERIFY(!browser.load(path));
        QVERIFY2(browser.screen().error.contains(QLatin1String("not well-formed (line ")),
                 qPrintable(browser.screen().error));
        QVERIFY(!browser.hasCard());
        QVERIFY(!browser.press(Browser::Key::Select).accepted || browser.screen().error.isEmpty());
        return;
    }
    QVERIFY2(browser.load(path), qPrintable(browser.screen().error));
    QVERIFY(browser.hasCard());
    QVERIFY(!browser.screen().lines.isEmpty() || !browser.screen().title.isEmpty()
            || !browser.screen().soft1.label.isEmpty());
    const int items = int(browser.screen().items.size());
    // Every link and field of the first card, each from a fresh start.
    for (int item = 0; item < items; ++item) {
        Browser fresh(fetcher, DeviceProfile());
        QVERIFY(fresh.load(path));
        for (int down = 0; down < item; ++down)
            fresh.press(Browser::Key::Down);
        QCOMPARE(fresh.screen().focus, item);
        QVERIFY(fresh.press(Browser::Key::Select).accepted);
        fresh.screen();
        fresh.press(Browser::Key::Back);
        QVERIFY(fresh.hasCard());
    }
    for (const Browser::Key key : {Browser::Key::Soft1, Browser::Key::Soft2}) {
        Browser fresh(fetcher, DeviceProfile());
        QVERIFY(fresh.load(path));
        const bool hasLabel = !(key == Browser::Key::Soft1 ? fresh.screen().soft1 : fresh.screen().soft2).label.isEmpty();
        QCOMPARE(fresh.press(key).accepted, hasLabel);
        if (fresh.screen().menuOpen) // an Options list: every entry
            for (int entry = 1; entry <= fresh.screen().menu.entries.size(); ++entry) {
                Browser other(fetcher, DeviceProfile());
                other.load(path);
                other.press(key);
                QVERIFY(other.pick(entry).accepted);
                other.screen();
            }
        fresh.advance(600);
        QVERIFY(fresh.hasCard());
    }
}

void PhoneUnitsTest::fileDecksResolveRelativeLinks()
{
    // The diary's index links to add_entry.wml beside it, which was not kept.
    FileOnlyFetcher fetcher;
    Browser browser(fetcher, DeviceProfile());
    QVERIFY(browser.load(QStringLiteral(TARNEL_SOURCE_DIR "/tests/data/check/real/diary-index.wml")));
    QVERIFY(browser.url().isLocalFile());
    browser.press(Browser::Key::Down);
    QVERIFY(browser.press(Browser::Key::Select).accepted);
    QCOMPARE(browser.screen().error, QStringLiteral("File not found: add_entry.wml"));
    QCOMPARE(browser.cardId(), QStringLiteral("main"));

    const QString missing = QDir::temp().filePath(QStringLiteral("tarnel-no-such-deck.wml"));
    Browser other(fetcher, DeviceProfile());
    QVERIFY(!other.load(missing));
    QVERIFY2(other.screen().error.contains(QLatin1String("tarnel-no-such-deck.wml")), qPrintable(other.screen().error));
}

TARNEL_TEST(PhoneUnitsTest)
#include "phoneunitstest.moc"
