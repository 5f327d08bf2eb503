#include "guifixture.h"
#include "testregistry.h"

#include "editor/completionlist.h"

#include <QApplication>
#include <QComboBox>
#include <QMouseEvent>
#include <QTabWidget>

namespace {

QString withCaret(const WmlEditor *editor)
{
    return editor->text().insert(editor->caret(), QLatin1Char('^'));
}

// A document window whose editor holds text with the caret at its end.
struct CompletionFixture : GuiFixture
{
    CompletionFixture()
    {
        folder.write(QStringLiteral("data/check.ini"),
                     "[tags]\ncard=card|id=\"\"|title=\"\"#\np=p|align=\"0;left;center;right\"\ndo=do|type=\"\"\n"
                     "input=input|name=\"\"|type=\"-;text;password\"\n");
        trigger("FileNew");
    }
    WmlEditor *editor() const { return active()->editor(); }
    CompletionList *list() const { return active()->completionList(); }
    void start(const QString &text) const
    {
        editor()->setText(text);
        editor()->setCaret(text.length());
        editor()->setFocus();
    }
    void pressCtrlJ() const { QTest::keyClick(editor(), Qt::Key_J, Qt::ControlModifier); }
};

} // namespace

// Ctrl+J in the real document window, and the card lists.
class CompletionTest : public QObject
{
    Q_OBJECT

private slots:
    void bareBracketOffersTagNamesInFileOrder()
    {
        CompletionFixture f;
        f.start(QStringLiteral("<wml>\r\n<"));
        f.pressCtrlJ();
        QVERIFY(f.list()->isVisible());
        QVERIFY(f.list()->hasFocus());
        QCOMPARE(f.list()->entries(), (QStringList{"card", "p", "do", "input"}));
        QCOMPARE(withCaret(f.editor()), QStringLiteral("<wml>\r\n< ^"));
        QTest::keyClick(f.list(), Qt::Key_Return);
        // The name follows its "<" directly: the list's space is gone.
        QCOMPARE(withCaret(f.editor()), QStringLiteral("<wml>\r\n<card^"));
        QVERIFY(!f.list()->isVisible());
        QVERIFY(f.editor()->hasFocus());
    }

    void tagOffersItsAttributesAndPutsTheCaretInTheQuotes()
    {
        CompletionFixture f;
        f.start(QStringLiteral("<card"));
        f.pressCtrlJ();
        QCOMPARE(f.list()->entries(), (QStringList{"id=\"\"", "title=\"\""}));
        QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(withCaret(f.editor()), QStringLiteral("<card title=\"^\""));
        QVERIFY(f.active()->isModified());
    }

    void listOpensBesideTheCaret()
    {
        CompletionFixture f;
        f.start(QStringLiteral("<p>\r\n  <do type=\"accept\" "));
        f.pressCtrlJ();
        const QPoint caret = f.editor()->caretPixelPosition(); // after the typed space
        QCOMPARE(f.list()->entries(), QStringList{"type=\"\""});
        QCOMPARE(f.list()->parentWidget()->objectName(), QStringLiteral("tabWML"));
        const QPoint inTab = f.editor()->mapTo(f.list()->parentWidget(), caret);
        QCOMPARE(f.list()->pos(), inTab + QPoint(10, 5));
        QCOMPARE(f.list()->size(), QSize(121, 87));
    }

    void doubleClickChoosesTheEntry()
    {
        CompletionFixture f;
        f.start(QStringLiteral("<p"));
        f.pressCtrlJ();
        QApplication::processEvents();
        QTreeWidgetItem *item = f.list()->topLevelItem(0);
        const QPoint at = f.list()->visualItemRect(item).center();
        QWidget *viewport = f.list()->viewport();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, at, viewport->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
            QApplication::sendEvent(viewport, &event);
        }
        QCOMPARE(withCaret(f.editor()), QStringLiteral("<p align=\"^\""));
    }

    // An attribute whose value is one of a few words goes in empty, and a
    // second list offers those words at the caret.
    void choiceAttributeOffersItsChoices_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<int>("entry");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("choices");
        QTest::newRow("align of p") << "<p" << 0 << "align" << QStringList{"left", "center", "right"};
        QTest::newRow("type of input, nothing preselected") << "<input" << 1 << "type" << QStringList{"text", "password"};
    }
    void choiceAttributeOffersItsChoices()
    {
        QFETCH(QString, tag);
        QFETCH(int, entry);
        QFETCH(QString, name);
        QFETCH(QStringList, choices);
        CompletionFixture f;
        f.start(tag);
        f.pressCtrlJ();
        for (int i = 0; i < entry; ++i)
            QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::keyClick(f.list(), Qt::Key_Return);
        const QString empty = tag + QLatin1Char(' ') + name + QStringLiteral("=\"^\"");
        QCOMPARE(withCaret(f.editor()), empty);
        QVERIFY(f.list()->isVisible());
        QVERIFY(f.list()->hasFocus());
        QCOMPARE(f.list()->entries(), choices);
        const QPoint inTab = f.editor()->mapTo(f.list()->parentWidget(), f.editor()->caretPixelPosition());
        QCOMPARE(f.list()->pos(), inTab + QPoint(10, 5));

        // Escape leaves the empty value; the choices typed nothing to take back.
        QTest::keyClick(f.list(), Qt::Key_Escape);
        QVERIFY(!f.list()->isVisible());
        QCOMPARE(withCaret(f.editor()), empty);

        f.start(tag);
        f.pressCtrlJ();
        for (int i = 0; i < entry; ++i)
            QTest::keyClick(f.list(), Qt::Key_Down);
        QTest::keyClick(f.list(), Qt::Key_Return);
        QTest::keyClick(f.list(), Qt::Key_End);
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(withCaret(f.editor()), QString(empty).replace(QLatin1Char('^'), choices.last() + QLatin1Char('^')));
        QVERIFY(!f.list()->isVisible());
        QVERIFY(f.editor()->hasFocus());
    }

    // Clicking elsewhere closes the list and takes back its space; a later
    // Escape in the editor removes nothing the user typed.
    void clickingElsewhereClosesTheList()
    {
        CompletionFixture f;
        f.start(QStringLiteral("<card\r\n<p>x</p>"));
        f.editor()->setCaret(5);
        f.pressCtrlJ();
        QVERIFY(f.list()->isVisible());
        QCOMPARE(withCaret(f.editor()), QStringLiteral("<card ^\r\n<p>x</p>"));
        // A click at the end of the second line.
        const int end = f.editor()->length();
        f.editor()->setCaret(end);
        const QPoint point = f.editor()->caretPixelPosition() + QPoint(2, 0);
        f.editor()->setCaret(6);
        QTest::mouseClick(f.editor()->viewport(), Qt::LeftButton, Qt::NoModifier, point);
        QTRY_COMPARE(f.editor()->text(), QStringLiteral("<card\r\n<p>x</p>"));
        QVERIFY(!f.list()->isVisible());
        QVERIFY(f.editor()->hasFocus());
        QCOMPARE(f.editor()->caret(), f.editor()->length());
        QTest::keyClicks(f.editor(), QStringLiteral("hello"));
        QTest::keyClick(f.editor(), Qt::Key_Escape);
        QTest::keyClick(f.list(), Qt::Key_Escape);
        QCOMPARE(f.editor()->text(), QStringLiteral("<card\r\n<p>x</p>hello"));
    }

    // A command run while the list is open takes the focus and closes the
    // list; the text keeps what the command put in, space included.
    void aCommandClosesTheListAndKeepsItsEdit()
    {
        CompletionFixture f;
        f.start(QStringLiteral("<card"));
        f.pressCtrlJ();
        QVERIFY(f.list()->hasFocus());
        f.active()->insertAction(QStringLiteral("InsBR"))->trigger();
        QTRY_VERIFY(!f.list()->isVisible());
        QCoreApplication::processEvents();
        QCOMPARE(withCaret(f.editor()), QStringLiteral("<card <br/>^"));
        QVERIFY(f.editor()->hasFocus());
    }

    void escapeRestoresTheTextExactly()
    {
        CompletionFixture f;
        f.start(QStringLiteral("<card id=\"a\">\r\n<p"));
        f.editor()->setCaret(6);
        const QString before = f.editor()->text();
        f.pressCtrlJ();
        QTest::keyClick(f.list(), Qt::Key_Escape);
        QCOMPARE(f.editor()->text(), before);
        QCOMPARE(f.editor()->caret(), 6);
        QVERIFY(!f.list()->isVisible());
    }

    void closingTagAndUnknownTagGiveAnEmptyList_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("closing tag") << "</card";
        QTest::newRow("unknown tag") << "<blink";
    }
    void closingTagAndUnknownTagGiveAnEmptyList()
    {
        QFETCH(QString, text);
        CompletionFixture f;
        f.start(text);
        f.pressCtrlJ();
        QVERIFY(f.list()->isVisible());
        QVERIFY(f.list()->entries().isEmpty());
        QCOMPARE(withCaret(f.editor()), text + QStringLiteral(" ^"));
        // Enter with nothing to choose inserts nothing.
        QTest::keyClick(f.list(), Qt::Key_Return);
        QCOMPARE(withCaret(f.editor()), text + QStringLiteral(" ^"));
        QVERIFY(f.dialogs->messages.isEmpty());
    }

    void missingTagListIsReportedOnlyForAttributes()
    {
        CompletionFixture f;
        QFile::remove(f.folder.file(QStringLiteral("data/check.ini")));
        f.start(QStringLiteral("<"));
        f.pressCtrlJ();
        QVERIFY(f.dialogs->messages.isEmpty());
        QVERIFY(f.list()->entries().isEmpty());
        QTest::keyClick(f.list(), Qt::Key_Escape);
        f.start(QStringLiteral("<card"));
        f.pressCtrlJ();
        QCOMPARE(f.dialogs->messages, QStringList{"*** Error open CHECK.INI ***"});
        QVERIFY(f.list()->isVisible());
        QCOMPARE(withCaret(f.editor()), QStringLiteral("<card ^"));
    }

    void tagListIsReadAfreshEachTime()
    {
        CompletionFixture f;
        f.start(QStringLiteral("<card"));
        f.pressCtrlJ();
        QTest::keyClick(f.list(), Qt::Key_Escape);
        f.folder.write(QStringLiteral("data/check.ini"), "[tags]\ncard=card|ordered=\"\"\n");
        f.pressCtrlJ();
        QCOMPARE(f.list()->entries(), QStringList{"ordered=\"\""});
    }

    void otherControlKeysOpenNothing_data()
    {
        QTest::addColumn<int>("modifiers");
        QTest::newRow("Ctrl+Shift+J") << int(Qt::ControlModifier | Qt::ShiftModifier);
        QTest::newRow("Ctrl+Alt+J") << int(Qt::ControlModifier | Qt::AltModifier);
    }
    void otherControlKeysOpenNothing()
    {
        QFETCH(int, modifiers);
        CompletionFixture f;
        f.start(QStringLiteral("<card"));
        // X11 gives these keys the control character LF as their text.
        QTest::sendKeyEvent(QTest::Click, f.editor(), Qt::Key_J, QString(QChar(0x0a)),
                            Qt::KeyboardModifiers(modifiers));
        QVERIFY(!f.list()->isVisible());
        QCOMPARE(f.editor()->text(), QStringLiteral("<card"));
    }

    void outsideAnyTagNothingOpens()
    {
        CompletionFixture f;
        f.start(QStringLiteral("plain text"));
        f.pressCtrlJ();
        QVERIFY(!f.list()->isVisible());
        QCOMPARE(f.editor()->text(), QStringLiteral("plain text"));
    }

    void enteringTheWmlTabRefreshesTheCardLists()
    {
        CompletionFixture f;
        TMDIChild *child = f.active();
        f.start(QStringLiteral("<wml><card id=\"a\"/><!-- <CARD> --><card id=\"b\"/></wml>"));
        child->pages()->setCurrentIndex(2);
        f.editor()->setSelection(3, 8);
        child->pages()->setCurrentIndex(0);
        QStringList entries;
        for (int i = 0; i < child->cardList()->count(); ++i)
            entries << child->cardList()->itemText(i);
        QCOMPARE(entries, (QStringList{"card1", "card2", "card3"}));
        QCOMPARE(child->cardList()->currentIndex(), 0);
        QCOMPARE(child->previewCardList()->count(), 3);
        QCOMPARE(f.editor()->caret(), 8);
        QCOMPARE(f.editor()->anchor(), 8);
    }
};

TARNEL_TEST(CompletionTest)

#include "completiontest.moc"
