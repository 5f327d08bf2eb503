#include "testregistry.h"

#include "common/commandlineoptions.h"
#include "common/newpage.h"
#include "common/screenfit.h"

#include <QTest>

using CommandLineOptions::Action;
Q_DECLARE_METATYPE(Action)

// The command line's options, the names of new pages and where stored
// windows go.
class ProgramOptionsTest : public QObject
{
    Q_OBJECT

private slots:
    void parsesTheCommandLine_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Action>("action");
        QTest::addColumn<QStringList>("files");
        QTest::newRow("files only") << QStringList{"a.wml", "b.wml"} << Action::Open << QStringList{"a.wml", "b.wml"};
        QTest::newRow("--help wins over files") << QStringList{"a.wml", "--help"} << Action::Help << QStringList();
        QTest::newRow("--version") << QStringList{"--version"} << Action::Version << QStringList();
        QTest::newRow("a path to a file named --help") << QStringList{"./--help"} << Action::Open
                                                       << QStringList{"./--help"};
        QTest::newRow("-- ends the options") << QStringList{"--", "--help", "x"} << Action::Open
                                             << QStringList{"--help", "x"};
        QTest::newRow("a lone dash is a file") << QStringList{"-"} << Action::Open << QStringList{"-"};
        QTest::newRow("unknown option") << QStringList{"--helpp"} << Action::Unknown << QStringList();
    }
    void parsesTheCommandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Action, action);
        QFETCH(QStringList, files);
        const CommandLineOptions::Parsed parsed = CommandLineOptions::parse(arguments);
        QCOMPARE(parsed.action, action);
        QCOMPARE(parsed.files, files);
        QCOMPARE(CommandLineOptions::exitCode(action), action == Action::Unknown ? 2 : 0);
    }

    void newPageNamesSkipTakenOnes_data()
    {
        QTest::addColumn<QStringList>("open");
        QTest::addColumn<QString>("next");
        QTest::newRow("none open") << QStringList() << "Noname1";
        QTest::newRow("count plus one is free") << QStringList{"Noname1", "/a.wml"} << "Noname3";
        QTest::newRow("count plus one is taken") << QStringList{"Noname2"} << "Noname3";
        QTest::newRow("taken in other letter case") << QStringList{"NONAME2", "noname3"} << "Noname4";
    }
    void newPageNamesSkipTakenOnes()
    {
        QFETCH(QStringList, open);
        QFETCH(QString, next);
        QCOMPARE(NewPage::nextName(open), next);
    }

    void windowsStayWithinReach_data()
    {
        QTest::addColumn<QRect>("bounds");
        QTest::addColumn<QRect>("placed");
        QTest::newRow("on screen") << QRect(100, 100, 600, 400) << QRect(100, 100, 600, 400);
        QTest::newRow("partly off, title bar reachable") << QRect(1700, 900, 600, 400) << QRect(1700, 900, 600, 400);
        QTest::newRow("on the second screen") << QRect(2000, 50, 600, 400) << QRect(2000, 50, 600, 400);
        QTest::newRow("beyond the second screen") << QRect(9000, 100, 600, 400) << QRect(3240, 100, 600, 400);
        QTest::newRow("above the first screen") << QRect(200, -900, 600, 400) << QRect(200, 0, 600, 400);
        QTest::newRow("below, larger than the screen") << QRect(0, 5000, 2500, 1500) << QRect(0, 0, 1920, 1080);
        QTest::newRow("title bar just above the top") << QRect(300, -30, 600, 400) << QRect(300, 0, 600, 400);
    }
    void windowsStayWithinReach()
    {
        QFETCH(QRect, bounds);
        QFETCH(QRect, placed);
        const QList<QRect> screens{QRect(0, 0, 1920, 1080), QRect(1920, 0, 1920, 1080)};
        QCOMPARE(ScreenFit::onScreen(bounds, screens), placed);
    }
};

TARNEL_TEST(ProgramOptionsTest)
#include "programoptionstest.moc"
