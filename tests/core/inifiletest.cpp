#include "programfolderfixture.h"
#include "testregistry.h"

#include "common/inifile.h"

#include <QFile>
#include <QTest>

class IniFileTest : public QObject
{
    Q_OBJECT

private slots:
    void readsSectionsAndKeysWithoutRegardToCase()
    {
        const IniFile ini = IniFile::fromText(QStringLiteral("[Tags]\nCard = a|b \nP=x\ncard=second\n[other]\nk=v\n"));
        QCOMPARE(ini.value(QStringLiteral("tags"), QStringLiteral("CARD")), QStringLiteral("a|b"));
        QCOMPARE(ini.keys(QStringLiteral("TAGS")), (QStringList{QStringLiteral("Card"), QStringLiteral("P")}));
        QCOMPARE(ini.value(QStringLiteral("Other"), QStringLiteral("k")), QStringLiteral("v"));
        QCOMPARE(ini.value(QStringLiteral("missing"), QStringLiteral("k"), QStringLiteral("dflt")),
                 QStringLiteral("dflt"));
        QCOMPARE(ini.intValue(QStringLiteral("other"), QStringLiteral("k"), 7), 7);
    }

    void removesOnePairOfMatchingQuotes_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("read");
        QTest::newRow("double") << "\"a b\"" << "a b";
        QTest::newRow("single") << "'a b'" << "a b";
        QTest::newRow("two pairs") << "\"\"x\"\"" << "\"x\"";
        QTest::newRow("mismatched") << "\"x'" << "\"x'";
        QTest::newRow("lone quote") << "\"" << "\"";
        QTest::newRow("trimmed first") << "  'x'  " << "x";
    }
    void removesOnePairOfMatchingQuotes()
    {
        QFETCH(QString, stored);
        QFETCH(QString, read);
        const IniFile ini = IniFile::fromText(QStringLiteral("[s]\nk=") + stored + QLatin1Char('\n'));
        QCOMPARE(ini.value(QStringLiteral("s"), QStringLiteral("k")), read);
    }

    void writtenValuesReadBackUnchanged_data()
    {
        QTest::addColumn<QString>("value");
        QTest::newRow("plain") << "http://example.com/a.wml";
        QTest::newRow("empty") << "";
        QTest::newRow("double quoted") << "\"quoted\"";
        QTest::newRow("single quoted") << "'quoted'";
        QTest::newRow("quote inside") << "say \"hi\" now";
        QTest::newRow("lone quote") << "\"";
        QTest::newRow("padded") << "  spaced  ";
        QTest::newRow("equals") << "a=b=c";
    }
    void writtenValuesReadBackUnchanged()
    {
        QFETCH(QString, value);
        IniFile ini;
        ini.setValue(QStringLiteral("S"), QStringLiteral("k"), value);
        const IniFile again = IniFile::fromText(ini.toText());
        QCOMPARE(again.value(QStringLiteral("s"), QStringLiteral("K")), value);
    }

    void writingKeepsTheRestOfTheFile()
    {
        const QString original = QStringLiteral("; my settings\r\n[A]\r\nOne=1\r\nodd line\r\n\r\n[B]\r\nx=y\r\n");
        IniFile ini = IniFile::fromText(original);
        ini.setValue(QStringLiteral("a"), QStringLiteral("ONE"), QStringLiteral("first"));
        ini.setValue(QStringLiteral("a"), QStringLiteral("Two"), QStringLiteral("2"));
        ini.setValue(QStringLiteral("C"), QStringLiteral("z"), QStringLiteral("3"));
        QCOMPARE(ini.toText(), QStringLiteral("; my settings\r\n[A]\r\nOne=first\r\nodd line\r\nTwo=2\r\n\r\n"
                                              "[B]\r\nx=y\r\n[C]\r\nz=3\r\n"));
    }

    void erasesASectionWhole()
    {
        IniFile ini = IniFile::fromText(QStringLiteral("[A]\nk=1\n[A.list]\nCount=1\nItem0=x\n[B]\nm=2\n"));
        ini.eraseSection(QStringLiteral("a.LIST"));
        QCOMPARE(ini.toText(), QStringLiteral("[A]\nk=1\n[B]\nm=2\n"));
        QVERIFY(!ini.hasSection(QStringLiteral("A.list")));
    }

    void survivesBrokenInput()
    {
        QByteArray binary(4096, '\0');
        for (int i = 0; i < binary.size(); ++i)
            binary[i] = char((i * 37) % 256);
        const IniFile fromBinary = IniFile::fromText(QString::fromLatin1(binary));
        Q_UNUSED(fromBinary.sections());
        const IniFile odd = IniFile::fromText(QStringLiteral("no section=1\n[unclosed\n=novalue\n[x]\n[x]\nk=a\nk=b\n")
                                              + QString(1 << 20, QLatin1Char('v')));
        QCOMPARE(odd.value(QStringLiteral("x"), QStringLiteral("k")), QString());
        QVERIFY(odd.hasSection(QStringLiteral("x")));
    }

    void savesOwnerOnlyAndReportsFailure()
    {
        ProgramFolderFixture folder;
        IniFile ini;
        ini.setValue(QStringLiteral("S"), QStringLiteral("k"), QStringLiteral("v"));
        const QString path = folder.file(QStringLiteral("tarnel.ini"));
        QVERIFY(ini.save(path));
        const QFileDevice::Permissions permissions = QFile::permissions(path);
        QVERIFY(permissions.testFlags(QFileDevice::ReadOwner | QFileDevice::WriteOwner));
        QCOMPARE(permissions & (QFileDevice::ReadGroup | QFileDevice::WriteGroup | QFileDevice::ReadOther
                                | QFileDevice::WriteOther), QFileDevice::Permissions());
        QCOMPARE(IniFile::load(path).value(QStringLiteral("s"), QStringLiteral("k")), QStringLiteral("v"));
        QVERIFY(!ini.save(folder.file(QStringLiteral("missing/folder/tarnel.ini"))));
    }

    void keepsAnEightBitFileEightBit()
    {
        ProgramFolderFixture folder;
        const QString path = folder.write(QStringLiteral("x.ini"), QByteArray("[s]\nname=caf\xE9\n"));
        IniFile ini = IniFile::load(path);
        QCOMPARE(ini.value(QStringLiteral("s"), QStringLiteral("name")), QStringLiteral("caf\u00E9"));
        ini.setValue(QStringLiteral("s"), QStringLiteral("other"), QStringLiteral("1"));
        QVERIFY(ini.save(path));
        QCOMPARE(ProgramFolderFixture::read(path), QByteArray("[s]\nname=caf\xE9\nother=1\n"));
    }
};

TARNEL_TEST(IniFileTest)
#include "inifiletest.moc"
