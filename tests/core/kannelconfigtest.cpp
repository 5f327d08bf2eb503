#include "testregistry.h"

#include "serve/kannelconfig.h"

#include <QProcess>
#include <QTest>

// The Kannel configuration of Gateway Settings: values that would break
// Kannel's reader or the shell are kept harmless. (Kannel itself reads the
// file in KannelGatewayTest.)
class KannelConfigTest : public QObject
{
    Q_OBJECT

    static QString valueOf(const QString &text, const QString &key)
    {
        for (const QString &line : text.split(QLatin1Char('\n'))) {
            if (line.startsWith(key + QStringLiteral(" = ")))
                return line.mid(key.size() + 3);
        }
        return QStringLiteral("<missing>");
    }

private slots:
    void valuesStayOneQuotedLine()
    {
        KannelSettings settings;
        settings.deckUrl = QStringLiteral("http://127.0.0.1:8080/deck.wml");
        settings.logFolder = QStringLiteral("/tmp/a \"quoted\"\nfolder");
        settings.adminPassword = QStringLiteral("pa\"ss");
        const QString text = KannelConfig::text(settings, QStringLiteral("/tmp/k.conf"));
        QCOMPARE(valueOf(text, QStringLiteral("log-file")), QStringLiteral("\"/tmp/a quotedfolder/bearerbox.log\""));
        QCOMPARE(valueOf(text, QStringLiteral("admin-password")), QStringLiteral("\"pass\""));
        QCOMPARE(valueOf(text, QStringLiteral("wdp-interface-name")), QStringLiteral("\"127.0.0.1\""));
        settings.wdpInterface = QStringLiteral("*");
        QCOMPARE(valueOf(KannelConfig::text(settings, QStringLiteral("/tmp/k.conf")), QStringLiteral("wdp-interface-name")),
                 QStringLiteral("\"*\""));
    }

    void aFreshPasswordEachTime()
    {
        const QString first = KannelConfig::newPassword();
        QCOMPARE(first.size(), 16);
        QVERIFY(first != KannelConfig::newPassword());
        const QString text = KannelConfig::text(KannelSettings(), QStringLiteral("/tmp/k.conf"));
        QVERIFY(valueOf(text, QStringLiteral("admin-password")).size() == 18);
    }

    void startCommandsSurviveTheShell_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("plain") << QStringLiteral("/home/me/kannel.conf");
        QTest::newRow("space") << QStringLiteral("/home/me/my site/kannel.conf");
        QTest::newRow("apostrophe and dollar") << QStringLiteral("/home/me/o'neil $HOME/kannel.conf");
    }
    void startCommandsSurviveTheShell()
    {
        QFETCH(QString, path);
        const QStringList commands = KannelConfig::startCommands(path);
        QCOMPARE(commands.size(), 2);
        QVERIFY(commands.first().startsWith(QLatin1String(KannelConfig::bearerboxProgram)));
        // The shell hands the program the path as one argument, unchanged.
        QString command = commands.first();
        command.replace(QLatin1String(KannelConfig::bearerboxProgram), QStringLiteral("printf %s"));
        QProcess shell;
        shell.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), command});
        QVERIFY(shell.waitForFinished(5000));
        QCOMPARE(QString::fromUtf8(shell.readAllStandardOutput()), path);
    }
};

TARNEL_TEST(KannelConfigTest)
#include "kannelconfigtest.moc"
