#include "guifixture.h"
#include "testregistry.h"

#include "check/checksession.h"
#include "common/editorsettings.h"
#include "editor/problemlist.h"
#include "editor/problemmarks.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolTip>

namespace {

const QString prologue = QStringLiteral("<?xml version=\"1.0\"?>\r\n"
                                        "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" "
                                        "\"http://www.wapforum.org/DTD/wml_1.1.xml\">\r\n");

// A deck with nothing to find; line 5 is "<p>Hello</p>".
QString cleanDeck()
{
    return prologue + QStringLiteral("<wml>\r\n<card id=\"main\" title=\"Main\">\r\n<p>Hello</p>\r\n</card>\r\n</wml>");
}

bool indicatorAt(WmlEditor *editor, int indicator, int position)
{
    return editor->SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, editor->bytePosition(position))
           != 0;
}

// The lines (from 0) that carry marker.
QList<int> markedLines(WmlEditor *editor, int marker)
{
    QList<int> lines;
    for (int line = 0; line < editor->lineCount(); ++line) {
        if (editor->SendScintilla(QsciScintillaBase::SCI_MARKERGET, line) & (1 << marker))
            lines << line;
    }
    return lines;
}

QStringList rowTexts(ProblemList *list, int row)
{
    QStringList texts;
    for (int column = 0; column < list->columnCount(); ++column)
        texts << list->topLevelItem(row)->text(column);
    return texts;
}

// The real checker, and a second fix for its first problem.
QList<Diagnostic> checkWithTwoFixes(const CheckSession::Input &input)
{
    QList<Diagnostic> found = CheckSession::standardCheck(input);
    if (!found.isEmpty()) {
        Diagnostic other = found.front();
        const int at = other.range.start.offset;
        other.fix = QuickFix{QStringLiteral("Remove it"), {TextEdit{at, at + 1, QString()}}};
        found << other;
    }
    return found;
}

QMenu *waitForPopup()
{
    QMenu *menu = nullptr;
    const bool shown = QTest::qWaitFor(
        [&] { return (menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) != nullptr; });
    return shown ? menu : nullptr;
}

} // namespace

// The checker in the document window: problems found as the user types are
// underlined, marked in the margin, listed under the editor and counted in
// the status bar; the list leads to them and their fixes mend them.
class CheckerTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { EditorSettings::setProblemsList(true); }
    void cleanup() { init(); }

    void typedFaultIsMarkedListedAndCounted()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("deck.wml"), cleanDeck().toUtf8()));
        TMDIChild *child = f.active();
        WmlEditor *editor = child->editor();
        ProblemList *list = child->problemList();
        QTRY_COMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("No problems"));
        QVERIFY(list->isVisible());
        QCOMPARE(list->topLevelItemCount(), 0);

        editor->setCaret(editor->lineStart(4) + 8);
        f.type(QStringLiteral(" & more"));
        const int ampersand = editor->lineStart(4) + 9;
        QCOMPARE(editor->SourceEditor::charAt(ampersand), QLatin1Char('&'));
        QTRY_COMPARE(list->topLevelItemCount(), 1);
        const QStringList row = rowTexts(list, 0);
        QCOMPARE(row[ProblemList::SeverityColumn], QStringLiteral("error"));
        QCOMPARE(row[ProblemList::PlaceColumn], QStringLiteral("5:10"));
        QVERIFY(!row[ProblemList::MessageColumn].isEmpty());
        QCOMPARE(row[ProblemList::RuleColumn], QStringLiteral("xml"));
        QCOMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("1 error"));

        // The squiggle lies under the "&" and nowhere else; the margin
        // marks its line.
        QVERIFY(indicatorAt(editor, ProblemMarks::errorIndicator, ampersand));
        QVERIFY(!indicatorAt(editor, ProblemMarks::errorIndicator, ampersand - 2));
        QVERIFY(!indicatorAt(editor, ProblemMarks::warningIndicator, ampersand));
        QCOMPARE(markedLines(editor, ProblemMarks::errorMarker), QList<int>{4});
        QVERIFY(markedLines(editor, ProblemMarks::warningMarker).isEmpty());

        // Resting the mouse on the squiggle tells the message.
        const QString message = row[ProblemList::MessageColumn];
        QCOMPARE(child->problemMarks()->toolTipAt(ampersand), QStringLiteral("error: ") + message);
        QCOMPARE(child->problemMarks()->toolTipAt(ampersand - 2), QString());
        const long byte = editor->bytePosition(ampersand);
        emit editor->SCN_DWELLSTART(int(byte), int(editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0L, byte)),
                                    int(editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0L, byte)));
        QTRY_VERIFY(QToolTip::isVisible());
        QVERIFY(QToolTip::text().contains(message));
        emit editor->SCN_DWELLEND(int(byte), 0, 0);
        QTRY_VERIFY(!QToolTip::isVisible());

        // Mended by hand, the page is clean again and the marks go.
        editor->setSelection(ampersand, ampersand + 1);
        f.type(QStringLiteral("&amp;"));
        QTRY_COMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("No problems"));
        QCOMPARE(list->topLevelItemCount(), 0);
        QVERIFY(!indicatorAt(editor, ProblemMarks::errorIndicator, ampersand));
        QVERIFY(markedLines(editor, ProblemMarks::errorMarker).isEmpty());
    }

    void listRowLeadsToTheProblem()
    {
        GuiFixture f;
        QString deck = cleanDeck();
        deck.replace(QStringLiteral("<p>Hello</p>"), QStringLiteral("<p>Hello"));
        f.open(f.folder.write(QStringLiteral("deck.wml"), deck.toUtf8()));
        TMDIChild *child = f.active();
        WmlEditor *editor = child->editor();
        ProblemList *list = child->problemList();
        QTRY_COMPARE(list->topLevelItemCount(), 1);
        const int offset = list->offsetOf(0);
        QVERIFY(offset > editor->lineStart(4));
        QCOMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("1 error"));

        // Double click.
        editor->setCaret(0);
        QTreeWidgetItem *item = list->topLevelItem(0);
        const QPoint center = list->visualItemRect(item).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, center);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, center);
        QCOMPARE(editor->caret(), offset);
        QTRY_VERIFY(editor->hasFocus());

        // Enter on the row.
        editor->setCaret(0);
        list->setFocus();
        list->setCurrentItem(item);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(editor->caret(), offset);
        QTRY_VERIFY(editor->hasFocus());
    }

    void quickFixAtTheCaretIsOneUndoStep()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("deck.wml"), cleanDeck().toUtf8()));
        TMDIChild *child = f.active();
        WmlEditor *editor = child->editor();
        editor->setCaret(editor->lineStart(4) + 8);
        f.type(QStringLiteral(" & more"));
        const QString broken = editor->text();

        // Right after typing, before the pause is over: the fix is found
        // all the same.
        editor->setCaret(editor->lineStart(4) + 9);
        QTRY_COMPARE(child->problemList()->topLevelItemCount(), 1);
        const long byte = editor->bytePosition(editor->caret());
        emit editor->SCN_DWELLSTART(int(byte), 10, 10);
        QTRY_VERIFY(QToolTip::isVisible());
        QTest::keyClick(editor, Qt::Key_Period, Qt::ControlModifier);
        QVERIFY(editor->text().contains(QStringLiteral("<p>Hello &amp; more</p>")));
        QCOMPARE(editor->caret(), editor->lineStart(4) + 14);
        QTRY_COMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("No problems"));
        QCOMPARE(child->problemList()->topLevelItemCount(), 0);
        // The message of the mended problem no longer shows.
        QTRY_VERIFY(!QToolTip::isVisible());

        // One Undo takes the whole fix back, and the problem returns.
        f.trigger("EditUndo");
        QCOMPARE(editor->text(), broken);
        QTRY_COMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("1 error"));

        // Away from the problem Ctrl+. changes nothing and says so.
        editor->setCaret(0);
        QTest::keyClick(editor, Qt::Key_Period, Qt::ControlModifier);
        QCOMPARE(editor->text(), broken);
        QCOMPARE(f.panel(StatusPanels::HintPanel), QStringLiteral("No quick fix at the caret"));
    }

    void severalFixesAtTheCaretOfferAMenu()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("deck.wml"), cleanDeck().toUtf8()));
        TMDIChild *child = f.active();
        child->checkSession()->setCheckFunction(&checkWithTwoFixes);
        WmlEditor *editor = child->editor();
        editor->setCaret(editor->lineStart(4) + 8);
        f.type(QStringLiteral(" & more"));
        editor->setCaret(editor->lineStart(4) + 9);
        QTest::keyClick(editor, Qt::Key_Period, Qt::ControlModifier);
        QMenu *menu = waitForPopup();
        QVERIFY(menu);
        QStringList labels;
        for (const QAction *action : menu->actions())
            labels << action->text();
        QCOMPARE(labels, (QStringList{"Write && as &&amp;", "Remove it"}));
        QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_VERIFY(editor->text().contains(QStringLiteral("<p>Hello  more</p>")));
    }

    void contextMenuOffersTheFixOfTheClickedProblem()
    {
        GuiFixture f;
        QString deck = cleanDeck();
        deck.replace(QStringLiteral("<p>Hello</p>"), QStringLiteral("<p>Hello"));
        f.open(f.folder.write(QStringLiteral("deck.wml"), deck.toUtf8()));
        TMDIChild *child = f.active();
        WmlEditor *editor = child->editor();
        QTRY_COMPARE(child->problemList()->topLevelItemCount(), 1);
        const QString broken = editor->text();

        // A right click on the squiggle under "</card>", with the caret elsewhere.
        const int closing = editor->lineStart(5) + 2;
        QCOMPARE(editor->lineText(5), QStringLiteral("</card>"));
        QVERIFY(indicatorAt(editor, ProblemMarks::errorIndicator, closing));
        const long byte = editor->bytePosition(closing);
        const QPoint at(int(editor->SendScintilla(QsciScintillaBase::SCI_POINTXFROMPOSITION, 0L, byte)) + 2,
                        int(editor->SendScintilla(QsciScintillaBase::SCI_POINTYFROMPOSITION, 0L, byte)) + 4);
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, editor->viewport()->mapToGlobal(at));
        QApplication::sendEvent(editor->viewport(), &event);
        QMenu *menu = waitForPopup();
        QVERIFY(menu);
        QAction *fix = menu->findChild<QAction *>(QStringLiteral("QuickFix1"));
        QVERIFY(fix);
        QCOMPARE(menu->actions().value(0), fix);
        QCOMPARE(fix->text(), QStringLiteral("Close <p>"));
        // The editing commands are still there below it.
        QVERIFY(menu->actions().size() > 3);
        menu->setActiveAction(fix);
        QTest::keyClick(menu, Qt::Key_Return);
        QTRY_COMPARE(editor->text().count(QStringLiteral("</p>")), 1);
        QTRY_COMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("No problems"));
        f.trigger("EditUndo");
        QCOMPARE(editor->text(), broken);
        f.trigger("EditRedo");

        // On clean text the menu has no fixes.
        QTRY_COMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("No problems"));
        QApplication::sendEvent(editor->viewport(), &event);
        menu = waitForPopup();
        QVERIFY(menu);
        QVERIFY(!menu->findChild<QAction *>(QStringLiteral("QuickFix1")));
        menu->close();
    }

    void problemsListToggleIsKeptForTheUser()
    {
        GuiFixture f;
        f.trigger("FileNew");
        QAction *item = f.action("mmProblems");
        QVERIFY(item && item->isChecked());
        QVERIFY(f.active()->problemList()->isVisible());
        f.trigger("FileNew");

        // Ctrl+Shift+M from the editor.
        f.active()->editor()->setFocus();
        QTest::keyClick(f.active()->editor(), Qt::Key_M, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(!item->isChecked());
        for (TMDIChild *child : f.main->documentWindows())
            QVERIFY(!child->problemsShown());
        f.trigger("FileNew");
        QVERIFY(!f.active()->problemsShown());
        // The count stays.
        QTRY_VERIFY(!f.panel(StatusPanels::ProblemsPanel).isEmpty());

        f.main->close();
        f.main.reset();
        f.start();
        QVERIFY(!f.action("mmProblems")->isChecked());
        f.trigger("FileNew");
        QVERIFY(!f.active()->problemsShown());
        f.trigger("mmProblems");
        QVERIFY(f.active()->problemList()->isVisible());
        QVERIFY(EditorSettings::problemsList());
    }

    void statusCountFollowsTheActiveWindow()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("clean.wml"), cleanDeck().toUtf8()));
        TMDIChild *clean = f.active();
        QString deck = cleanDeck();
        deck.replace(QStringLiteral("<p>Hello</p>"), QStringLiteral("<p>Hello"));
        f.open(f.folder.write(QStringLiteral("broken.wml"), deck.toUtf8()));
        TMDIChild *broken = f.active();
        QTRY_COMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("1 error"));
        QTRY_VERIFY(clean->checkSession()->isCurrent() && !clean->checkSession()->isRunning());
        // The main window keeps its width whatever the count says.
        QTest::qWait(100);
        const int width = f.main->width();
        f.main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(clean->parentWidget()));
        QCOMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("No problems"));
        QTest::qWait(20);
        QCOMPARE(f.main->width(), width);
        // Nor is the count cut short.
        QLabel *count = f.main->statusPanels()->panel(StatusPanels::ProblemsPanel);
        QTRY_VERIFY(count->width() >= count->sizeHint().width());
        f.main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(broken->parentWidget()));
        QCOMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("1 error"));

        // A check of the other window does not write over the active one's count.
        clean->checkSession()->checkNow();
        QTRY_VERIFY(!clean->checkSession()->isRunning());
        QTest::qWait(20);
        QCOMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("1 error"));

        f.dialogs->answers << DialogService::Answer::No << DialogService::Answer::No;
        f.trigger("FileCloseAll");
        QTRY_COMPARE(f.main->documentCount(), 0);
        QCOMPARE(f.panel(StatusPanels::ProblemsPanel), QString());
    }

    void thousandsOfProblemsAreShownInPart()
    {
        GuiFixture f;
        f.trigger("FileNew");
        TMDIChild *child = f.active();
        WmlEditor *editor = child->editor();
        editor->setText(QString(2000, QLatin1Char('x')));
        child->checkSession()->setCheckFunction([](const CheckSession::Input &input) {
            QList<Diagnostic> found;
            for (int i = 0; i + 1 < input.text.size(); i += 2) {
                Diagnostic diagnostic;
                diagnostic.range.start.offset = i;
                diagnostic.range.end.offset = i + 1;
                diagnostic.severity = i % 4 ? Severity::Warning : Severity::Error;
                diagnostic.ruleId = QStringLiteral("many");
                diagnostic.message = QStringLiteral("problem %1").arg(i);
                found << diagnostic;
            }
            return found;
        });
        child->checkSession()->checkNow();
        QTRY_COMPARE(f.panel(StatusPanels::ProblemsPanel), QStringLiteral("500 errors, 500 warnings"));
        ProblemList *list = child->problemList();
        QCOMPARE(list->topLevelItemCount(), ProblemSet::shownLimit + 1);
        QCOMPARE(list->topLevelItem(ProblemSet::shownLimit)->text(ProblemList::MessageColumn),
                 QStringLiteral("and 500 more"));
        QCOMPARE(list->offsetOf(ProblemSet::shownLimit), -1);
        // Warnings have marks of their own.
        QVERIFY(indicatorAt(editor, ProblemMarks::warningIndicator, 2));
        QVERIFY(!indicatorAt(editor, ProblemMarks::errorIndicator, 2));
        QCOMPARE(markedLines(editor, ProblemMarks::warningMarker), QList<int>{0});
        QCOMPARE(markedLines(editor, ProblemMarks::errorMarker), QList<int>{0});
        // Marks end with the listed problems.
        QVERIFY(indicatorAt(editor, ProblemMarks::errorIndicator, 2 * (ProblemSet::shownLimit - 2)));
        QVERIFY(!indicatorAt(editor, ProblemMarks::errorIndicator, 2 * (ProblemSet::shownLimit + 2)));
    }
};

TARNEL_TEST(CheckerTest)
#include "checkertest.moc"
