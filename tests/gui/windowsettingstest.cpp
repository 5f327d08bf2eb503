#include "guifixture.h"
#include "testregistry.h"

#include "app/collapsibletoolbar.h"
#include "app/widgetplacement.h"
#include "common/inifile.h"
#include "editor/tfrmfind.h"

#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>
#include <QToolButton>

namespace {

QString iniValue(const GuiFixture &f, const QString &section, const QString &key)
{
    return IniFile::load(f.folder.file(QStringLiteral("tarnel.ini"))).value(section, key, QStringLiteral("(none)"));
}

// A stored placement as the settings file holds it, at this screen's resolution.
QByteArray storedPlacement(const char *section, const QRect &bounds)
{
    const ScreenMetrics screen = WidgetPlacement::screenOf(nullptr);
    return QStringLiteral("[%1]\r\nPixelsPerInch=%2\r\nNormPos=%3,%4,%5,%6\r\n")
        .arg(QLatin1String(section))
        .arg(screen.pixelsPerInch)
        .arg(bounds.left())
        .arg(bounds.top())
        .arg(bounds.left() + bounds.width())
        .arg(bounds.top() + bounds.height())
        .toLatin1();
}

CollapsibleToolBar *toolBarOf(const GuiFixture &f, const QString &which)
{
    return which == QLatin1String("main") ? f.main->mainToolBar() : f.active()->wmlToolBar();
}

} // namespace

// What the toolbar grips show, and the window placements of "tarnel.ini".
class WindowSettingsTest : public QObject
{
    Q_OBJECT

private slots:
    void gripHidesAndShowsTheButtons_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("button");
        QTest::newRow("main toolbar") << "main" << "btnSAVE";
        QTest::newRow("document toolbar") << "document" << "btnInsCard";
    }
    void gripHidesAndShowsTheButtons()
    {
        QFETCH(QString, which);
        QFETCH(QString, button);
        GuiFixture f;
        f.trigger("FileNew");
        CollapsibleToolBar *bar = toolBarOf(f, which);
        auto *shown = bar->findChild<QToolButton *>(button);
        QVERIFY(shown);
        QTRY_VERIFY(shown->isVisible());
        bar->grip()->click();
        QTRY_VERIFY(!shown->isVisible());
        QVERIFY(bar->grip()->isVisible());
        // A thin strip: the grip and the bar's border.
        QTRY_VERIFY2(bar->sizeHint().width() <= bar->grip()->width() + 12,
                     qPrintable(QString::number(bar->sizeHint().width())));
        bar->grip()->click();
        QTRY_VERIFY(shown->isVisible());
    }

    void storedCollapsedToolbarsStartCollapsed()
    {
        GuiFixture f;
        f.main.reset();
        f.folder.write(QStringLiteral("tarnel.ini"),
                       "[TMainForm]\r\ntlacitkaMAIN_Maximized=False\r\n"
                       "[TMDIChild]\r\ntlacitkaWML_Maximized=False\r\n");
        f.start();
        f.trigger("FileNew");
        QTest::qWait(0);
        QVERIFY(!f.main->mainToolBar()->findChild<QToolButton *>(QStringLiteral("btnSAVE"))->isVisible());
        QVERIFY(!f.active()->wmlToolBar()->findChild<QToolButton *>(QStringLiteral("btnInsCard"))->isVisible());
        QVERIFY(f.active()->wmlToolBar()->grip()->isVisible());
        f.active()->wmlToolBar()->grip()->click();
        QTRY_VERIFY(f.active()->wmlToolBar()->findChild<QToolButton *>(QStringLiteral("btnInsCard"))->isVisible());
    }

    void documentWindowStoresItsOwnPlacement()
    {
        GuiFixture f;
        f.main->setGeometry(50, 40, 700, 500);
        f.trigger("FileNew");
        auto *frame = qobject_cast<QMdiSubWindow *>(f.active()->parentWidget());
        frame->setGeometry(10, 20, 300, 200);
        f.trigger("FileClose");
        QTest::qWait(0);
        QCOMPARE(iniValue(f, "TMDIChild", "NormPos"), QStringLiteral("10,20,310,220"));
    }

    void aDialogNeverShownKeepsItsStoredPlacement()
    {
        GuiFixture f;
        f.main.reset();
        f.folder.write(QStringLiteral("tarnel.ini"), storedPlacement("FindReplace", QRect(100, 90, 355, 271)));
        f.start();
        f.main->close();
        f.main.reset();
        QCOMPARE(iniValue(f, "FindReplace", "NormPos"), QStringLiteral("100,90,455,361"));

        // With nothing stored, nothing is made up.
        QFile::remove(f.folder.file(QStringLiteral("tarnel.ini")));
        f.start();
        f.main->close();
        QCOMPARE(iniValue(f, "FindReplace", "NormPos"), QStringLiteral("(none)"));
        QVERIFY(iniValue(f, "TMainForm", "NormPos") != QStringLiteral("(none)"));
    }

    void placementsOffEveryScreenComeBackOnScreen_data()
    {
        QTest::addColumn<QRect>("stored");
        QTest::newRow("far right and below") << QRect(9000, 7000, 700, 450);
        QTest::newRow("far left and above") << QRect(-5000, -3000, 700, 450);
        QTest::newRow("title bar above the screen") << QRect(20, -300, 700, 450);
    }
    void placementsOffEveryScreenComeBackOnScreen()
    {
        QFETCH(QRect, stored);
        GuiFixture f;
        f.main.reset();
        f.folder.write(QStringLiteral("tarnel.ini"), storedPlacement("TMainForm", stored));
        f.start();
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(f.main->geometry().topLeft()),
                 qPrintable(QStringLiteral("%1,%2").arg(f.main->x()).arg(f.main->y())));
        QCOMPARE(f.main->size(), stored.size().boundedTo(screen.size()));
    }

    void aPlacementOnScreenIsKeptAsStored()
    {
        GuiFixture f;
        f.main.reset();
        f.folder.write(QStringLiteral("tarnel.ini"), storedPlacement("TMainForm", QRect(30, 40, 650, 420)));
        f.start();
        QCOMPARE(f.main->geometry(), QRect(30, 40, 650, 420));
    }
};

TARNEL_TEST(WindowSettingsTest)
#include "windowsettingstest.moc"
