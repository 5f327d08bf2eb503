// Pictures through the real windows: a PNG converted and inserted at the
// caret, the Tools converter, and WBMP files opened, touched up pixel by
// pixel, undone, saved and reopened.
#include "guifixture.h"
#include "testpictures.h"
#include "testregistry.h"

#include "devices/devicechoice.h"
#include "pictures/picturecanvas.h"
#include "pictures/pictureconverterdialog.h"
#include "pictures/wbmppicturewindow.h"

#include "pictures/pictureconversion.h"
#include "pictures/wbmpcodec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QDialogButtonBox>
#include <QMdiArea>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QSpinBox>
#include <QToolBar>

namespace {

// Plays the user of the converter: a width, threshold dithering, OK.
void convertAt(QDialog &dialog, int width)
{
    dialog.findChild<QSpinBox *>(QStringLiteral("spnWidth"))->setValue(width);
    dialog.findChild<QComboBox *>(QStringLiteral("cmbDither"))->setCurrentIndex(0);
    dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
}

QPoint centreOf(const PictureCanvas *canvas, const QPoint &pixel)
{
    return canvas->pixelRect(pixel).center();
}

} // namespace

class PicturesTest : public QObject
{
    Q_OBJECT

private slots:
    // A phone with square pixels, wider than the test pictures.
    void init() { DeviceChoice::setChosen(QStringLiteral("generic128")); }
    void cleanup() { DeviceChoice::setChosen(QStringLiteral("nokia7110")); }

    void convertsAPngAndInsertsIt()
    {
        GuiFixture f;
        const QString page = f.folder.write(QStringLiteral("site/index.wml"),
                                            "<wml><card id=\"a\"><p></p></card></wml>");
        const QString png = f.folder.file(QStringLiteral("photos/Sea view.png"));
        QDir().mkpath(QFileInfo(png).absolutePath());
        QVERIFY(TestPictures::gradient(QSize(120, 60)).save(png));
        f.open(page);
        WmlEditor *editor = f.active()->editor();
        const QString before = editor->text();
        editor->setCaret(int(before.indexOf(QLatin1String("</p>"))));

        f.dialogs->openNames << png;
        QString shownSize;
        f.dialogs->onModal = [&](QDialog &dialog) {
            // The phone's width, but never wider than the picture.
            QCOMPARE(dialog.findChild<QSpinBox *>(QStringLiteral("spnWidth"))->value(), 120);
            convertAt(dialog, 40);
            shownSize = dialog.findChild<QLabel *>(QStringLiteral("lblSize"))->text();
        };
        f.active()->findChild<QAction *>(QStringLiteral("InsPictureFromFile"))->trigger();
        QCOMPARE(f.dialogs->errors, QStringList());

        const QString wbmp = f.folder.file(QStringLiteral("site/Sea_view.wbmp"));
        const QImage written = WbmpCodec::load(wbmp);
        PictureConversion::Settings settings;
        settings.width = 40;
        settings.dither = PictureConversion::Dither::Threshold;
        QVERIFY(TestPictures::samePixels(written, PictureConversion::convert(QImage(png), settings)));
        QCOMPARE(written.size(), QSize(40, 20));
        QCOMPARE(shownSize, QStringLiteral("40 × 20 pixels, %1 bytes").arg(WbmpCodec::fileSize(QSize(40, 20))));
        const QString tag = QStringLiteral("<img src=\"Sea_view.wbmp\" alt=\"Sea_view\" width=\"40\" height=\"20\"/>");
        QCOMPARE(editor->text(), QString(before).insert(before.indexOf(QLatin1String("</p>")), tag));
        QVERIFY(f.active()->isModified());
        // One undo step takes it all back.
        f.trigger("EditUndo");
        QCOMPARE(editor->text(), before);

        // Again: the file is there; declining to replace it asks for a name.
        const QString other = f.folder.file(QStringLiteral("site/pics/sea2.wbmp"));
        QDir().mkpath(QFileInfo(other).absolutePath());
        f.dialogs->openNames << png;
        f.dialogs->answers << DialogService::Answer::No;
        f.dialogs->saveNames << other;
        f.active()->findChild<QAction *>(QStringLiteral("InsPictureFromFile"))->trigger();
        QCOMPARE(f.dialogs->questions.size(), 1);
        QVERIFY(editor->text().contains(QLatin1String("<img src=\"pics/sea2.wbmp\" alt=\"sea2\" width=\"40\"")));
        QVERIFY(QFileInfo::exists(other));
    }

    void cancelledOrUnreadablePictureInsertsNothing()
    {
        GuiFixture f;
        const QString page = f.folder.write(QStringLiteral("site/index.wml"), "<wml/>");
        const QString text = f.folder.write(QStringLiteral("site/notes.png"), "not a picture");
        f.open(page);
        const QString before = f.active()->editor()->text();
        QAction *insert = f.active()->findChild<QAction *>(QStringLiteral("InsPictureFromFile"));
        f.dialogs->openNames << text;
        insert->trigger();
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors.first().startsWith(QStringLiteral("Cannot read picture ") + text));

        const QString png = f.folder.file(QStringLiteral("site/a.png"));
        QVERIFY(TestPictures::gradient(QSize(10, 10)).save(png));
        f.dialogs->openNames << png;
        f.dialogs->onModal = [](QDialog &dialog) { dialog.reject(); };
        insert->trigger();
        QCOMPARE(f.active()->editor()->text(), before);
        QVERIFY(!QFileInfo::exists(f.folder.file(QStringLiteral("site/a.wbmp"))));
    }

    void converterShowsThePhonesPixelsAndLimits()
    {
        DeviceProfile phone;
        phone.name = QStringLiteral("Tall Pixel");
        phone.screenWidth = 96;
        phone.screenHeight = 65;
        phone.pixelAspect = 1.25;
        phone.maxPictureBytes = 500;
        PictureConverterDialog dialog(TestPictures::gradient(QSize(200, 100)), phone, QStringLiteral("Insert"));
        // Its rows are fewer, as each is taller on the phone.
        QCOMPARE(dialog.picture().size(), QSize(96, 38));
        QLabel *result = dialog.findChild<QLabel *>(QStringLiteral("lblResult"));
        const int zoom = dialog.zoom();
        QCOMPARE(result->pixmap().size(), QSize(96 * zoom, qRound(38 * zoom * 1.25)));
        QLabel *warning = dialog.findChild<QLabel *>(QStringLiteral("lblWarning"));
        QCOMPARE(warning->text(), QString());

        dialog.findChild<QSpinBox *>(QStringLiteral("spnWidth"))->setValue(150);
        QCOMPARE(dialog.picture().size(), QSize(150, 60));
        QVERIFY(warning->text().contains(QLatin1String("screen of the Tall Pixel")));
        QVERIFY(warning->text().contains(QLatin1String("500 bytes")));

        // The crop decides the aspect; threshold level and invert reach the picture.
        dialog.findChild<QGroupBox *>(QStringLiteral("grpCrop"))->setChecked(true);
        dialog.findChild<QSpinBox *>(QStringLiteral("spnCropWidth"))->setValue(100);
        QCOMPARE(dialog.picture().size(), QSize(150, 120));
        dialog.findChild<QComboBox *>(QStringLiteral("cmbDither"))->setCurrentIndex(0);
        QVERIFY(dialog.findChild<QSpinBox *>(QStringLiteral("spnLevel"))->isEnabled());
        dialog.findChild<QSpinBox *>(QStringLiteral("spnLevel"))->setValue(0);
        QCOMPARE(dialog.settings().thresholdLevel, 0);
        const QImage allWhite = dialog.picture();
        dialog.findChild<QCheckBox *>(QStringLiteral("chkInvert"))->setChecked(true);
        QVERIFY(WbmpCodec::isBlack(dialog.picture(), 0, 0) != WbmpCodec::isBlack(allWhite, 0, 0));
    }

    void toolsConverterOpensTheResult()
    {
        GuiFixture f;
        const QMenu *tools = f.main->toolsMenu();
        QVERIFY(tools);
        QVERIFY(f.main->menuBar()->actions().contains(tools->menuAction()));
        const QString png = f.folder.file(QStringLiteral("logo.png"));
        QVERIFY(TestPictures::gradient(QSize(300, 100)).save(png));
        const QString target = f.folder.file(QStringLiteral("logo.wbmp"));
        f.dialogs->openNames << png;
        f.dialogs->saveNames << target;
        f.dialogs->onModal = [](QDialog &dialog) { convertAt(dialog, 150); };
        f.trigger("ToolsConvertPicture");
        QCOMPARE(f.dialogs->errors, QStringList());
        QCOMPARE(WbmpCodec::load(target).size(), QSize(150, 50));
        WbmpPictureWindow *picture = f.main->activePicture();
        QVERIFY(picture);
        QCOMPARE(picture->documentPath(), target);
        QVERIFY(!f.active());
    }

    void touchUpUndoSaveAndReopen()
    {
        GuiFixture f;
        const QString path = f.folder.file(QStringLiteral("dot.wbmp"));
        WbmpCodec::save(WbmpCodec::blank(QSize(12, 10)), path);
        f.open(path);
        WbmpPictureWindow *picture = f.main->activePicture();
        QVERIFY(picture);
        QVERIFY(!f.action("FileSave")->isEnabled());
        PictureCanvas *canvas = picture->canvas();
        QVERIFY(canvas->gridShown());

        // A click toggles one pixel; a drag paints a line as one stroke.
        QTest::mouseClick(canvas, Qt::LeftButton, {}, centreOf(canvas, QPoint(1, 1)));
        QTest::mousePress(canvas, Qt::LeftButton, {}, centreOf(canvas, QPoint(3, 2)));
        for (int x = 4; x <= 6; ++x) {
            QMouseEvent move(QEvent::MouseMove, centreOf(canvas, QPoint(x, 2)), canvas->mapToGlobal(centreOf(canvas, QPoint(x, 2))),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(canvas, &move);
        }
        QTest::mouseRelease(canvas, Qt::LeftButton, {}, centreOf(canvas, QPoint(6, 2)));
        for (int x = 3; x <= 6; ++x)
            QVERIFY(WbmpCodec::isBlack(picture->picture(), x, 2));
        QVERIFY(WbmpCodec::isBlack(picture->picture(), 1, 1));
        QVERIFY(f.action("FileSave")->isEnabled());
        QVERIFY(f.action("EditUndo")->isEnabled());

        f.trigger("EditUndo");
        QVERIFY(!WbmpCodec::isBlack(picture->picture(), 4, 2));
        QVERIFY(WbmpCodec::isBlack(picture->picture(), 1, 1));
        f.trigger("EditRedo");
        QVERIFY(WbmpCodec::isBlack(picture->picture(), 4, 2));
        picture->command(QStringLiteral("PictureInvert"))->trigger();
        QVERIFY(!WbmpCodec::isBlack(picture->picture(), 1, 1));
        f.dialogs->onModal = [](QDialog &dialog) {
            dialog.findChild<QSpinBox *>(QStringLiteral("spnCanvasWidth"))->setValue(130);
            dialog.accept();
        };
        picture->command(QStringLiteral("PictureCanvasSize"))->trigger();
        QCOMPARE(picture->picture().size(), QSize(130, 10));
        const QImage edited = picture->picture();

        f.trigger("FileSave");
        QVERIFY(!picture->isModified());
        QVERIFY(!f.action("FileSave")->isEnabled());
        f.trigger("FileClose");
        QCOMPARE(f.dialogs->questions, QStringList());
        QTRY_VERIFY(!f.main->activePicture());

        f.open(path);
        QVERIFY(TestPictures::samePixels(f.main->activePicture()->picture(), edited));
    }

    void changedPictureAsksBeforeClosing()
    {
        GuiFixture f;
        const QString path = f.folder.file(QStringLiteral("p.wbmp"));
        WbmpCodec::save(WbmpCodec::blank(QSize(8, 8)), path);
        f.main->openDroppedFiles({path});
        WbmpPictureWindow *picture = f.main->activePicture();
        QVERIFY(picture);
        QTest::mouseClick(picture->canvas(), Qt::LeftButton, {}, centreOf(picture->canvas(), QPoint(0, 0)));
        f.dialogs->answers << DialogService::Answer::Cancel;
        f.trigger("FileClose");
        QCOMPARE(f.dialogs->questions.size(), 1);
        QVERIFY(f.dialogs->questions.first().contains(path));
        QCOMPARE(f.main->activePicture(), picture);
        f.dialogs->answers << DialogService::Answer::No;
        f.trigger("FileClose");
        QTRY_VERIFY(!f.main->activePicture());
        QVERIFY(!WbmpCodec::isBlack(WbmpCodec::load(path), 0, 0));
    }

    void brokenPictureOpensNothing()
    {
        GuiFixture f;
        const QString path = f.folder.write(QStringLiteral("bad.wbmp"), QByteArray("\x00\x00\x10", 3));
        f.open(path);
        QCOMPARE(f.dialogs->errors.size(), 1);
        QVERIFY(f.dialogs->errors.first().contains(path));
        QVERIFY(!f.main->activePicture());
        QCOMPARE(f.main->mdiArea()->subWindowList().size(), 0);
        // A missing picture named on the command line is reported, not made.
        const QString missing = f.folder.file(QStringLiteral("missing.wbmp"));
        f.main->openCommandLineFiles({missing});
        QCOMPARE(f.dialogs->errors.size(), 2);
        QVERIFY(!QFileInfo::exists(missing));
        QCOMPARE(f.main->mdiArea()->subWindowList().size(), 0);
    }
};
TARNEL_TEST(PicturesTest)

#include "picturestest.moc"
