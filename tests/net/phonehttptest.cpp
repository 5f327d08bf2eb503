#include "localserver.h"
#include "testregistry.h"

#include "browser/browser.h"
#include "browser/standardfetcher.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

// The phone engine over HTTP with the program's fetcher: forms sent by GET
// and POST, the Referer and Cache-Control headers a go asks for, a server
// that is not there.
class PhoneHttpTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<LocalServer> m_http;

    QString url(const QString &path) const { return QStringLiteral("http://") + m_http->address(path); }

    void writePage(const QString &name, const QByteArray &cards)
    {
        QFile file(m_root.filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<?xml version=\"1.0\"?>\n<wml>" + cards + "</wml>\n");
    }

private slots:
    void initTestCase()
    {
        writePage(QStringLiteral("form.wml"),
                  "<card id=\"f\"><do type=\"accept\" label=\"Send\"><go href=\"/submit\" method=\"post\" "
                  "sendreferer=\"true\"><postfield name=\"n\" value=\"$(n)\"/><postfield name=\"c\" value=\"1\"/></go></do>"
                  "<do type=\"options\" label=\"Find\"><go href=\"list.wml\" cache-control=\"no-cache\">"
                  "<postfield name=\"q\" value=\"$(n)\"/></go></do>"
                  "<p>Name <input name=\"n\"/></p></card>");
        writePage(QStringLiteral("list.wml"), "<card id=\"l\"><p>List</p></card>");
        m_http = std::make_unique<LocalServer>(QStringList{"http", m_root.path()});
        QVERIFY(m_http->isRunning());
    }

    void postSendsTheFormWithItsReferer()
    {
        StandardFetcher fetcher;
        Browser browser(fetcher, DeviceProfile());
        QVERIFY2(browser.load(url("/form.wml")), qPrintable(browser.screen().error));
        QVERIFY(browser.type(QStringLiteral("Al B&")).accepted);
        QVERIFY(browser.press(Browser::Key::Soft1).accepted);
        QVERIFY2(browser.screen().error.isEmpty(), qPrintable(browser.screen().error));
        QCOMPARE(browser.cardId(), QStringLiteral("posted"));
        const QStringList log = m_http->log();
        QVERIFY2(log.contains(QStringLiteral("POST /submit HTTP/1.0")), qPrintable(log.join('\n')));
        QVERIFY2(log.contains(QStringLiteral("Body: n=Al%20B%26&c=1")), qPrintable(log.join('\n')));
        QVERIFY2(log.contains(QStringLiteral("Content-Type: application/x-www-form-urlencoded")), qPrintable(log.join('\n')));
        QVERIFY2(log.contains(QStringLiteral("Referer: form.wml")), qPrintable(log.join('\n')));
    }

    void getAppendsTheFieldsAndAsksForAFreshCopy()
    {
        StandardFetcher fetcher;
        Browser browser(fetcher, DeviceProfile());
        QVERIFY(browser.load(url("/form.wml")));
        QVERIFY(browser.type(QStringLiteral("x y")).accepted);
        QVERIFY(browser.press(Browser::Key::Soft2).accepted);
        QCOMPARE(browser.cardId(), QStringLiteral("l"));
        const QStringList log = m_http->log();
        QVERIFY2(log.contains(QStringLiteral("GET /list.wml?q=x%20y HTTP/1.0")), qPrintable(log.join('\n')));
        QVERIFY2(log.contains(QStringLiteral("Cache-Control: no-cache")), qPrintable(log.join('\n')));
    }

    void aServerThatIsNotThereIsAnErrorScreen()
    {
        StandardFetcher fetcher;
        Browser browser(fetcher, DeviceProfile());
        QVERIFY(!browser.load(QStringLiteral("http://127.0.0.1:%1/deck.wml").arg(LocalServer::refusedPort())));
        QVERIFY(!browser.screen().error.isEmpty());
        QVERIFY(!browser.hasCard());
    }
};

TARNEL_TEST(PhoneHttpTest)
#include "phonehttptest.moc"
