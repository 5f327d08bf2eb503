#include "previewfixture.h"
#include "testregistry.h"

#include "preview/htmlviewer.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>

namespace {

const QByteArray deck = "<wml>\r\n"
                        "<card id=\"intro\" title=\"Tom &amp; Jerry\">\r\n"
                        "<p><a href=\"#main\">Go &amp; see</a></p>\r\n"
                        "</card>\r\n"
                        "<card id=\"main\" title=\"Step &lt;2&gt;\">\r\n"
                        "<p>Main card</p>\r\n"
                        "</card>\r\n"
                        "</wml>";

// Clicks the first line of the page shown, where the first card's link is.
void clickFirstLine(HtmlViewer *viewer)
{
    const QPoint at = viewer->cursorRect(viewer->cursorForPosition(QPoint(2, 2))).center();
    QWidget *viewport = viewer->viewport();
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(viewport, &event);
    }
}

// Chooses a card from the opened list with the keyboard, as a user does;
// the card may be the one already chosen.
void chooseCard(QComboBox *list, int index)
{
    list->showPopup();
    QAbstractItemView *items = list->view();
    QTRY_VERIFY(items->isVisible());
    items->setCurrentIndex(items->model()->index(index, 0));
    QTest::keyClick(items, Qt::Key_Return);
    QTRY_VERIFY(!items->isVisible());
}

} // namespace

// The title above the phone's screen and the card list always belong to
// the card on display.
class PreviewTitleTest : public QObject
{
    Q_OBJECT

private slots:
    void titleAndListFollowTheCardShown()
    {
        PreviewFixture f;
        TMDIChild *child = f.openPage(deck);
        f.toPreview();
        f.chooseDevice(QStringLiteral("Colour 128"));
        PreviewTab *tab = f.tab();
        QLabel *title = tab->titleLabel();
        QCOMPARE(tab->viewer()->currentFile(), f.temp(QStringLiteral("intro.htm")));
        QCOMPARE(title->text(), QStringLiteral("Tom & Jerry"));
        // The page shows references as the characters they stand for too.
        QVERIFY(tab->viewer()->toPlainText().contains(QStringLiteral("Go & see")));

        // Following the link.
        clickFirstLine(tab->viewer());
        QCOMPARE(tab->viewer()->currentFile(), f.temp(QStringLiteral("main.htm")));
        QCOMPARE(tab->cardList()->currentText(), QStringLiteral("main"));
        QCOMPARE(title->text(), QStringLiteral("Step <2>"));

        // Choosing the first card again shows it.
        chooseCard(tab->cardList(), 0);
        QCOMPARE(tab->viewer()->currentFile(), f.temp(QStringLiteral("intro.htm")));
        QCOMPARE(title->text(), QStringLiteral("Tom & Jerry"));

        // Choosing the card on display again shows it from the top.
        tab->downButton()->click();
        tab->downButton()->click();
        QCOMPARE(tab->scrollOffset(), 20);
        chooseCard(tab->cardList(), 0);
        QCOMPARE(tab->scrollOffset(), 0);
        QCOMPARE(tab->viewer()->currentFile(), f.temp(QStringLiteral("intro.htm")));

        // Re-entering after the link: the first card, with its own title.
        clickFirstLine(tab->viewer());
        QCOMPARE(title->text(), QStringLiteral("Step <2>"));
        f.toWml();
        child->editor()->setText(QString::fromLatin1(deck).replace(QStringLiteral("Tom &amp; Jerry"),
                                                                     QStringLiteral("A &lt; B &amp; C")));
        f.toPreview();
        QCOMPARE(tab->viewer()->currentFile(), f.temp(QStringLiteral("intro.htm")));
        QCOMPARE(tab->cardList()->currentIndex(), 0);
        QCOMPARE(title->text(), QStringLiteral("A < B & C"));
        QVERIFY(f.dialogs->errors.isEmpty());
        QVERIFY(f.dialogs->messages.isEmpty());
    }

    void linksToRemovedCardsAreReported()
    {
        PreviewFixture f;
        TMDIChild *child = f.openPage(deck);
        f.toPreview();
        f.toWml();
        // The second card goes; its old page is still in the folder.
        child->editor()->setText(QStringLiteral("<wml><card id=\"intro\" title=\"Only\">\r\n"
                                                "<p><a href=\"#main\">Go</a></p>\r\n</card></wml>"));
        f.toPreview();
        QVERIFY(QFile::exists(f.temp(QStringLiteral("main.htm"))));
        clickFirstLine(f.tab()->viewer());
        QCOMPARE(f.dialogs->messages, QStringList{"Error opening main.htm - Can't locate file: "
                                                  + f.temp(QStringLiteral("main.htm"))});
        QCOMPARE(f.tab()->viewer()->currentFile(), f.temp(QStringLiteral("intro.htm")));
        QCOMPARE(f.tab()->titleLabel()->text(), QStringLiteral("Only"));
    }
};

TARNEL_TEST(PreviewTitleTest)

#include "previewtitletest.moc"
