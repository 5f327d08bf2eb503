#include "previewfixture.h"
#include "testregistry.h"

#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QToolButton>

namespace {

QMdiSubWindow *frameOf(TMDIChild *child)
{
    return qobject_cast<QMdiSubWindow *>(child->parentWidget());
}

// The rectangle of widget in the MDI area's visible part.
QRect inArea(QWidget *widget, QMdiArea *area)
{
    return QRect(widget->mapTo(area->viewport(), QPoint(0, 0)), widget->size());
}

} // namespace

// Document windows open in sight, grow to show the whole phone, and the MDI
// area scrolls to whatever lies beyond its visible part.
class PhoneFitTest : public QObject
{
    Q_OBJECT

private slots:
    void newWindowsOpenInSight()
    {
        PreviewFixture f;
        QMdiArea *area = f.main->mdiArea();
        for (int i = 0; i < 3; ++i) {
            f.trigger("FileNew");
            QMdiSubWindow *frame = frameOf(f.active());
            QVERIFY2(area->viewport()->rect().contains(frame->geometry()),
                     qPrintable(QStringLiteral("window %1 at %2,%3 %4x%5 in %6x%7")
                                    .arg(i)
                                    .arg(frame->x())
                                    .arg(frame->y())
                                    .arg(frame->width())
                                    .arg(frame->height())
                                    .arg(area->viewport()->width())
                                    .arg(area->viewport()->height())));
        }
        QVERIFY(!area->verticalScrollBar()->isVisible());

        // A window moved partly out of sight can be scrolled back to.
        QMdiSubWindow *frame = frameOf(f.active());
        frame->move(area->viewport()->width() - 100, area->viewport()->height() - 50);
        QTRY_VERIFY(area->verticalScrollBar()->isVisible());
        QVERIFY(area->horizontalScrollBar()->isVisible());
    }

    void commandLineWindowsOpenInSight()
    {
        ProgramFolderFixture folder;
        const QString page = folder.write(QStringLiteral("a.wml"), "<wml/>");
        // As at start-up: the files open before the main window shows.
        TMainForm main(std::make_unique<ScriptedDialogs>(), false);
        main.openCommandLineFiles({page, page});
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QMdiArea *area = main.mdiArea();
        const QList<QMdiSubWindow *> frames = area->subWindowList();
        QCOMPARE(frames.size(), 2);
        for (QMdiSubWindow *frame : frames) {
            QTRY_VERIFY(area->viewport()->rect().contains(frame->geometry()));
            // Sized to the area, not to what it was before the first show.
            QVERIFY2(frame->height() > area->viewport()->height() / 2, qPrintable(QString::number(frame->height())));
        }
    }

    void windowGrowsToShowThePhone_data()
    {
        QTest::addColumn<QString>("skin");
        QTest::addColumn<QSize>("mainSize");
        QTest::newRow("Mono 96, small frame") << "Mono 96" << QSize(589, 409);
        QTest::newRow("Colour 128, small frame") << "Colour 128" << QSize(589, 409);
        QTest::newRow("Colour 176, small frame") << "Colour 176" << QSize(589, 409);
        QTest::newRow("Colour 176, large frame") << "Colour 176" << QSize(790, 740);
    }
    void windowGrowsToShowThePhone()
    {
        QFETCH(QString, skin);
        QFETCH(QSize, mainSize);
        PreviewFixture f;
        f.main->resize(mainSize);
        TMDIChild *child = f.openPage("<wml><card id=\"a\" title=\"A\">\r\n<p>x</p>\r\n</card></wml>");
        QMdiArea *area = f.main->mdiArea();
        QMdiSubWindow *frame = frameOf(child);
        const QSize before = frame->size();
        f.toPreview();
        f.chooseDevice(skin);
        QVERIFY(f.dialogs->errors.isEmpty());
        PreviewTab *tab = f.tab();
        for (QWidget *part : {static_cast<QWidget *>(tab->skinPicture()), static_cast<QWidget *>(tab->downButton()),
                              static_cast<QWidget *>(tab->upButton())}) {
            QVERIFY2(tab->rect().contains(part->geometry()),
                     qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 in %6x%7")
                                    .arg(part->objectName())
                                    .arg(part->x())
                                    .arg(part->y())
                                    .arg(part->width())
                                    .arg(part->height())
                                    .arg(tab->width())
                                    .arg(tab->height())));
        }
        QVERIFY(frame->width() >= before.width() && frame->height() >= before.height());
        // The window starts in sight and the rest is a scroll away.
        QVERIFY(frame->x() >= 0 && frame->y() >= 0);
        if (frame->height() <= area->viewport()->height()) {
            QVERIFY(area->viewport()->rect().contains(frame->geometry()));
        } else {
            QTRY_VERIFY(area->verticalScrollBar()->isVisible());
            area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
        }
        QVERIFY(area->viewport()->rect().contains(inArea(tab->downButton(), area)));

        // Shrunk by the user, the window grows again on the next entry.
        area->verticalScrollBar()->setValue(0);
        f.toWml();
        frame->resize(before);
        f.toPreview();
        QVERIFY(tab->rect().contains(tab->downButton()->geometry()));

        // The plain view fits any size: nothing grows.
        const QSize grown = frame->size();
        f.chooseDevice(QStringLiteral("normal"));
        QCOMPARE(frame->size(), grown);
    }

    void maximizedWindowIsLeftAlone()
    {
        PreviewFixture f;
        TMDIChild *child = f.openPage("<wml><card id=\"a\">\r\n<p>x</p>\r\n</card></wml>");
        QMdiSubWindow *frame = frameOf(child);
        frame->showMaximized();
        const QRect maximized = frame->geometry();
        f.toPreview();
        f.chooseDevice(QStringLiteral("Colour 176"));
        QVERIFY(frame->isMaximized());
        QCOMPARE(frame->geometry(), maximized);
    }
};

TARNEL_TEST(PhoneFitTest)

#include "phonefittest.moc"
