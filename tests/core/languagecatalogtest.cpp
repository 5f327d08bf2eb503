#include "testregistry.h"

#include "common/languagecatalog.h"
#include "common/localetable.h"

#include <QSet>
#include <QTest>

class LanguageCatalogTest : public QObject
{
    Q_OBJECT

private slots:
    void baseKeepsTheDot_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("base");
        QTest::newRow("no extension") << "/opt/tarnel.d/bin/tarnel" << "/opt/tarnel.d/bin/tarnel.";
        QTest::newRow("extension") << "/opt/bin/tarnel.exe" << "/opt/bin/tarnel.";
        QTest::newRow("two dots") << "/a/tarnel.bin.x" << "/a/tarnel.bin.";
    }
    void baseKeepsTheDot()
    {
        QFETCH(QString, program);
        QFETCH(QString, base);
        QCOMPARE(LanguageCatalog::translationBase(program), base);
    }

    void listsEachMatchingCodeOnceInTableOrder()
    {
        // A two-letter code matches a language as a whole, a three-letter
        // code one of its regions.
        const QSet<QString> files{QStringLiteral("/p/t.CS"), QStringLiteral("/p/t.ENG"), QStringLiteral("/p/t.DE")};
        const QList<LanguageItem> items
            = LanguageCatalog::menuItems(QStringLiteral("/p/t."), [&](const QString &f) { return files.contains(f); });
        QStringList names;
        QStringList captions;
        for (const LanguageItem &item : items) {
            names << item.name;
            captions << item.caption;
        }
        QCOMPARE(names, (QStringList{"Dflt1", "CS1", "DE1", "ENG1"}));
        QCOMPARE(captions, (QStringList{"[default]", "Czech", "German", "English (United Kingdom)"}));
    }

    void noFilesNoItems()
    {
        QVERIFY(LanguageCatalog::menuItems(QStringLiteral("/p/t."), [](const QString &) { return false; }).isEmpty());
    }

    void itemNamesGiveCodes()
    {
        QCOMPARE(LanguageCatalog::codeOfItem(QStringLiteral("CS1")), QStringLiteral("CS"));
        QCOMPARE(LanguageCatalog::codeOfItem(QStringLiteral("ENG1")), QStringLiteral("ENG"));
        QCOMPARE(LanguageCatalog::codeOfItem(QStringLiteral("Dflt1")), QString());
        QCOMPARE(LanguageCatalog::translationFile(QStringLiteral("/p/t."), QString()), QString());
        QCOMPARE(LanguageCatalog::translationFile(QStringLiteral("/p/t."), QStringLiteral("CS")), QStringLiteral("/p/t.CS"));
    }

    void localeTableIsWellFormed()
    {
        int previousPrimary = 0;
        int expectedVariant = 0;
        QSet<int> primaries;
        for (const LocaleEntry &entry : localeTable()) {
            if (entry.primary != previousPrimary) {
                QVERIFY2(entry.primary > previousPrimary, "ordered by primary language");
                QCOMPARE(entry.variant, 0);
                expectedVariant = 0;
                previousPrimary = entry.primary;
            }
            QCOMPARE(entry.variant, expectedVariant++);
            QCOMPARE(qstrlen(entry.abbreviation), size_t(3));
            primaries.insert(entry.primary);
        }
        QVERIFY(primaries.contains(5) && primaries.contains(9) && primaries.size() > 50);
    }
};

TARNEL_TEST(LanguageCatalogTest)
#include "languagecatalogtest.moc"
