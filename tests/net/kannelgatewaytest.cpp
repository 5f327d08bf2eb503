#include "testregistry.h"

#include "serve/kannelconfig.h"
#include "wbxml/wbxmlreader.h"
#include "wml/wmldocument.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const char fakewapProgram[] = "/usr/lib/kannel/test/fakewap";
const QByteArray deck = "<?xml version=\"1.0\"?>\n"
                        "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" \"http://www.wapforum.org/DTD/wml_1.1.xml\">\n"
                        "<wml><card id=\"home\" title=\"Gate\"><p>Through the gateway</p></card></wml>\n";
const QByteArray picture = QByteArray::fromHex("000004030f00f0f0"); // 4x3, rows padded to a byte

// Binds a socket of type on 127.0.0.1:port (0 for any) and returns the
// port, or 0 when it is taken.
quint16 bindable(int type, quint16 port)
{
    const int socket = ::socket(AF_INET, type, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    quint16 bound = 0;
    if (::bind(socket, reinterpret_cast<sockaddr *>(&address), size) == 0
        && ::getsockname(socket, reinterpret_cast<sockaddr *>(&address), &size) == 0)
        bound = ntohs(address.sin_port);
    ::close(socket);
    return bound;
}

bool accepts(quint16 port)
{
    const int socket = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(port);
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const bool connected = ::connect(socket, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0;
    ::close(socket);
    return connected;
}

// A process of the test, stopped by its own id when the object goes.
struct Child
{
    QProcess process;

    ~Child() { stop(); }
    void stop()
    {
        if (process.state() == QProcess::NotRunning)
            return;
        process.terminate();
        if (!process.waitForFinished(8000)) {
            process.kill();
            process.waitForFinished(3000);
        }
    }
};

} // namespace

// The phone server behind a real WAP gateway: tarnel-serve on a free
// port, Kannel's bearerbox and wapbox with the configuration Tools >
// Gateway Settings writes, and Kannel's fake phone asking for the deck
// over WSP. The phone side must receive the deck compiled by the gateway.
class KannelGatewayTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    Child m_serve;
    Child m_bearerbox;
    Child m_wapbox;
    QString m_base;

    // What the fake phone received for path; one more try when nothing
    // came back (the gateway drops what comes before it is ready).
    QByteArray phoneFetch(const QString &path, QString *log)
    {
        QByteArray received = phoneFetchOnce(path, log);
        if (received.isEmpty() && !log->contains(QStringLiteral("status")))
            received = phoneFetchOnce(path, log);
        return received;
    }

    QByteArray phoneFetchOnce(const QString &path, QString *log)
    {
        const QString out = m_dir.filePath(QStringLiteral("received-") + QFileInfo(path).fileName());
        QFile::remove(out);
        QProcess phone;
        phone.start(QString::fromLatin1(fakewapProgram),
                    {QStringLiteral("-g"), QStringLiteral("127.0.0.1"), QStringLiteral("-p"),
                     QString::number(KannelConfig::connectionOrientedPort), QStringLiteral("-m"), QStringLiteral("1"),
                     QStringLiteral("-w"), out, m_base + path});
        if (!phone.waitForFinished(20000)) {
            phone.kill();
            phone.waitForFinished(3000);
        }
        *log = QString::fromLocal8Bit(phone.readAllStandardOutput() + phone.readAllStandardError());
        QFile file(out);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

private slots:
    void initTestCase()
    {
        for (const char *program : {KannelConfig::bearerboxProgram, KannelConfig::wapboxProgram, fakewapProgram}) {
            if (!QFileInfo(QString::fromLatin1(program)).isExecutable())
                QSKIP(qPrintable(QStringLiteral("%1 is not installed (packages kannel, kannel-extras)").arg(QLatin1String(program))));
        }
        if (!bindable(SOCK_DGRAM, KannelConfig::connectionlessPort) || !bindable(SOCK_DGRAM, KannelConfig::connectionOrientedPort))
            QSKIP("the WSP ports 9200/9201 of 127.0.0.1 are taken (another gateway running?); bearerbox cannot move off them");

        const QString site = m_dir.filePath(QStringLiteral("site"));
        QVERIFY(QDir().mkpath(site));
        QFile deckFile(site + QStringLiteral("/deck.wml"));
        QVERIFY(deckFile.open(QIODevice::WriteOnly));
        deckFile.write(deck);
        deckFile.close();
        QFile pictureFile(site + QStringLiteral("/logo.wbmp"));
        QVERIFY(pictureFile.open(QIODevice::WriteOnly));
        pictureFile.write(picture);
        pictureFile.close();

        m_serve.process.start(QStringLiteral(TARNEL_SERVE), {site, QStringLiteral("--port"), QStringLiteral("0")});
        QByteArray banner;
        const QRegularExpression address(QStringLiteral("(http://127\\.0\\.0\\.1:\\d+/)"));
        const QDeadlineTimer started(10000);
        while (m_base.isEmpty() && !started.hasExpired() && m_serve.process.state() != QProcess::NotRunning) {
            m_serve.process.waitForReadyRead(100);
            banner += m_serve.process.readAllStandardOutput();
            const QRegularExpressionMatch match = address.match(QString::fromUtf8(banner));
            if (match.hasMatch() && banner.endsWith('\n'))
                m_base = match.captured(1);
        }
        QVERIFY2(!m_base.isEmpty(), banner.constData());

        KannelSettings settings;
        settings.deckUrl = m_base + QStringLiteral("deck.wml");
        settings.adminPort = bindable(SOCK_STREAM, 0);
        settings.wapboxPort = bindable(SOCK_STREAM, 0);
        settings.logFolder = m_dir.path();
        QVERIFY(settings.adminPort && settings.wapboxPort && settings.adminPort != settings.wapboxPort);
        const QString config = m_dir.filePath(QStringLiteral("kannel.conf"));
        QFile configFile(config);
        QVERIFY(configFile.open(QIODevice::WriteOnly));
        configFile.write(KannelConfig::text(settings, config).toUtf8());
        configFile.close();

        m_bearerbox.process.setProcessChannelMode(QProcess::MergedChannels);
        m_bearerbox.process.start(QString::fromLatin1(KannelConfig::bearerboxProgram), {config});
        // Probed on the administration port: a probe of the wapbox's port
        // would look to bearerbox like a wapbox that left.
        const QDeadlineTimer up(15000);
        while (!accepts(settings.adminPort) && !up.hasExpired() && m_bearerbox.process.state() != QProcess::NotRunning)
            QTest::qWait(100);
        QVERIFY2(accepts(settings.adminPort), m_bearerbox.process.readAll().constData());
        m_wapbox.process.setProcessChannelMode(QProcess::MergedChannels);
        m_wapbox.process.start(QString::fromLatin1(KannelConfig::wapboxProgram), {config});
        QVERIFY(m_wapbox.process.waitForStarted(5000));
        // The wapbox says in its log when the bearerbox has it; datagrams
        // that come before are lost.
        QFile wapboxLog(m_dir.filePath(QStringLiteral("wapbox.log")));
        const QDeadlineTimer linked(15000);
        QByteArray logText;
        while (!logText.contains("Connected to bearerbox") && !linked.hasExpired()
               && m_wapbox.process.state() != QProcess::NotRunning) {
            QTest::qWait(100);
            if (wapboxLog.isOpen() || wapboxLog.open(QIODevice::ReadOnly))
                logText += wapboxLog.readAll();
        }
        QVERIFY2(logText.contains("Connected to bearerbox"), logText.constData());
        // bearerbox routes to the wapbox a moment after it connects.
        QTest::qWait(1500);
    }

    void cleanupTestCase()
    {
        m_wapbox.stop();
        m_bearerbox.stop();
        m_serve.stop();
    }

    void thePhoneReceivesTheDeckCompiledByTheGateway()
    {
        QString log;
        const QByteArray received = phoneFetch(QStringLiteral("deck.wml"), &log);
        QVERIFY2(!received.isEmpty(), qPrintable(log));
        QVERIFY2(log.contains(QStringLiteral("200")), qPrintable(log));
        const WbxmlReader::Result decoded = WbxmlReader::decode(received);
        QVERIFY2(decoded.error.isEmpty(), qPrintable(decoded.error));
        const auto document = WmlDocument::parse(decoded.text);
        QVERIFY2(document->isWellFormed(), qPrintable(decoded.text));
        QVERIFY(document->root());
        const QList<const WmlNode *> cards = document->root()->elements(u"card");
        QCOMPARE(cards.size(), 1);
        QCOMPARE(cards.first()->value(u"id"), QStringLiteral("home"));
        QCOMPARE(cards.first()->value(u"title"), QStringLiteral("Gate"));
        QVERIFY(decoded.text.contains(QStringLiteral("Through the gateway")));
        // The gateway asked tarnel-serve for it over HTTP.
        QByteArray served;
        const QDeadlineTimer deadline(5000);
        while (!served.contains("GET\t/deck.wml\t200\t") && !deadline.hasExpired()) {
            m_serve.process.waitForReadyRead(100);
            served += m_serve.process.readAllStandardOutput();
        }
        QVERIFY2(served.contains("GET\t/deck.wml\t200\t"), served.constData());
    }

    void thePhoneReceivesThePicture()
    {
        QString log;
        QCOMPARE(phoneFetch(QStringLiteral("logo.wbmp"), &log), picture);
    }

    void aMissingDeckReachesThePhoneAsNotFound()
    {
        QString log;
        phoneFetch(QStringLiteral("missing.wml"), &log);
        QVERIFY2(log.contains(QStringLiteral("404")), qPrintable(log));
    }
};

TARNEL_TEST(KannelGatewayTest)
#include "kannelgatewaytest.moc"
