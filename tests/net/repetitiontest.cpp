#include "localserver.h"
#include "testregistry.h"

#include "common/tarnelerror.h"
#include "net/ftpclient.h"
#include "net/httpclient.h"
#include "net/transfercontrol.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include <dirent.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

const QByteArray httpPage = "<wml><card id=\"h\"><p>over HTTP</p></card></wml>";
const QByteArray ftpPage = "<wml>\r\n<card id=\"f\"><p>over FTP \xe9</p></card>\n</wml>";
const TransferLimits testLimits{2000ms, 400ms};

constexpr int transferCount = 200;

// The entries of a /proc/self folder, without the descriptor that lists
// them. For descriptors each entry names what it points to, so a failure
// shows what was left open.
QStringList entriesOf(const char *folder, bool followLinks)
{
    QStringList entries;
    DIR *listing = opendir(folder);
    if (!listing)
        return {QStringLiteral("(cannot list %1)").arg(QString::fromLatin1(folder))};
    const QString own = QString::number(dirfd(listing));
    while (const dirent *entry = readdir(listing)) {
        const QString name = QString::fromLatin1(entry->d_name);
        if (name == QLatin1String(".") || name == QLatin1String("..") || (followLinks && name == own))
            continue;
        if (followLinks) {
            char target[512] = {};
            const QByteArray path = QByteArray(folder) + '/' + entry->d_name;
            const ssize_t length = readlink(path.constData(), target, sizeof target - 1);
            entries << name + QStringLiteral(" -> ") + QString::fromUtf8(target, length > 0 ? length : 0);
        } else {
            entries << name;
        }
    }
    closedir(listing);
    entries.sort();
    return entries;
}

QStringList openDescriptors()
{
    return entriesOf("/proc/self/fd", true);
}

QStringList threads()
{
    return entriesOf("/proc/self/task", false);
}

// What a before/after comparison prints when it fails: the entries that
// appeared.
QString grown(const QStringList &before, const QStringList &after)
{
    QStringList added;
    for (const QString &entry : after) {
        if (!before.contains(entry))
            added << entry;
    }
    return QStringLiteral("%1 before, %2 after; new: %3").arg(before.size()).arg(after.size()).arg(added.join(", "));
}

} // namespace

// Many transfers in a row, some of them failing, leave no descriptor and
// no thread behind.
class RepetitionTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_root;
    std::unique_ptr<LocalServer> m_http;
    std::unique_ptr<LocalServer> m_ftp;
    std::unique_ptr<LocalServer> m_ftpDrop;

    FtpLogin alice(int port) const
    {
        return {QStringLiteral("127.0.0.1"), port, QStringLiteral("alice"), QStringLiteral("s3cret"), {}};
    }

    enum class Kind { Http, Ftp, HttpRefused, HttpDropped, FtpRefused, FtpDropped };

    // Transfer number index: HTTP and FTP by turns, and every tenth fails,
    // in turn over HTTP on a refused port, over HTTP from a server that cuts
    // the body short, and the same two over FTP.
    static Kind kindOf(int index)
    {
        if (index % 10 != 9)
            return index % 2 == 0 ? Kind::Http : Kind::Ftp;
        static constexpr Kind failures[] = {Kind::HttpRefused, Kind::HttpDropped, Kind::FtpRefused, Kind::FtpDropped};
        return failures[(index / 10) % 4];
    }

    // Returns the error text, "" on success.
    QString transfer(Kind kind, QByteArray *body) const
    {
        TransferControl control(testLimits);
        try {
            switch (kind) {
            case Kind::Http:
                *body = HttpClient::get(httpUrl(m_http->address(QStringLiteral("/page.wml"))), {}, control);
                break;
            case Kind::HttpRefused:
                *body = HttpClient::get(QStringLiteral("http://127.0.0.1:%1/page.wml").arg(LocalServer::refusedPort()),
                                        {}, control);
                break;
            case Kind::HttpDropped:
                *body = HttpClient::get(httpUrl(m_http->address(QStringLiteral("/drop/"))), {}, control);
                break;
            case Kind::Ftp:
                *body = FtpClient::download(alice(m_ftp->port()), QStringLiteral("pub/page.wml"), control);
                break;
            case Kind::FtpRefused:
                *body = FtpClient::download(alice(LocalServer::refusedPort()), QStringLiteral("pub/page.wml"), control);
                break;
            case Kind::FtpDropped:
                *body = FtpClient::download(alice(m_ftpDrop->port()), QStringLiteral("pub/page.wml"), control);
                break;
            }
        } catch (const TarnelError &error) {
            return error.text().isEmpty() ? QStringLiteral("(an error without text)") : error.text();
        }
        return QString();
    }
    static QString httpUrl(const QString &address) { return QStringLiteral("http://") + address; }

private slots:
    void initTestCase()
    {
        QVERIFY(QDir(m_root.path()).mkpath(QStringLiteral("pub")));
        for (const auto &[name, bytes] : {std::pair{"page.wml", httpPage}, std::pair{"pub/page.wml", ftpPage}}) {
            QFile file(m_root.filePath(QString::fromLatin1(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        m_http = std::make_unique<LocalServer>(QStringList{"http", m_root.path()});
        m_ftp = std::make_unique<LocalServer>(QStringList{"ftp", m_root.path(), "alice", "s3cret"});
        m_ftpDrop = std::make_unique<LocalServer>(QStringList{"ftpdrop"});
        QVERIFY(m_http->isRunning() && m_ftp->isRunning() && m_ftpDrop->isRunning());
    }

    void cleanupTestCase()
    {
        m_http.reset();
        m_ftp.reset();
        m_ftpDrop.reset();
    }

    void manyTransfersLeaveNoDescriptorOrThreadBehind()
    {
        // One round of every kind first: libcurl's one-time set-up is not
        // a leak, so it is done before the counting starts.
        for (Kind kind : {Kind::Http, Kind::Ftp, Kind::HttpRefused, Kind::HttpDropped, Kind::FtpRefused,
                          Kind::FtpDropped}) {
            QByteArray body;
            transfer(kind, &body);
        }
        const QStringList descriptorsBefore = openDescriptors();
        const QStringList threadsBefore = threads();

        QElapsedTimer clock;
        clock.start();
        const QDeadlineTimer deadline(60000);
        int succeeded = 0;
        int failed = 0;
        for (int index = 0; index < transferCount && !deadline.hasExpired(); ++index) {
            QByteArray body;
            const Kind kind = kindOf(index);
            const QString error = transfer(kind, &body);
            if (kind != Kind::Http && kind != Kind::Ftp) {
                const bool refused = kind == Kind::HttpRefused || kind == Kind::FtpRefused;
                const QString expected = refused ? QStringLiteral("Couldn't connect") : QStringLiteral("bytes remaining");
                QVERIFY2(error.contains(expected), qPrintable(QStringLiteral("transfer %1: \"%2\"").arg(index).arg(error)));
                ++failed;
            } else {
                QVERIFY2(error.isEmpty(), qPrintable(QStringLiteral("transfer %1: %2").arg(index).arg(error)));
                QCOMPARE(body, kind == Kind::Ftp ? ftpPage : httpPage);
                ++succeeded;
            }
        }
        const qint64 loopTime = clock.elapsed();
        QCOMPARE(succeeded + failed, transferCount);
        QCOMPARE(failed, transferCount / 10);

        // Whatever is still closing gets a bounded moment to finish.
        QStringList descriptorsAfter = openDescriptors();
        QStringList threadsAfter = threads();
        const QDeadlineTimer settle(2000);
        while ((descriptorsAfter.size() > descriptorsBefore.size() || threadsAfter.size() > threadsBefore.size())
               && !settle.hasExpired()) {
            QTest::qSleep(20);
            descriptorsAfter = openDescriptors();
            threadsAfter = threads();
        }
        qInfo("%d transfers in %lld ms; descriptors %lld before, %lld after; threads %lld before, %lld after",
              transferCount, loopTime, qlonglong(descriptorsBefore.size()), qlonglong(descriptorsAfter.size()),
              qlonglong(threadsBefore.size()), qlonglong(threadsAfter.size()));
        QVERIFY2(descriptorsAfter.size() <= descriptorsBefore.size(),
                 qPrintable(grown(descriptorsBefore, descriptorsAfter)));
        QVERIFY2(threadsAfter.size() <= threadsBefore.size(), qPrintable(grown(threadsBefore, threadsAfter)));
    }
};

TARNEL_TEST(RepetitionTest)
#include "repetitiontest.moc"
