#include "programfolderfixture.h"
#include "testregistry.h"

#include "common/formstorage.h"
#include "common/inifile.h"
#include "common/tarnelerror.h"

#include <QTest>

// The settings stores as they meet "tarnel.ini".
class FormStorageTest : public QObject
{
    Q_OBJECT

    static ScreenMetrics screen() { return ScreenMetrics{QSize(1280, 800), 96}; }

private slots:
    void propertiesRoundTrip()
    {
        ProgramFolderFixture folder;
        bool flag = true;
        QString text = QStringLiteral("\"quoted\"");
        QStringList list{QStringLiteral("one"), QStringLiteral("'two'")};
        FormStorage store(QStringLiteral("FindReplace"));
        store.bindBool(QStringLiteral("chkKURZOR_Checked"), [&] { return flag; }, [&](bool v) { flag = v; });
        store.bindText(QStringLiteral("edtURL_Text"), [&] { return text; }, [&](const QString &v) { text = v; });
        store.bindStringList(QStringLiteral("cmbREPL_Items"), [&] { return list; },
                             [&](const QStringList &v) { list = v; });
        store.save();

        const IniFile ini = IniFile::load(folder.file(QStringLiteral("tarnel.ini")));
        QCOMPARE(ini.value(QStringLiteral("FindReplace"), QStringLiteral("chkKURZOR_Checked")), QStringLiteral("True"));
        QVERIFY(ini.toText().contains(QStringLiteral("edtURL_Text=\"\"quoted\"\"")));
        QCOMPARE(ini.value(QStringLiteral("FindReplace.cmbREPL_Items"), QStringLiteral("Count")), QStringLiteral("2"));
        QCOMPARE(ini.value(QStringLiteral("FindReplace.cmbREPL_Items"), QStringLiteral("Item1")), QStringLiteral("'two'"));

        flag = false;
        text.clear();
        list.clear();
        store.restore();
        QCOMPARE(flag, true);
        QCOMPARE(text, QStringLiteral("\"quoted\""));
        QCOMPARE(list, (QStringList{QStringLiteral("one"), QStringLiteral("'two'")}));
    }

    void listSectionIsErasedBeforeWriting()
    {
        ProgramFolderFixture folder;
        folder.write(QStringLiteral("tarnel.ini"), "[S.list_Items]\nCount=3\nItem0=a\nItem1=b\nItem2=c\nStray=1\n[T]\nk=v\n");
        QStringList list{QStringLiteral("z")};
        FormStorage store(QStringLiteral("S"));
        store.bindStringList(QStringLiteral("list_Items"), [&] { return list; }, [&](const QStringList &v) { list = v; });
        store.save();
        IniFile ini = IniFile::load(folder.file(QStringLiteral("tarnel.ini")));
        QCOMPARE(ini.keys(QStringLiteral("S.list_Items")), (QStringList{QStringLiteral("Count"), QStringLiteral("Item0")}));
        QCOMPARE(ini.value(QStringLiteral("T"), QStringLiteral("k")), QStringLiteral("v"));

        list.clear();
        store.save();
        ini = IniFile::load(folder.file(QStringLiteral("tarnel.ini")));
        QVERIFY(!ini.hasSection(QStringLiteral("S.list_Items")));
        list = {QStringLiteral("left over")};
        store.restore();
        QCOMPARE(list, QStringList{QStringLiteral("left over")});
    }

    void placementIsWrittenPlainAndForTheScreen()
    {
        ProgramFolderFixture folder;
        WindowPlacement placement;
        placement.normalBounds = QRect(202, 117, 589, 409);
        FormStorage store(QStringLiteral("TMainForm"));
        store.bindPlacement([&] { return placement; }, [](const WindowPlacement &) {}, &FormStorageTest::screen);
        store.save();
        const IniFile ini = IniFile::load(folder.file(QStringLiteral("tarnel.ini")));
        const QString section = QStringLiteral("TMainForm");
        QCOMPARE(ini.value(section, QStringLiteral("NormPos")), QStringLiteral("202,117,791,526"));
        QCOMPARE(ini.value(section, QStringLiteral("NormPos(1280x800)")), QStringLiteral("202,117,791,526"));
        QCOMPARE(ini.value(section, QStringLiteral("MinMaxPos(1280x800)")), QStringLiteral("-1,-1,-1,-1"));
        QCOMPARE(ini.value(section, QStringLiteral("PixelsPerInch")), QStringLiteral("96"));
        QCOMPARE(ini.value(section, QStringLiteral("ShowCmd")), QStringLiteral("1"));
        QCOMPARE(ini.value(section, QStringLiteral("Visible")), QStringLiteral("1"));
        QVERIFY(ini.contains(section, QStringLiteral("Flags")));
    }

    void placementIsAppliedOnlyWhenItFits_data()
    {
        QTest::addColumn<QByteArray>("ini");
        QTest::addColumn<QRect>("applied");
        QTest::newRow("screen key wins") << QByteArray("NormPos=1,1,11,11\nNormPos(1280x800)=10,20,110,220\nPixelsPerInch=96\n")
                                         << QRect(10, 20, 100, 200);
        QTest::newRow("plain key for other screens") << QByteArray("NormPos=1,2,11,12\nNormPos(640x480)=5,5,9,9\nPixelsPerInch=96\n")
                                                     << QRect(1, 2, 10, 10);
        QTest::newRow("other resolution") << QByteArray("NormPos=1,2,11,12\nPixelsPerInch=120\n") << QRect();
        QTest::newRow("left not before right") << QByteArray("NormPos=50,2,50,12\nPixelsPerInch=96\n") << QRect();
        QTest::newRow("not numbers") << QByteArray("NormPos=a,b,c,d\nPixelsPerInch=96\n") << QRect();
    }
    void placementIsAppliedOnlyWhenItFits()
    {
        QFETCH(QByteArray, ini);
        QFETCH(QRect, applied);
        ProgramFolderFixture folder;
        folder.write(QStringLiteral("tarnel.ini"), "[TMainForm]\n" + ini);
        QRect result;
        FormStorage store(QStringLiteral("TMainForm"));
        store.bindPlacement([] { return WindowPlacement(); },
                            [&](const WindowPlacement &p) { result = p.normalBounds; }, &FormStorageTest::screen);
        store.restore();
        QCOMPARE(result, applied);
    }

    void reportsAFileItCannotWrite()
    {
        ProgramFolderFixture folder;
        const QString path = folder.file(QStringLiteral("no/such/folder/tarnel.ini"));
        FormStorage store(QStringLiteral("S"), path);
        store.bindBool(QStringLiteral("x_Checked"), [] { return true; }, [](bool) {});
        try {
            store.save();
            QFAIL("no error");
        } catch (const TarnelError &error) {
            QCOMPARE(error.text(), QStringLiteral("Unable to write to ") + path);
        }
    }
};

TARNEL_TEST(FormStorageTest)
#include "formstoragetest.moc"
