#include "guifixture.h"
#include "testregistry.h"

#include "app/tfrmabout.h"
#include "app/tfrmwaphelp.h"

#include <QLabel>
#include <QScrollBar>

namespace {

// A main window with help pages of its own and a record of what the help
// window showed.
struct HelpFixture : GuiFixture
{
    QStringList shown;

    HelpFixture()
    {
        QString filler;
        for (int i = 0; i < 200; ++i)
            filler += QStringLiteral("<p>Line %1</p>\n").arg(i);
        for (const char *page : {"content", "card", "p", "br"})
            folder.write(QStringLiteral("HELP/%1.htm").arg(QLatin1String(page)),
                         QStringLiteral("<html><body><h1 id=\"top\">%1</h1>%2</body></html>")
                             .arg(QLatin1String(page), filler)
                             .toUtf8());
        dialogs->onModal = [this](QDialog &dialog) {
            if (auto *help = qobject_cast<TfrmWAPHELP *>(&dialog)) {
                shown << help->viewer()->source().fileName();
                // Reading down the page, then closing with Esc.
                help->viewer()->verticalScrollBar()->setValue(help->viewer()->verticalScrollBar()->maximum());
                help->backItem()->trigger();
            }
        };
    }

    void contextHelpAt(const QString &text, int caret)
    {
        active()->editor()->setText(text);
        active()->editor()->setCaret(caret);
        trigger("itmTaghelp");
    }
};

} // namespace

// The help window, context help and the about box through the main window.
class HelpTest : public QObject
{
    Q_OBJECT

private slots:
    void contentsShowFromTheTopEveryTime()
    {
        HelpFixture f;
        f.trigger("WAPhelp1");
        QCOMPARE(f.shown, QStringList{"content.htm"});
        QVERIFY(!f.main->helpWindow()->isVisible());
        // Shown again after Esc: from its top.
        f.dialogs->onModal = [&f](QDialog &dialog) {
            auto &help = static_cast<TfrmWAPHELP &>(dialog);
            f.shown << help.viewer()->source().fileName();
            QCOMPARE(help.viewer()->verticalScrollBar()->value(), 0);
            QCOMPARE(help.windowTitle(), QStringLiteral("Tarnel help"));
        };
        f.trigger("WAPhelp1");
        QCOMPARE(f.shown, (QStringList{"content.htm", "content.htm"}));
        QVERIFY(f.dialogs->errors.isEmpty());
    }

    void missingContentsAreReported()
    {
        HelpFixture f;
        const QString contents = f.folder.file(QStringLiteral("HELP/content.htm"));
        QFile::remove(contents);
        f.trigger("WAPhelp1");
        QCOMPARE(f.dialogs->errors, QStringList{"Can't locate file: " + contents + "."});
        QVERIFY(f.shown.isEmpty());
    }

    void contextHelpFindsTheTagBeforeTheCaret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("caret");
        QTest::addColumn<QStringList>("pages");
        const QString deck = QStringLiteral("<card id=\"a\" title=\"T\">\r\n<p>Hello</p> <br/> <!-- note --> x");
        QTest::newRow("inside a card tag with attributes") << deck << 8 << QStringList{"card.htm"};
        QTest::newRow("text after an opening paragraph") << deck << 30 << QStringList{"p.htm"};
        QTest::newRow("after a closing paragraph") << deck << 37 << QStringList{"p.htm"};
        QTest::newRow("after a line break tag") << deck << 43 << QStringList{"br.htm"};
        QTest::newRow("after a comment") << deck << int(deck.size()) << QStringList{};
        QTest::newRow("no tag before the caret") << QStringLiteral("plain text") << 5 << QStringList{};
        QTest::newRow("a tag without a page") << QStringLiteral("<blink>x") << 8 << QStringList{};
        QTest::newRow("a tag in upper case") << QStringLiteral("<CARD ID=\"a\">") << 3 << QStringList{"card.htm"};
        QTest::newRow("a closing tag in mixed case") << QStringLiteral("<P>x</P> y") << 9 << QStringList{"p.htm"};
    }
    void contextHelpFindsTheTagBeforeTheCaret()
    {
        QFETCH(QString, text);
        QFETCH(int, caret);
        QFETCH(QStringList, pages);
        HelpFixture f;
        f.trigger("FileNew");
        f.contextHelpAt(text, caret);
        QCOMPARE(f.shown, pages);
        QCOMPARE(f.active()->editor()->text(), text);
        QCOMPARE(f.active()->editor()->caret(), caret);
        QVERIFY(f.dialogs->errors.isEmpty());
    }

    void contextHelpKeepsTheCaretAndScrollAndDropsTheSelection()
    {
        HelpFixture f;
        f.trigger("FileNew");
        WmlEditor *editor = f.active()->editor();
        QString text;
        for (int i = 0; i < 300; ++i)
            text += QStringLiteral("<p>line %1</p>\r\n").arg(i);
        editor->setText(text);
        editor->setSelection(editor->lineStart(150), editor->lineStart(150) + 5);
        editor->verticalScrollBar()->setValue(140);
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_F1, Qt::ControlModifier);
        QCOMPARE(f.shown, QStringList{"p.htm"});
        QCOMPARE(editor->caret(), editor->lineStart(150) + 5);
        QCOMPARE(editor->anchor(), editor->caret());
        QCOMPARE(editor->verticalScrollBar()->value(), 140);
    }

    void contextHelpWithoutAPageDoesNothing()
    {
        HelpFixture f;
        f.trigger("itmTaghelp");
        QVERIFY(f.shown.isEmpty());
        QVERIFY(f.dialogs->errors.isEmpty());
    }

    void aboutShowsTheProgramAndClosesOnAClick()
    {
        GuiFixture f;
        bool closed = false;
        f.dialogs->onModal = [&closed](QDialog &dialog) {
            auto &about = static_cast<TfrmAbout &>(dialog);
            QCOMPARE(about.windowTitle(), QStringLiteral("About"));
            QCOMPARE(about.info()->text(), QStringLiteral("Orvane Tarnel 3.0.1"));
            QCOMPARE(about.size(), QSize(322, 238));
            QLabel *picture = about.findChild<QLabel *>(QStringLiteral("Image1"));
            QVERIFY(!picture->pixmap().isNull());
            QTest::mouseClick(picture, Qt::LeftButton);
            closed = about.result() == QDialog::Accepted;
        };
        f.trigger("mmAbout");
        QVERIFY(closed);
    }
};

TARNEL_TEST(HelpTest)

#include "helptest.moc"
