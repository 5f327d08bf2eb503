#include "localserver.h"
#include "testregistry.h"

#include "common/tarnelerror.h"
#include "net/ftpclient.h"
#include "net/transfercontrol.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QDeadlineTimer>
#include <QTest>
#include <memory>
#include <thread>

using namespace std::chrono_literals;

namespace {

// 8-bit bytes and both line breaks must arrive unchanged.
const QByteArray page = "<wml>\r\n<card><p>\xe9t\xe9</p></card>\n</wml>";
const TransferLimits testLimits{2000ms, 400ms};

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(missing)");
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The error text of a download or upload, "" when it worked.
template <typename Fn> QString errorOf(Fn fn)
{
    try {
        fn();
    } catch (const TarnelError &error) {
        return error.text();
    }
    return QString();
}

} // namespace

// The FTP client against pyftpdlib and small hand-made servers on 127.0.0.1.
class FtpClientTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<LocalServer> m_ftp;
    std::unique_ptr<LocalServer> m_proxy;
    std::unique_ptr<LocalServer> m_silent;
    std::unique_ptr<LocalServer> m_drop;
    // The same folder served by servers that take uploads slowly, drop
    // the session mid-upload, or refuse to rename onto an existing file.
    std::unique_ptr<LocalServer> m_slow;
    std::unique_ptr<LocalServer> m_cut;
    std::unique_ptr<LocalServer> m_keep;

    FtpLogin alice(const LocalServer *server = nullptr) const
    {
        return {QStringLiteral("127.0.0.1"), (server ? server : m_ftp.get())->port(), QStringLiteral("alice"),
                QStringLiteral("s3cret"), {}};
    }
    QStringList filesIn(const QString &folder) const
    {
        return QDir(m_root.filePath(folder)).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    QByteArray download(const FtpLogin &login, const QString &remote) const
    {
        TransferControl control(testLimits);
        return FtpClient::download(login, remote, control);
    }

private slots:
    void initTestCase()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("pub"));
        QDir(m_root.path()).mkpath(QStringLiteral("up"));
        writeFile(m_root.filePath(QStringLiteral("pub/page.wml")), page);
        writeFile(m_root.filePath(QStringLiteral("pub/my page.wml")), page);
        m_ftp = std::make_unique<LocalServer>(QStringList{"ftp", m_root.path(), "alice", "s3cret"});
        m_proxy = std::make_unique<LocalServer>(QStringList{"ftpproxy"});
        m_silent = std::make_unique<LocalServer>(QStringList{"silent"});
        m_drop = std::make_unique<LocalServer>(QStringList{"ftpdrop"});
        m_slow = std::make_unique<LocalServer>(QStringList{"ftp", m_root.path(), "alice", "s3cret", "slow"});
        m_cut = std::make_unique<LocalServer>(QStringList{"ftp", m_root.path(), "alice", "s3cret", "cut"});
        m_keep = std::make_unique<LocalServer>(QStringList{"ftp", m_root.path(), "alice", "s3cret", "norenameover"});
        for (const LocalServer *server : {m_ftp.get(), m_proxy.get(), m_silent.get(), m_drop.get(), m_slow.get(),
                                          m_cut.get(), m_keep.get()})
            QVERIFY(server->isRunning());
    }

    void cleanupTestCase()
    {
        m_ftp.reset();
        m_proxy.reset();
        m_silent.reset();
        m_drop.reset();
        m_slow.reset();
        m_cut.reset();
        m_keep.reset();
    }

    void downloadsWithUserAndPasswordThenQuits_data()
    {
        QTest::addColumn<QString>("remote");
        QTest::addColumn<QString>("retrieve");
        QTest::newRow("relative path") << "pub/page.wml" << "RETR pub/page.wml";
        QTest::newRow("absolute path") << "/pub/page.wml" << "RETR /pub/page.wml";
        QTest::newRow("space in the name") << "pub/my page.wml" << "RETR pub/my page.wml";
    }
    void downloadsWithUserAndPasswordThenQuits()
    {
        QFETCH(QString, remote);
        QFETCH(QString, retrieve);
        const qsizetype before = m_ftp->log().size();
        QCOMPARE(download(alice(), remote), page);
        const QStringList session = m_ftp->log().mid(before);
        QCOMPARE(session.mid(0, 2), (QStringList{"USER alice", "PASS s3cret"}));
        QVERIFY2(session.contains(retrieve), qPrintable(session.join(" | ")));
        QVERIFY(session.contains(QStringLiteral("TYPE I")));
        QCOMPARE(session.last(), QStringLiteral("QUIT"));
    }

    void uploadsUnderTheRemotePath_data()
    {
        QTest::addColumn<QString>("remote");
        QTest::addColumn<QString>("stored");
        QTest::newRow("into a folder") << "/up/my_page.wml" << "up/my_page.wml";
        QTest::newRow("into the root") << "/top.wml" << "top.wml";
        QTest::newRow("relative to the log-in folder") << "up/rel.wml" << "up/rel.wml";
    }
    void uploadsUnderTheRemotePath()
    {
        QFETCH(QString, remote);
        QFETCH(QString, stored);
        TransferControl control(testLimits);
        const qsizetype before = m_ftp->log().size();
        FtpClient::upload(alice(), remote, page, control);
        QCOMPARE(readFile(m_root.filePath(stored)), page);
        QCOMPARE(control.bytesDone(), qint64(page.size()));
        // Stored under a temporary name beside the target, then renamed
        // over it in the same session; nothing else is left behind.
        const QStringList session = m_ftp->log().mid(before);
        const QStringList stores = session.filter(QStringLiteral("STOR "));
        QCOMPARE(stores.size(), 1);
        const QString partial = stores[0].mid(5);
        QVERIFY2(partial.startsWith(remote + ".tarnel-") && partial.endsWith(".part"), qPrintable(partial));
        QCOMPARE(session.mid(session.indexOf(stores[0]) + 1, 2),
                 (QStringList{"RNFR " + partial, "RNTO " + remote}));
        QCOMPARE(session.last(), QStringLiteral("QUIT"));
        const QString folder = QFileInfo(m_root.filePath(stored)).path();
        QCOMPARE(QDir(folder).entryList(QDir::Files).filter(QStringLiteral(".part")), QStringList());
    }

    void aBrokenUploadLeavesTheServersCopyAlone_data()
    {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("error");
        QTest::newRow("cancelled mid-transfer") << "slow" << "Transfer cancelled";
        QTest::newRow("session dropped mid-transfer") << "cut" << "";
    }
    void aBrokenUploadLeavesTheServersCopyAlone()
    {
        QFETCH(QString, how);
        QFETCH(QString, error);
        const LocalServer &server = how == QLatin1String("slow") ? *m_slow : *m_cut;
        QDir(m_root.path()).mkpath(QStringLiteral("safe"));
        const QByteArray good = "<wml><card id=\"good\"/></wml>";
        writeFile(m_root.filePath(QStringLiteral("safe/page.wml")), good);
        QByteArray big(4 * 1024 * 1024, 'w');
        const qsizetype before = server.log().size();

        TransferControl control(TransferLimits{2000ms, 3000ms});
        QString text = QStringLiteral("(still running)");
        std::thread upload([&] {
            text = errorOf([&] { FtpClient::upload(alice(&server), QStringLiteral("safe/page.wml"), big, control); });
        });
        if (how == QLatin1String("slow")) {
            // Cancel once part of the data has reached the server, which
            // still serves the old page meanwhile.
            QDeadlineTimer deadline(10000);
            bool partialSeen = false;
            while (!partialSeen && !deadline.hasExpired()) {
                for (const QString &name : filesIn(QStringLiteral("safe")))
                    partialSeen = partialSeen || (name != "page.wml" && QFileInfo(m_root.filePath("safe/" + name)).size() > 0);
                QTest::qWait(20);
            }
            QVERIFY(partialSeen);
            QCOMPARE(readFile(m_root.filePath(QStringLiteral("safe/page.wml"))), good);
            control.cancel();
        }
        upload.join();
        QVERIFY2(!text.isEmpty() && text.contains(error), qPrintable(text));
        QCOMPARE(readFile(m_root.filePath(QStringLiteral("safe/page.wml"))), good);
        QCOMPARE(filesIn(QStringLiteral("safe")), QStringList{QStringLiteral("page.wml")});
        const QStringList session = server.log().mid(before);
        QVERIFY2(session.filter(QStringLiteral("DELE safe/page.wml.tarnel-")).size() == 1,
                 qPrintable(session.join(" | ")));
        QVERIFY(session.filter(QStringLiteral("RNTO")).isEmpty());
    }

    void aServerThatWillNotRenameOverAFileGetsTheOldOneReplaced()
    {
        QDir(m_root.path()).mkpath(QStringLiteral("keep"));
        writeFile(m_root.filePath(QStringLiteral("keep/page.wml")), "old");
        TransferControl control(testLimits);
        FtpClient::upload(alice(m_keep.get()), QStringLiteral("keep/page.wml"), page, control);
        QCOMPARE(readFile(m_root.filePath(QStringLiteral("keep/page.wml"))), page);
        QCOMPARE(filesIn(QStringLiteral("keep")), QStringList{QStringLiteral("page.wml")});
    }

    void pathsWithLineBreaksAreRefusedBeforeAnythingIsSent()
    {
        const qsizetype before = m_ftp->log().size();
        const QString text = errorOf([&] {
            TransferControl control(testLimits);
            FtpClient::upload(alice(), QStringLiteral("up/a.wml\r\nDELE pub/page.wml"), page, control);
        });
        QVERIFY2(text.contains(QStringLiteral("line break")), qPrintable(text));
        QCOMPARE(m_ftp->log().size(), before);
        QCOMPARE(readFile(m_root.filePath(QStringLiteral("pub/page.wml"))), page);
    }

    // While the server reads nothing, the progress of an upload may run
    // ahead of what it has read by no more than its small receive window:
    // bytes queued on this side are not "sent".
    void uploadProgressCountsWhatTheServerCanHave()
    {
        LocalServer stalling({QStringLiteral("ftpstall")});
        QVERIFY(stalling.isRunning());
        const QByteArray big(2'000'000, 'u');
        TransferControl control(TransferLimits{2000ms, 5000ms});
        QString failure = QStringLiteral("(running)");
        std::unique_ptr<QThread> worker(QThread::create([&] {
            failure = errorOf([&] {
                FtpClient::upload({QStringLiteral("127.0.0.1"), stalling.port(), QStringLiteral("u"),
                                   QStringLiteral("p"), {}},
                                  QStringLiteral("/big.bin"), big, control);
            });
        }));
        worker->start();
        qint64 stalledAt = -1;
        QDeadlineTimer deadline(10000);
        while (stalledAt < 0 && !deadline.hasExpired()) {
            for (const QString &line : stalling.log()) {
                if (line.startsWith(QLatin1String("STALL ")))
                    stalledAt = line.mid(6).toLongLong();
            }
            QThread::msleep(20);
        }
        QVERIFY(stalledAt > 0);
        // Give the client time to fill every buffer it can.
        QThread::msleep(1000);
        const qint64 reported = control.bytesDone();
        QVERIFY(worker->wait(15000));
        QCOMPARE(failure, QString());
        QVERIFY2(reported <= stalledAt + 16384,
                 qPrintable(QStringLiteral("reported %1 while the server had read %2").arg(reported).arg(stalledAt)));
        QVERIFY(reported >= 20000 - 16384);
        QVERIFY(stalling.log().contains(QStringLiteral("RECEIVED %1").arg(big.size())));
        QCOMPARE(control.bytesDone(), qint64(big.size()));
    }

    void logsInThroughTheProxyAsUserAtHost()
    {
        FtpLogin login = alice();
        login.proxy = {QStringLiteral("127.0.0.1"), m_proxy->port()};
        const qsizetype before = m_ftp->log().size();
        QCOMPARE(download(login, QStringLiteral("pub/page.wml")), page);
        QCOMPARE(m_proxy->log().last(), QStringLiteral("USER alice@127.0.0.1:%1").arg(m_ftp->port()));
        // The proxy logged in upstream as the user alone, with the password.
        QCOMPARE(m_ftp->log().mid(before, 2), (QStringList{"USER alice", "PASS s3cret"}));
    }

    void failuresAreReportedAndTheNextTransferWorks_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("error");
        QTest::newRow("wrong password") << "password" << "530";
        QTest::newRow("missing file") << "missing" << "550";
        QTest::newRow("upload into a missing folder") << "nofolder" << "550";
        QTest::newRow("refused port") << "refused" << "Couldn't connect to server";
        QTest::newRow("server that never greets") << "silent" << "nothing moved for 0.4 seconds";
        QTest::newRow("connection dropped mid-download") << "drop" << "99000 bytes remaining";
    }
    void failuresAreReportedAndTheNextTransferWorks()
    {
        QFETCH(QString, kind);
        QFETCH(QString, error);
        FtpLogin login = alice();
        QString remote = QStringLiteral("pub/page.wml");
        if (kind == QLatin1String("password"))
            login.password = QStringLiteral("wrong");
        else if (kind == QLatin1String("missing"))
            remote = QStringLiteral("pub/none.wml");
        else if (kind == QLatin1String("refused"))
            login.port = LocalServer::refusedPort();
        else if (kind == QLatin1String("silent"))
            login.port = m_silent->port();
        else if (kind == QLatin1String("drop"))
            login.port = m_drop->port();
        QElapsedTimer clock;
        clock.start();
        QByteArray received;
        const QString text = errorOf([&] {
            TransferControl control(testLimits);
            if (kind == QLatin1String("nofolder"))
                FtpClient::upload(login, QStringLiteral("/nowhere/a.wml"), page, control);
            else
                received = FtpClient::download(login, remote, control);
        });
        QVERIFY2(text.contains(error), qPrintable(text));
        QVERIFY(received.isEmpty());
        QVERIFY(clock.elapsed() < 3000);
        QCOMPARE(download(alice(), QStringLiteral("pub/page.wml")), page);
    }
};

TARNEL_TEST(FtpClientTest)
#include "ftpclienttest.moc"
