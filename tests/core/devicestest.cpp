// Phone profiles as data/devices.ini gives them, and the compiled size
// gauge measured against them.
#include "testregistry.h"

#include "common/inifile.h"
#include "devices/devicecatalog.h"
#include "devices/decksizereport.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include <QTest>

namespace {

const QString deckStart = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" "
                                         "\"http://www.wapforum.org/DTD/wml_1.1.xml\">\n<wml>");

DeckSizeReport reportOf(int bytes, int limit)
{
    DeckSizeReport report;
    report.known = true;
    report.bytes = bytes;
    report.limit = limit;
    return report;
}

} // namespace

class DevicesTest : public QObject
{
    Q_OBJECT

private slots:
    void readsProfilesAndKeepsGenericFiguresForBrokenOnes()
    {
        const DeviceCatalog catalog = DeviceCatalog::fromIni(IniFile::fromText(QStringLiteral(
            "[devices]\n1=small\n2=missing\n3=broken\n4=small\n5=\n"
            "[small]\nname=Small & Co\nscreen=101 x 80\npixelaspect=1.25\ncolour=yes\ndecklimit=1800\n"
            "wbxml=1.3\nsoftkeys=1\nleft=options\nright=\nbackkey=0\n"
            "[broken]\nscreen=wide\npixelaspect=-2\ndecklimit=-5\nlines=many\nwbxml=2.0\nsoftkeys=7\n")));
        // The listed sections that exist, once each, in list order.
        QCOMPARE(catalog.profiles().size(), 2);
        const DeviceProfile &small = catalog.profiles()[0];
        QCOMPARE(small.id, QStringLiteral("small"));
        QCOMPARE(small.name, QStringLiteral("Small & Co"));
        QCOMPARE(QSize(small.screenWidth, small.screenHeight), QSize(101, 80));
        QCOMPARE(small.pixelAspect, 1.25);
        QVERIFY(small.colour);
        QCOMPARE(small.maxDeckBytes, 1800);
        QCOMPARE(small.wbxmlMinor, 3);
        QCOMPARE(small.softKeys, 1);
        QCOMPARE(small.leftTypes, QStringList{QStringLiteral("options")});
        QVERIFY(small.rightTypes.isEmpty());
        QVERIFY(!small.backKey);

        const DeviceProfile generic;
        const DeviceProfile &broken = catalog.profiles()[1];
        QCOMPARE(broken.name, QStringLiteral("broken"));
        QCOMPARE(QSize(broken.screenWidth, broken.screenHeight), QSize(generic.screenWidth, generic.screenHeight));
        QCOMPARE(broken.pixelAspect, generic.pixelAspect);
        QCOMPARE(broken.maxDeckBytes, generic.maxDeckBytes);
        QCOMPARE(broken.textLines, generic.textLines);
        QCOMPARE(broken.wbxmlMinor, generic.wbxmlMinor);
        QCOMPARE(broken.softKeys, generic.softKeys);

        // Found by id or by name, without regard to case; else the generic phone.
        QCOMPARE(catalog.find(QStringLiteral("SMALL & co"))->id, QStringLiteral("small"));
        QCOMPARE(catalog.profileOrGeneric(QStringLiteral("nonesuch")).name, generic.name);
        QVERIFY(DeviceCatalog::load(QStringLiteral("/nonexistent/devices.ini")).isEmpty());
    }

    void shippedPhonesCarryTheirPublishedLimits_data()
    {
        QTest::addColumn<QString>("id");
        QTest::addColumn<int>("deckLimit");
        QTest::newRow("Nokia 7110") << "nokia7110" << 1397;
        QTest::newRow("UP.Browser 3.2") << "upbrowser32" << 1492;
        QTest::newRow("UP.Browser 4") << "upbrowser4" << 2048;
        QTest::newRow("Motorola T280i") << "motorolat280" << 2048;
        QTest::newRow("Siemens C35") << "siemensc35" << 1800;
        QTest::newRow("Ericsson R320") << "ericssonr320" << 3000;
    }

    void shippedPhonesCarryTheirPublishedLimits()
    {
        QFETCH(QString, id);
        QFETCH(int, deckLimit);
        const DeviceCatalog catalog = DeviceCatalog::load(QStringLiteral(TARNEL_SOURCE_DIR "/data/devices.ini"));
        const DeviceProfile *profile = catalog.find(id);
        QVERIFY(profile);
        QCOMPARE(profile->maxDeckBytes, deckLimit);
    }

    void everyShippedPhoneAndSkinIsComplete()
    {
        const DeviceCatalog catalog = DeviceCatalog::load(QStringLiteral(TARNEL_SOURCE_DIR "/data/devices.ini"));
        QVERIFY(catalog.profiles().size() >= 11);
        const IniFile ini = IniFile::load(QStringLiteral(TARNEL_SOURCE_DIR "/data/devices.ini"));
        for (const DeviceProfile &profile : catalog.profiles()) {
            // Every figure written out, none left to the generic default.
            for (const char *key : {"name", "screen", "pixelaspect", "colour", "lines", "fontsize", "decklimit",
                                    "picturelimit", "urllimit", "wbxml", "softkeys", "left", "right", "backkey"})
                QVERIFY2(ini.contains(profile.id, QLatin1String(key)), qPrintable(profile.id + QLatin1Char(' ') + key));
            QVERIFY2(profile.screenWidth >= 80 && profile.screenHeight >= 30, qPrintable(profile.id));
        }
        const IniFile skins = IniFile::load(QStringLiteral(TARNEL_SOURCE_DIR "/skins/skins.ini"));
        for (const QString &key : skins.keys(QStringLiteral("phones"))) {
            const QString skin = skins.value(QStringLiteral("phones"), key);
            QVERIFY2(catalog.find(skins.value(skin, QStringLiteral("profile"))), qPrintable(skin));
        }
    }

    void gaugeLevelsAndTexts_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("level");
        QTest::addColumn<QString>("english");
        QTest::addColumn<QString>("czech");
        const int fits = int(DeckSizeReport::Level::Fits);
        const int near = int(DeckSizeReport::Level::Near);
        const int over = int(DeckSizeReport::Level::Over);
        QTest::newRow("small") << 204 << 1397 << fits << "204 / 1,397 B" << "204 / 1\u00a0397 B";
        QTest::newRow("exactly 90 %") << 900 << 1000 << fits << "900 / 1,000 B" << "900 / 1\u00a0000 B";
        QTest::newRow("just above 90 %") << 901 << 1000 << near << "901 / 1,000 B" << "901 / 1\u00a0000 B";
        QTest::newRow("at the limit") << 1397 << 1397 << near << "1,397 / 1,397 B" << "1\u00a0397 / 1\u00a0397 B";
        QTest::newRow("one byte over") << 1398 << 1397 << over << "1,398 / 1,397 B" << "1\u00a0398 / 1\u00a0397 B";
    }

    void gaugeLevelsAndTexts()
    {
        QFETCH(int, bytes);
        QFETCH(int, limit);
        QFETCH(int, level);
        QFETCH(QString, english);
        QFETCH(QString, czech);
        const DeckSizeReport report = reportOf(bytes, limit);
        QCOMPARE(int(report.level()), level);
        QCOMPARE(report.text(QLocale(QLocale::English, QLocale::UnitedStates)), english);
        QCOMPARE(report.text(QLocale(QLocale::Czech, QLocale::CzechRepublic)), czech);
    }

    void measuresEachCardsShareAndRefusesABrokenDeck()
    {
        DeviceProfile phone;
        phone.name = QStringLiteral("Test phone");
        phone.maxDeckBytes = 50;
        const QString text = deckStart + QStringLiteral("<card id=\"a\"><p>Hi</p></card>"
                                                        "<card id=\"b\"><p>A much longer paragraph of text</p></card></wml>");
        const auto document = WmlDocument::parse(text);
        const DeckSizeReport report = DeckSizeReport::measure(*document, phone);
        QVERIFY(report.known);
        QCOMPARE(report.bytes, int(WbxmlWriter::encode(*document).size()));
        QCOMPARE(report.parts.size(), 2);
        QCOMPARE(report.parts[0].id, QStringLiteral("a"));
        QCOMPARE(report.parts[1].id, QStringLiteral("b"));
        QVERIFY(report.parts[1].bytes > report.parts[0].bytes);
        // Beside the cards only the header, the table and the <wml> tag
        // with its end.
        int sum = report.headerBytes;
        for (const WbxmlWriter::Part &part : report.parts)
            sum += part.bytes;
        QCOMPARE(report.bytes - sum, 2);
        const QString tip = report.toolTip(QLocale(QLocale::English, QLocale::UnitedStates));
        QVERIFY2(tip.contains(QStringLiteral("card b: %1 B").arg(report.parts[1].bytes)), qPrintable(tip));
        QVERIFY2(tip.contains(QStringLiteral("more than the Test phone takes (50 bytes)")), qPrintable(tip));

        const DeckSizeReport broken = DeckSizeReport::measure(*WmlDocument::parse(deckStart + "<card>"), phone);
        QVERIFY(!broken.known);
        QCOMPARE(int(broken.level()), int(DeckSizeReport::Level::Unknown));
        QCOMPARE(broken.text(QLocale(QLocale::English, QLocale::UnitedStates)), QStringLiteral("? / 50 B"));
    }
};
TARNEL_TEST(DevicesTest)

#include "devicestest.moc"
