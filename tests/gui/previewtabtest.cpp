#include "previewfixture.h"
#include "testregistry.h"

#include "preview/htmlviewer.h"
#include "preview/previewtab.h"

#include <QApplication>
#include <QFileInfo>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QDirIterator>
#include <QLabel>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextDocument>
#include <QToolButton>

namespace {

// Receives the web addresses the program hands to the desktop.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> opened;

public slots:
    void open(const QUrl &url) { opened << url; }
};

// The pictures the viewer's page shows, as the viewer loads them.
QList<QImage> picturesShown(HtmlViewer *viewer)
{
    QList<QImage> pictures;
    for (QTextBlock block = viewer->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isImageFormat()) {
                const QVariant data = viewer->loadResource(QTextDocument::ImageResource,
                                                           QUrl(format.toImageFormat().name()));
                pictures << QImage::fromData(data.toByteArray());
            }
        }
    }
    return pictures;
}

} // namespace

// The Preview tab through the real document window.
class PreviewTabTest : public QObject
{
    Q_OBJECT

private slots:
    void everyEntryFromWmlRebuildsThePreview()
    {
        PreviewFixture f;
        TMDIChild *child = f.openPage("<wml><card id=\"first\" title=\"One\">\r\n<p>Hello</p>\r\n</card></wml>");
        f.toPreview();
        QCOMPARE(itemsOf(f.tab()->cardList()), QStringList{"first"});
        QCOMPARE(f.tab()->viewer()->currentFile(), f.temp(QStringLiteral("first.htm")));
        QVERIFY(f.tab()->viewer()->toPlainText().contains(QStringLiteral("Hello")));
        QCOMPARE(child->lastView, int(TMDIChild::ViewPreview));
        QCOMPARE(child->editor()->caret(), 0);

        f.toWml();
        QCOMPARE(child->lastView, int(TMDIChild::ViewWml));
        QVERIFY(f.main->action(QStringLiteral("EditFind"))->isEnabled());
        child->editor()->setText(QStringLiteral("<wml><card id=\"second\">\r\n<p>Changed</p>\r\n</card></wml>"));
        f.toPreview();
        QCOMPARE(itemsOf(f.tab()->cardList()), QStringList{"second"});
        QVERIFY(f.tab()->viewer()->toPlainText().contains(QStringLiteral("Changed")));
        QVERIFY(!f.main->action(QStringLiteral("EditFind"))->isEnabled());
        QVERIFY(f.dialogs->errors.isEmpty());
    }

    void documentWithoutCardsShowsAnEmptyPage()
    {
        PreviewFixture f;
        f.openPage("<wml></wml>");
        f.toPreview();
        QCOMPARE(f.tab()->cardList()->count(), 0);
        QCOMPARE(f.tab()->viewer()->currentFile(), f.temp(QStringLiteral(".htm")));
        QVERIFY(f.dialogs->errors.isEmpty());
    }

    void cardLinksLoadTheirPageAndSelectTheCard()
    {
        PreviewFixture f;
        f.openPage("<wml><card id=\"intro\">\r\n<p><a href=\"#main\">Go</a></p>\r\n</card>"
                   "<card id=\"main\">\r\n<p>Main card</p>\r\n</card></wml>");
        f.toPreview();
        HtmlViewer *viewer = f.tab()->viewer();
        // A click on the link as a user makes it.
        const QPoint at = viewer->cursorRect(viewer->cursorForPosition(QPoint(2, 2))).center();
        QWidget *viewport = viewer->viewport();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
        QCOMPARE(viewer->currentFile(), f.temp(QStringLiteral("main.htm")));
        QCOMPARE(f.tab()->cardList()->currentIndex(), 1);

        bool handled = false;
        f.active()->htmlLITEHotSpotClick(QStringLiteral("#nosuch"), handled);
        QVERIFY(!handled);
        QCOMPARE(f.dialogs->messages, QStringList{"Error opening nosuch.htm - Can't locate file: "
                                                  + f.temp(QStringLiteral("nosuch.htm"))});
        QCOMPARE(viewer->currentFile(), f.temp(QStringLiteral("main.htm")));
    }

    void webLinksGoToTheDesktopOnlyForHttp()
    {
        PreviewFixture f;
        f.openPage("<wml><card id=\"a\">\r\n<p>x</p>\r\n</card></wml>");
        f.toPreview();
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        bool handled = false;
        f.active()->htmlLITEHotSpotClick(QStringLiteral("http://example.org/wap"), handled);
        QVERIFY(!handled);
        f.active()->htmlLITEHotSpotClick(QStringLiteral("https://example.org/wap"), handled);
        f.active()->htmlLITEHotSpotClick(QStringLiteral("other.wml"), handled);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.opened, QList<QUrl>{QUrl(QStringLiteral("http://example.org/wap"))});
        QVERIFY(!handled);
        QCOMPARE(f.tab()->viewer()->currentFile(), f.temp(QStringLiteral("a.htm")));
    }

    void cardIdsCannotLeaveTheTempFolder()
    {
        PreviewFixture f;
        f.openPage("<wml><card id=\"../../evil\">\r\n<p>x</p>\r\n</card></wml>");
        f.toPreview();
        QVERIFY(QFile::exists(f.temp(QStringLiteral(".._.._evil.htm"))));
        QVERIFY(!QFile::exists(f.folder.file(QStringLiteral("evil.htm"))));
        bool handled = false;
        f.active()->htmlLITEHotSpotClick(QStringLiteral("#../../evil"), handled);
        QVERIFY(handled);
    }

    void twoWindowsWithTheSameCardShowTheirOwnPages()
    {
        PreviewFixture f;
        TMDIChild *alpha = f.openPage("<wml><card id=\"main\">\r\n<p>Alpha</p>\r\n</card></wml>");
        f.toPreview();
        f.open(f.folder.write(QStringLiteral("other/page.wml"), "<wml><card id=\"main\">\r\n<p>Beta</p>\r\n</card></wml>"));
        TMDIChild *beta = f.active();
        QVERIFY(beta != alpha);
        f.toPreview();
        QVERIFY(alpha->pageFolder() != beta->pageFolder());
        // Choosing the card again in the first window reads its page from disk.
        alpha->preview()->lstCARDSSChange();
        QVERIFY2(alpha->preview()->viewer()->toPlainText().contains(QStringLiteral("Alpha")),
                 qPrintable(alpha->preview()->viewer()->toPlainText()));
        bool handled = false;
        alpha->htmlLITEHotSpotClick(QStringLiteral("#main"), handled);
        QVERIFY(handled);
        QVERIFY(alpha->preview()->viewer()->toPlainText().contains(QStringLiteral("Alpha")));
        QVERIFY(beta->preview()->viewer()->toPlainText().contains(QStringLiteral("Beta")));

        // A closed window's pages go with it.
        const QString betaPages = beta->pageFolder();
        QVERIFY(QFileInfo::exists(betaPages));
        QCOMPARE(f.active(), beta);
        f.toWml(); // Close is off on the Preview tab
        f.trigger("FileClose");
        QTRY_VERIFY(!QFileInfo::exists(betaPages));
        QCOMPARE(f.main->documentCount(), 1);
        QVERIFY(QFileInfo::exists(alpha->pageFolder() + QStringLiteral("/main.htm")));
        QVERIFY(f.dialogs->errors.isEmpty());
    }

    void anotherCopysExitLeavesThesePagesAlone()
    {
        PreviewFixture f;
        TMDIChild *mine = f.openPage("<wml><card id=\"main\">\r\n<p>Mine</p>\r\n</card></wml>");
        f.toPreview();
        const QString myPage = f.temp(QStringLiteral("main.htm"));
        {
            // A second copy of the program, in the same program folder.
            TMainForm other(std::make_unique<ScriptedDialogs>(), false);
            other.OpenDocument(f.folder.write(QStringLiteral("other/page.wml"),
                                              "<wml><card id=\"main\">\r\n<p>Theirs</p>\r\n</card></wml>"));
            TMDIChild *theirs = other.activeChild();
            theirs->pages()->setCurrentIndex(2);
            QVERIFY(theirs->preview()->viewer()->toPlainText().contains(QStringLiteral("Theirs")));
            QCOMPARE(QFileInfo(QFileInfo(theirs->pageFolder()).path()).path(),
                     QFileInfo(QFileInfo(mine->pageFolder()).path()).path());
            QVERIFY(QFileInfo(theirs->pageFolder()).path() != QFileInfo(mine->pageFolder()).path());
        }
        QVERIFY(QFile::exists(myPage));
        mine->preview()->lstCARDSSChange();
        QVERIFY(mine->preview()->viewer()->toPlainText().contains(QStringLiteral("Mine")));
        QVERIFY(f.dialogs->errors.isEmpty());
        // The last copy to end takes "temp" with it.
        f.main.reset();
        QVERIFY(!QFileInfo::exists(f.folder.file(QStringLiteral("temp"))));
    }

    void picturesOutsideTheDocumentFolderShow()
    {
        PreviewFixture f;
        f.folder.write(QStringLiteral("site/img/logo.wbmp"), wbmp8x1(0x80));
        const QString absolute = f.folder.write(QStringLiteral("shared/pics/bar.wbmp"), wbmp8x1(0x01));
        // Same file name, other folder: each keeps its own copy.
        f.folder.write(QStringLiteral("site/other/logo.wbmp"), wbmp8x1(0xff));
        f.open(f.folder.write(QStringLiteral("site/pages/page.wml"),
                              "<wml><card id=\"c\">\r\n<p><img src=\"../img/logo.wbmp\" alt=\"\"/>"
                              "<img src=\"" + absolute.toUtf8() + "\" alt=\"\"/>"
                              "<img src=\"../other/logo.wbmp\" alt=\"\"/></p>\r\n</card></wml>"));
        const auto filesOutsideTemp = [&] {
            QStringList files;
            for (const char *folder : {"site", "shared"}) {
                QDirIterator it(f.folder.file(QString::fromLatin1(folder)), QDir::Files, QDirIterator::Subdirectories);
                while (it.hasNext())
                    files << it.next();
            }
            files.sort();
            return files;
        };
        const QStringList before = filesOutsideTemp();
        f.toPreview();
        QVERIFY(f.dialogs->errors.isEmpty());
        const QList<QImage> shown = picturesShown(f.tab()->viewer());
        QCOMPARE(shown.size(), 3);
        const QRgb light = f.tab()->viewer()->defaultBackground().rgb();
        QCOMPARE(shown[0].pixel(0, 0), light);
        QCOMPARE(shown[0].pixel(7, 0), qRgb(0, 0, 0));
        QCOMPARE(shown[1].pixel(0, 0), qRgb(0, 0, 0));
        QCOMPARE(shown[1].pixel(7, 0), light);
        QCOMPARE(shown[2].pixel(0, 0), light);
        QCOMPARE(shown[2].pixel(7, 0), light);
        // Nothing was written beside the document or the pictures.
        QCOMPARE(filesOutsideTemp(), before);
        QCOMPARE(QDir(f.temp(QStringLiteral("outside"))).entryList(QDir::Files).size(), 3);
    }

    void skinPlacesTitleScreenAndButtons()
    {
        PreviewFixture f;
        f.writeSkin("bmp=phone.png\nleft=24\ntop=90\nwidth=130\nheight=100\ncolor=#FF0000\ntitletop=70\n"
                    "titletype=bold\ntitlesize=10\ntitlecolor=Yellow\nbtnupleft=80\nbtnuptop=300\nbtnupwidth=25\n"
                    "btnupheight=20\nbtndownleft=80\nbtndowntop=330\nbtndownwidth=25\nbtndownheight=20\n");
        f.folder.write(QStringLiteral("site/dot.wbmp"), wbmp8x1(0x80));
        f.openPage("<wml><card id=\"a\" title=\"Title A\">\r\n<p><img src=\"dot.wbmp\" alt=\"\"/></p>\r\n</card></wml>");
        PreviewTab *tab = f.tab();
        QCOMPARE(itemsOf(tab->deviceList()), (QStringList{"normal", "Test phone"}));
        f.toPreview();
        f.chooseDevice(QStringLiteral("Test phone"));
        QVERIFY(f.dialogs->errors.isEmpty());
        QCOMPARE(tab->viewer()->geometry(), QRect(24, 90, 130, 100));
        QCOMPARE(tab->viewer()->defaultBackground(), QColor(255, 0, 0));
        QCOMPARE(tab->titleLabel()->x(), 24);
        QCOMPARE(tab->titleLabel()->y(), 70);
        QCOMPARE(tab->titleLabel()->width(), 130);
        QVERIFY(tab->titleLabel()->alignment() & Qt::AlignHCenter);
        QVERIFY(tab->titleLabel()->font().bold());
        QCOMPARE(tab->titleLabel()->font().pointSize(), 10);
        QCOMPARE(tab->titleLabel()->palette().color(QPalette::WindowText), QColor(255, 255, 0));
        QCOMPARE(tab->titleLabel()->text(), QStringLiteral("Title A"));
        QCOMPARE(tab->upButton()->geometry(), QRect(80, 300, 25, 20));
        QCOMPARE(tab->downButton()->geometry(), QRect(80, 330, 25, 20));
        QVERIFY(tab->upButton()->isEnabled());
        QVERIFY(tab->skinPicture()->isVisible());
        QCOMPARE(tab->skinPicture()->pos(), QPoint(0, 25));

        // The next entry decodes the pictures in the screen's red.
        f.toWml();
        f.toPreview();
        QCOMPARE(QImage(f.temp(QStringLiteral("dot.bmp"))).pixel(0, 0), qRgb(255, 0, 0));

        // NORMAL in capitals is the plain view again.
        f.chooseDevice(QStringLiteral("NORMAL"));
        QVERIFY(!tab->skinPicture()->isVisible());
        QVERIFY(!tab->upButton()->isEnabled());
        QCOMPARE(tab->viewer()->defaultBackground(), QColor(127, 175, 144));
        QCOMPARE(tab->viewer()->geometry(), QRect(0, 25, tab->width(), tab->height() - 25));
    }

    void regularTitleUnlessBold()
    {
        PreviewFixture f;
        f.writeSkin("bmp=phone.png\ncolor=white\ntitletype=heavy\n");
        f.openPage("<wml><card id=\"a\">\r\n</card></wml>");
        f.chooseDevice(QStringLiteral("Test phone"));
        QVERIFY(!f.tab()->titleLabel()->font().bold());
        QCOMPARE(f.tab()->titleLabel()->text(), QString());
    }

    void skinFailuresAreShown_data()
    {
        QTest::addColumn<QByteArray>("section");
        QTest::addColumn<QString>("device");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing picture") << QByteArray("bmp=gone.png\ncolor=white\n") << "Test phone"
                                         << "Cannot open file SKINS/gone.png";
        QTest::newRow("unknown extension") << QByteArray("bmp=phone.xyz\ncolor=white\n") << "Test phone"
                                           << "Unknown picture file extension (.xyz)";
        QTest::newRow("typed name without section") << QByteArray() << "Nokla" << "Unknown picture file extension (.)";
        QTest::newRow("bad colour") << QByteArray("bmp=phone.png\ncolor=mauve\n") << "Test phone"
                                    << "'clmauve' is not a valid integer value";
        QTest::newRow("no colour") << QByteArray("bmp=phone.png\n") << "Test phone"
                                   << "'cl' is not a valid integer value";
    }
    void skinFailuresAreShown()
    {
        QFETCH(QByteArray, section);
        QFETCH(QString, device);
        QFETCH(QString, error);
        PreviewFixture f;
        f.writeSkin(section);
        f.openPage("<wml><card id=\"a\">\r\n</card></wml>");
        f.chooseDevice(device);
        error.replace(QStringLiteral("SKINS"), f.folder.file(QStringLiteral("skins")));
        QCOMPARE(f.dialogs->errors, QStringList{error + (error.endsWith(QLatin1Char(')')) ? "" : ".")});
        QVERIFY(!f.tab()->skinPicture()->isVisible());
    }

    void scrollButtonsMoveTheOffset()
    {
        PreviewFixture f;
        f.writeSkin("bmp=phone.png\ncolor=white\n");
        f.openPage("<wml><card id=\"a\">\r\n<p>x</p>\r\n</card><card id=\"b\">\r\n<p>y</p>\r\n</card></wml>");
        f.toPreview();
        f.chooseDevice(QStringLiteral("Test phone"));
        PreviewTab *tab = f.tab();
        tab->upButton()->click();
        QCOMPARE(tab->scrollOffset(), 0);
        for (int i = 0; i < 3; ++i)
            tab->downButton()->click();
        tab->upButton()->click();
        QCOMPARE(tab->scrollOffset(), 20);
        // Entering the Preview again keeps the offset; choosing a card resets it.
        f.toWml();
        f.toPreview();
        QCOMPARE(tab->scrollOffset(), 20);
        tab->cardList()->setCurrentIndex(1);
        QCOMPARE(tab->scrollOffset(), 0);
        QCOMPARE(tab->viewer()->currentFile(), f.temp(QStringLiteral("b.htm")));
    }

    void failedEntryKeepsTheLastViewAndTriesAgain()
    {
        PreviewFixture f;
        f.folder.write(QStringLiteral("site/cut.wbmp"), QByteArray::fromHex("0000"));
        TMDIChild *child = f.openPage("<wml><card id=\"a\">\r\n<p><img src=\"cut.wbmp\" alt=\"\"/></p>\r\n</card></wml>");
        f.toPreview();
        QCOMPARE(f.dialogs->errors, QStringList{"Read beyond end of file."});
        QCOMPARE(child->lastView, int(TMDIChild::ViewWml));
        f.folder.write(QStringLiteral("site/cut.wbmp"), wbmp8x1(0));
        f.toWml();
        f.toPreview();
        QCOMPARE(child->lastView, int(TMDIChild::ViewPreview));
        QCOMPARE(f.dialogs->errors.size(), 1);
    }
};

TARNEL_TEST(PreviewTabTest)

#include "previewtabtest.moc"
