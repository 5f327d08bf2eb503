#include "testregistry.h"
#include "toolrun.h"

#include "net/httpclient.h"
#include "net/transfercontrol.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>

using namespace std::chrono_literals;

namespace {

// tarnel-serve running on a free port of 127.0.0.1 (or the address given),
// stopped by its own process id.
class RunningServe
{
public:
    explicit RunningServe(const QString &folder, const QStringList &more = {})
    {
        m_process.start(QStringLiteral(TARNEL_SERVE), QStringList{folder, QStringLiteral("--port"), QStringLiteral("0")} + more);
        const QDeadlineTimer deadline(10000);
        const QRegularExpression address(QStringLiteral("http://([0-9.]+):(\\d+)/"));
        while (!deadline.hasExpired() && m_process.state() != QProcess::NotRunning) {
            m_process.waitForReadyRead(100);
            m_out += m_process.readAllStandardOutput();
            const QRegularExpressionMatch match = address.match(QString::fromUtf8(m_out));
            if (match.hasMatch() && m_out.endsWith('\n')) {
                m_port = match.captured(2).toInt();
                break;
            }
        }
    }
    ~RunningServe()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill();
            m_process.waitForFinished(5000);
        }
    }

    int port() const { return m_port; }
    QByteArray out() { return m_out += m_process.readAllStandardOutput(); }

    // Waits (bounded) until the output holds text.
    bool waitFor(const QByteArray &text)
    {
        const QDeadlineTimer deadline(5000);
        while (!out().contains(text) && !deadline.hasExpired())
            m_process.waitForReadyRead(100);
        return out().contains(text);
    }

    // SIGTERM, as a service manager stops it; the exit code, -1 on a crash.
    int terminate()
    {
        ::kill(pid_t(m_process.processId()), SIGTERM);
        if (!m_process.waitForFinished(5000) || m_process.exitStatus() != QProcess::NormalExit)
            return -1;
        out();
        return m_process.exitCode();
    }

private:
    QProcess m_process;
    QByteArray m_out;
    int m_port = 0;
};

QByteArray get(const QString &address, QByteArray *type = nullptr)
{
    TransferControl control(TransferLimits{2000ms, 2000ms});
    return HttpClient::get(address, ProxySetting(), control, type);
}

} // namespace

// tarnel-serve as a script or a desk-side phone uses it.
class ServeCliTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;

private slots:
    void initTestCase()
    {
        QFile deck(m_folder.filePath(QStringLiteral("deck.wml")));
        QVERIFY(deck.open(QIODevice::WriteOnly));
        deck.write("<wml><card><p>From the desk</p></card></wml>");
    }

    void servesTheFolderAndLogsEachRequest()
    {
        RunningServe serve(m_folder.path());
        QVERIFY2(serve.port() > 0, serve.out().constData());
        QVERIFY(serve.out().contains("Serving "));
        QVERIFY(!serve.out().contains("Anyone on the network"));
        QByteArray type;
        const QString base = QStringLiteral("http://127.0.0.1:%1/").arg(serve.port());
        QCOMPARE(get(base + QStringLiteral("deck.wml"), &type), QByteArray("<wml><card><p>From the desk</p></card></wml>"));
        QCOMPARE(type, QByteArray("text/vnd.wap.wml; charset=UTF-8"));
        get(base + QStringLiteral("deck.wmlc"), &type);
        QCOMPARE(type, QByteArray("application/vnd.wap.wmlc"));
        QVERIFY(serve.waitFor("\tGET\t/deck.wml\t200\t"));
        QVERIFY(serve.waitFor("\tGET\t/deck.wmlc\t200\t"));
        QVERIFY(serve.out().contains("compiled from deck.wml"));
        QCOMPARE(serve.terminate(), 0);
    }

    void listeningOnTheNetworkWarns()
    {
        RunningServe serve(m_folder.path(), {QStringLiteral("--listen"), QStringLiteral("0.0.0.0")});
        QVERIFY2(serve.port() > 0, serve.out().constData());
        QVERIFY(serve.waitFor("Anyone on the network can read every file of this folder."));
        QCOMPARE(serve.terminate(), 0);
    }

    void failuresExitWithACode_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("no folder") << QStringList() << 2 << QByteArray("Name one folder");
        QTest::newRow("two folders") << QStringList{QStringLiteral("a"), QStringLiteral("b")} << 2 << QByteArray("Name one folder");
        QTest::newRow("bad port") << QStringList{QStringLiteral("."), QStringLiteral("--port"), QStringLiteral("x")} << 2
                                  << QByteArray("The port must be");
        QTest::newRow("missing folder") << QStringList{QStringLiteral("/no/such/folder"), QStringLiteral("--port"), QStringLiteral("0")}
                                        << 1 << QByteArray("Cannot serve /no/such/folder");
        QTest::newRow("bad address") << QStringList{QStringLiteral("."), QStringLiteral("--listen"), QStringLiteral("phone")}
                                     << 1 << QByteArray("not an IP address");
    }
    void failuresExitWithACode()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QByteArray, message);
        const ToolRun run = ToolRun::of(QStringLiteral(TARNEL_SERVE), arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(run.err.contains(message), run.err.constData());
    }

    void aTakenPortIsReported()
    {
        RunningServe first(m_folder.path());
        QVERIFY(first.port() > 0);
        const ToolRun run = ToolRun::of(QStringLiteral(TARNEL_SERVE),
                                        {m_folder.path(), QStringLiteral("--port"), QString::number(first.port())});
        QCOMPARE(run.exitCode, 1);
        QVERIFY2(run.err.contains("not available"), run.err.constData());
    }
};

TARNEL_TEST(ServeCliTest)
#include "serveclitest.moc"
