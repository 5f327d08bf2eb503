#include "testregistry.h"

#include "common/tarnelerror.h"
#include "net/downloadfolder.h"
#include "net/remoteaddress.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {
// The text of the TarnelError that fn throws, or "" when it throws none.
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

// The rules behind the remote dialogs' fields, and the download files.
class RemoteAddressTest : public QObject
{
    Q_OBJECT

private slots:
    void httpAddressesGainASchemeOnlyWhenTheyHaveNone_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("fetched");
        QTest::newRow("bare host and path") << "example.com/a.wml" << "http://example.com/a.wml";
        QTest::newRow("host with port") << "example.com:8080/a" << "http://example.com:8080/a";
        QTest::newRow("already http") << "http://example.com/" << "http://example.com/";
        QTest::newRow("capital HTTP") << "HTTP://example.com/" << "HTTP://example.com/";
        QTest::newRow("https") << "https://example.com/a" << "https://example.com/a";
        QTest::newRow("ftp on the http tab") << "ftp://example.com/a" << "ftp://example.com/a";
        QTest::newRow("blanks around") << "  example.com  " << "http://example.com";
        QTest::newRow("scheme further in") << "example.com/?u=http://x" << "http://example.com/?u=http://x";
    }
    void httpAddressesGainASchemeOnlyWhenTheyHaveNone()
    {
        QFETCH(QString, typed);
        QFETCH(QString, fetched);
        QCOMPARE(RemoteAddress::withScheme(typed, QStringLiteral("http")), fetched);
    }

    void ftpHostsLoseTheirScheme_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("error");
        QTest::newRow("completed") << "ftp://ftp.example.com" << "ftp.example.com" << "";
        QTest::newRow("capitals and slash") << "FTP://ftp.example.com/" << "ftp.example.com" << "";
        QTest::newRow("bare host") << "ftp.example.com" << "ftp.example.com" << "";
        QTest::newRow("another scheme") << "http://example.com" << ""
                                        << "'http://example.com' is not an FTP address";
    }
    void ftpHostsLoseTheirScheme()
    {
        QFETCH(QString, address);
        QFETCH(QString, host);
        QFETCH(QString, error);
        QString result;
        QCOMPARE(errorOf([&] { result = RemoteAddress::ftpHost(address); }), error);
        QCOMPARE(result, host);
    }

    void portFieldsMustHoldAPortNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("error");
        QTest::newRow("usual") << "21" << 21 << "";
        QTest::newRow("blanks around") << " 2121 " << 2121 << "";
        QTest::newRow("highest") << "65535" << 65535 << "";
        QTest::newRow("letters") << "abc" << 0 << "'abc' is not a valid integer value";
        QTest::newRow("empty") << "" << 0 << "'' is not a valid integer value";
        QTest::newRow("digits then letters") << "21a" << 0 << "'21a' is not a valid integer value";
        QTest::newRow("too long for a number") << "99999999999999999999" << 0
                                               << "'99999999999999999999' is not a valid integer value";
        QTest::newRow("negative") << "-5" << 0 << "'-5' is not a valid port number";
        QTest::newRow("zero") << "0" << 0 << "'0' is not a valid port number";
        QTest::newRow("above the range") << "70000" << 0 << "'70000' is not a valid port number";
    }
    void portFieldsMustHoldAPortNumber()
    {
        QFETCH(QString, text);
        QFETCH(int, port);
        QFETCH(QString, error);
        int result = 0;
        QCOMPARE(errorOf([&] { result = RemoteAddress::portNumber(text); }), error);
        QCOMPARE(result, port);
    }

    void uploadsGoUnderTheFolderWithoutSpaces_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("local");
        QTest::addColumn<QString>("remote");
        QTest::newRow("empty folder is the root") << "" << "/home/u/page.wml" << "/page.wml";
        QTest::newRow("folder gains a slash") << "pub" << "/home/u/page.wml" << "pub/page.wml";
        QTest::newRow("folder with a slash") << "/www/" << "/home/u/page.wml" << "/www/page.wml";
        QTest::newRow("space in the name") << "/www/" << "/home/my docs/my page.wml" << "/www/my_page.wml";
        QTest::newRow("space in the folder") << "my dir" << "/home/u/a b c.wml" << "my_dir/a_b_c.wml";
    }
    void uploadsGoUnderTheFolderWithoutSpaces()
    {
        QFETCH(QString, folder);
        QFETCH(QString, local);
        QFETCH(QString, remote);
        QCOMPARE(RemoteAddress::uploadPath(folder, local), remote);
    }

    void ftpUrlsKeepThePathAsGiven_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("url");
        QTest::newRow("relative") << "h" << 21 << "pub/a.wml" << "ftp://h:21/pub/a.wml";
        QTest::newRow("absolute") << "h" << 2121 << "/pub/a.wml" << "ftp://h:2121//pub/a.wml";
        QTest::newRow("space and percent") << "h" << 21 << "a b%.wml" << "ftp://h:21/a%20b%25.wml";
        QTest::newRow("IPv6 host") << "::1" << 21 << "a.wml" << "ftp://[::1]:21/a.wml";
    }
    void ftpUrlsKeepThePathAsGiven()
    {
        QFETCH(QString, host);
        QFETCH(int, port);
        QFETCH(QString, path);
        QFETCH(QString, url);
        QCOMPARE(RemoteAddress::ftpUrl(host, port, path), url);
    }

    void proxyLoginNamesTheServer_data()
    {
        QTest::addColumn<int>("port");
        QTest::addColumn<QString>("login");
        QTest::newRow("usual port") << 21 << "alice@ftp.example.com";
        QTest::newRow("other port") << 2121 << "alice@ftp.example.com:2121";
    }
    void proxyLoginNamesTheServer()
    {
        QFETCH(int, port);
        QFETCH(QString, login);
        QCOMPARE(RemoteAddress::proxyLogin(QStringLiteral("alice"), QStringLiteral("ftp.example.com"), port), login);
    }

    void everyDownloadGetsAFileOfItsOwn_data()
    {
        QTest::addColumn<QStringList>("existing");
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<QString>("picked");
        QTest::newRow("first download") << QStringList() << QStringList() << "$$$$$$$$.wml";
        QTest::newRow("old download no longer open")
            << QStringList{"$$$$$$$$.wml"} << QStringList() << "$$$$$$$$.wml";
        QTest::newRow("first one open") << QStringList{"$$$$$$$$.wml"} << QStringList{"$$$$$$$$.wml"}
                                        << "$$$$$$$$-2.wml";
        QTest::newRow("two open") << QStringList{"$$$$$$$$.wml", "$$$$$$$$-2.wml"}
                                  << QStringList{"$$$$$$$$-2.wml", "$$$$$$$$.wml"} << "$$$$$$$$-3.wml";
        QTest::newRow("a folder in the way") << QStringList{"$$$$$$$$.wml/"} << QStringList() << "$$$$$$$$-2.wml";
        QTest::newRow("a planted link in the way") << QStringList{"$$$$$$$$.wml@"} << QStringList()
                                                   << "$$$$$$$$-2.wml";
        QTest::newRow("a dangling link in the way") << QStringList{"$$$$$$$$.wml!"} << QStringList()
                                                    << "$$$$$$$$-2.wml";
    }
    void everyDownloadGetsAFileOfItsOwn()
    {
        QFETCH(QStringList, existing);
        QFETCH(QStringList, open);
        QFETCH(QString, picked);
        QTemporaryDir dir;
        QTemporaryDir elsewhere;
        const QString victim = elsewhere.filePath(QStringLiteral("notes.wml"));
        QFile victimFile(victim);
        QVERIFY(victimFile.open(QIODevice::WriteOnly));
        victimFile.write("the user's own notes");
        victimFile.close();
        for (const QString &name : existing) {
            if (name.endsWith(QLatin1Char('/'))) {
                QDir(dir.path()).mkdir(name.chopped(1));
            } else if (name.endsWith(QLatin1Char('@'))) {
                QVERIFY(QFile::link(victim, dir.filePath(name.chopped(1))));
            } else if (name.endsWith(QLatin1Char('!'))) {
                QVERIFY(QFile::link(elsewhere.filePath(QStringLiteral("new.wml")), dir.filePath(name.chopped(1))));
            } else {
                QFile file(dir.filePath(name));
                QVERIFY(file.open(QIODevice::WriteOnly));
            }
        }
        QStringList inUse;
        for (const QString &name : open)
            inUse << dir.filePath(name);
        {
            DownloadFolder folder(dir.path());
            const QString stored = folder.store("<wml>\r\n\xe9</wml>", inUse);
            QCOMPARE(stored, dir.filePath(picked));
            QFile written(stored);
            QVERIFY(written.open(QIODevice::ReadOnly));
            QCOMPARE(written.readAll(), QByteArray("<wml>\r\n\xe9</wml>"));
            QCOMPARE(QFileInfo(stored).permissions() & (QFile::ReadOther | QFile::ReadGroup), QFile::Permissions());
        }
        // Nothing written through a link; the download itself went with the folder object.
        QFile victimAfter(victim);
        QVERIFY(victimAfter.open(QIODevice::ReadOnly));
        QCOMPARE(victimAfter.readAll(), QByteArray("the user's own notes"));
        QVERIFY(!QFileInfo::exists(elsewhere.filePath(QStringLiteral("new.wml"))));
        QVERIFY(!QFileInfo::exists(dir.filePath(picked)));
    }

    void downloadsLiveInAPrivateFolderUntilTheEnd()
    {
        QString folderPath;
        QString first;
        {
            DownloadFolder folder;
            QCOMPARE(folder.path(), QString());
            first = folder.store("a", {});
            const QString second = folder.store("b", {first});
            folderPath = folder.path();
            QCOMPARE(QFileInfo(first).absolutePath(), folderPath);
            QCOMPARE(QFileInfo(second).fileName(), QStringLiteral("$$$$$$$$-2.wml"));
            QVERIFY(folderPath.startsWith(QDir::tempPath() + QStringLiteral("/tarnel-")));
            QCOMPARE(QFileInfo(folderPath).permissions() & ~(QFile::ReadUser | QFile::WriteUser | QFile::ExeUser
                                                                | QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner),
                     QFile::Permissions());
            // Another program's folder is another folder.
            DownloadFolder other;
            QVERIFY(QFileInfo(other.store("c", {})).absolutePath() != folderPath);
        }
        QVERIFY(!QFileInfo::exists(first));
        QVERIFY(!QFileInfo::exists(folderPath));
    }

    void aDownloadFileIsWrittenWholeOrNotAtAll()
    {
        QTemporaryDir dir;
        const QString nowhere = dir.filePath(QStringLiteral("missing"));
        DownloadFolder folder(nowhere);
        QCOMPARE(errorOf([&] { folder.store("x", {}); }),
                 QStringLiteral("Cannot create file ") + nowhere + QStringLiteral("/$$$$$$$$.wml"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    }
};

TARNEL_TEST(RemoteAddressTest)
#include "remoteaddresstest.moc"
