#include "testregistry.h"

#include "serve/serveaddresses.h"

#include <QTest>

// The addresses Serve to Phone shows for a phone or a gateway to type.
class ServeAddressesTest : public QObject
{
    Q_OBJECT

private slots:
    void urlsAreTypeable_data()
    {
        QTest::addColumn<QString>("host");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("url");
        QTest::newRow("ipv4 deck") << "192.168.1.20" << "deck.wml" << "http://192.168.1.20:8080/deck.wml";
        QTest::newRow("no deck") << "127.0.0.1" << "" << "http://127.0.0.1:8080/";
        QTest::newRow("ipv6 in brackets") << "::1" << "deck.wml" << "http://[::1]:8080/deck.wml";
        QTest::newRow("space and accent encoded") << "127.0.0.1" << "my page \u010d.wml"
                                                  << "http://127.0.0.1:8080/my%20page%20%C4%8D.wml";
        QTest::newRow("sub-folder keeps its slash") << "127.0.0.1" << "shop/list.wml" << "http://127.0.0.1:8080/shop/list.wml";
    }
    void urlsAreTypeable()
    {
        QFETCH(QString, host);
        QFETCH(QString, path);
        QFETCH(QString, url);
        QCOMPARE(ServeAddresses::url(host, 8080, path), url);
    }

    void hostsOfTheListenAddress()
    {
        QCOMPARE(ServeAddresses::hosts(QStringLiteral("127.0.0.1")), QStringList{QStringLiteral("127.0.0.1")});
        QCOMPARE(ServeAddresses::hosts(QStringLiteral("localhost")), QStringList{QStringLiteral("127.0.0.1")});
        const QStringList all = ServeAddresses::hosts(QStringLiteral("0.0.0.0"));
        // Network addresses first, a phone cannot use the loopback one.
        QVERIFY(!all.isEmpty());
        QVERIFY(all.last().startsWith(QStringLiteral("127.")));
        QVERIFY(!all.contains(QStringLiteral("0.0.0.0")));
        for (const QString &host : all)
            QVERIFY2(!host.contains(QLatin1Char(':')), qPrintable(host));
        QVERIFY(ServeAddresses::isLoopback(QStringLiteral("127.0.0.1")));
        QVERIFY(!ServeAddresses::isLoopback(QStringLiteral("0.0.0.0")));
    }
};

TARNEL_TEST(ServeAddressesTest)
#include "serveaddressestest.moc"
