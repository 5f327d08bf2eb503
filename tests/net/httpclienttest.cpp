#include "localserver.h"
#include "testregistry.h"

#include "common/tarnelerror.h"
#include "net/httpclient.h"
#include "net/transfercontrol.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

const QByteArray page = "<wml>\r\n<card id=\"home\"><p>Hello</p></card>\r\n</wml>\r\n";
const QByteArray missingPage = "<wml><card id=\"missing\"><p>No such page</p></card></wml>";
// Short enough for the tests, long enough for a loaded machine's local server.
const TransferLimits testLimits{2000ms, 400ms};

struct Outcome
{
    QByteArray body;
    QString error;
};

Outcome fetch(const QString &address, const ProxySetting &proxy = {}, TransferControl *control = nullptr)
{
    TransferControl own(testLimits);
    Outcome outcome;
    try {
        outcome.body = HttpClient::get(address, proxy, control ? *control : own);
    } catch (const TarnelError &error) {
        outcome.error = error.text();
    }
    return outcome;
}

} // namespace

// The HTTP client against real servers on 127.0.0.1.
class HttpClientTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<LocalServer> m_http;
    std::unique_ptr<LocalServer> m_silent;
    std::unique_ptr<LocalServer> m_proxy;

    QString url(const QString &path) const { return QStringLiteral("http://") + m_http->address(path); }

private slots:
    void initTestCase()
    {
        for (const char *name : {"page.wml", "my page.wml"}) {
            QFile file(m_root.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(page);
        }
        m_http = std::make_unique<LocalServer>(QStringList{"http", m_root.path()});
        m_silent = std::make_unique<LocalServer>(QStringList{"silent"});
        m_proxy = std::make_unique<LocalServer>(QStringList{"proxy"});
        QVERIFY(m_http->isRunning() && m_silent->isRunning() && m_proxy->isRunning());
    }

    void cleanupTestCase()
    {
        m_http.reset();
        m_silent.reset();
        m_proxy.reset();
    }

    void returnsTheBodyOfTheFinalResponse_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QStringList>("requests");
        QTest::newRow("a page") << "/page.wml" << page << QStringList{"GET /page.wml HTTP/1.0"};
        QTest::newRow("a redirection") << "/go/page.wml" << page
                                       << QStringList{"GET /go/page.wml HTTP/1.0", "GET /page.wml HTTP/1.0"};
        QTest::newRow("two redirections") << "/go/go/page.wml" << page
                                          << QStringList{"GET /go/go/page.wml HTTP/1.0", "GET /go/page.wml HTTP/1.0",
                                                         "GET /page.wml HTTP/1.0"};
        QTest::newRow("a 404 still has a body") << "/none.wml" << missingPage << QStringList{"GET /none.wml HTTP/1.0"};
        QTest::newRow("a space in the path") << "/my page.wml" << page << QStringList{"GET /my%20page.wml HTTP/1.0"};
    }
    void returnsTheBodyOfTheFinalResponse()
    {
        QFETCH(QString, path);
        QFETCH(QByteArray, body);
        QFETCH(QStringList, requests);
        const qsizetype before = m_http->log().size();
        const Outcome outcome = fetch(url(path));
        QCOMPARE(outcome.error, QString());
        QCOMPARE(outcome.body, body);
        QCOMPARE(m_http->log().mid(before), requests);
    }

    void reportsTheSizeAndTheBytesReceived()
    {
        TransferControl control(testLimits);
        QCOMPARE(fetch(url(QStringLiteral("/page.wml")), {}, &control).body, page);
        QCOMPARE(control.bytesDone(), qint64(page.size()));
        QCOMPARE(control.bytesTotal(), qint64(page.size()));
    }

    void sendsTheRequestToTheProxy()
    {
        // The host need not exist: only the proxy looks it up.
        const Outcome outcome = fetch(QStringLiteral("http://wap.example.invalid/deck.wml"),
                                      {QStringLiteral("127.0.0.1"), m_proxy->port()});
        QCOMPARE(outcome.error, QString());
        const QString request = QStringLiteral("GET http://wap.example.invalid/deck.wml HTTP/1.0");
        QCOMPARE(m_proxy->log().last(), request);
        QVERIFY(outcome.body.contains(request.toUtf8()));
    }

    void failuresAreReportedAndTheNextGetWorks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("refused port") << "refused" << "Couldn't connect to server";
        QTest::newRow("server that never answers") << "silent" << "The transfer stalled: nothing moved for 0.4 seconds";
        QTest::newRow("connection dropped mid-body") << "drop" << "transfer closed with 99000 bytes remaining";
        QTest::newRow("proxy that refuses") << "refused proxy" << "Couldn't connect to server";
        QTest::newRow("scheme not offered") << "file" << "file";
        QTest::newRow("cancelled before the start") << "cancelled" << "Transfer cancelled";
    }
    void failuresAreReportedAndTheNextGetWorks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        TransferControl control(testLimits);
        QElapsedTimer clock;
        clock.start();
        Outcome outcome;
        if (kind == QLatin1String("refused"))
            outcome = fetch(QStringLiteral("http://127.0.0.1:%1/").arg(LocalServer::refusedPort()));
        else if (kind == QLatin1String("silent"))
            outcome = fetch(QStringLiteral("http://") + m_silent->address(QStringLiteral("/a.wml")));
        else if (kind == QLatin1String("drop"))
            outcome = fetch(url(QStringLiteral("/drop/")));
        else if (kind == QLatin1String("refused proxy"))
            outcome = fetch(url(QStringLiteral("/page.wml")), {QStringLiteral("127.0.0.1"), LocalServer::refusedPort()});
        else if (kind == QLatin1String("file"))
            outcome = fetch(QStringLiteral("file:///etc/hostname"));
        else {
            control.cancel();
            outcome = fetch(url(QStringLiteral("/page.wml")), {}, &control);
        }
        QVERIFY2(outcome.error.contains(error), qPrintable(outcome.error));
        QVERIFY(outcome.body.isEmpty());
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(fetch(url(QStringLiteral("/page.wml"))).body, page);
    }

    void cancelStopsARunningTransfer()
    {
        TransferControl control(testLimits);
        Outcome outcome;
        QElapsedTimer clock;
        clock.start();
        std::thread worker([&] { outcome = fetch(url(QStringLiteral("/slow")), {}, &control); });
        // The slow page takes four seconds; stop it once it has begun.
        const QDeadlineTimer deadline(3000);
        while (control.bytesDone() == 0 && !deadline.hasExpired())
            QTest::qSleep(10);
        const qint64 seen = control.bytesDone();
        control.cancel();
        worker.join();
        QVERIFY(seen > 0);
        QCOMPARE(control.bytesTotal(), qint64(40000));
        QCOMPARE(outcome.error, QStringLiteral("Transfer cancelled"));
        QVERIFY(clock.elapsed() < 3000);
    }
};

TARNEL_TEST(HttpClientTest)
#include "httpclienttest.moc"
