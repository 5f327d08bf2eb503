#include "guifixture.h"
#include "testregistry.h"

#include <QApplication>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QTabWidget>

namespace {

// A page of numbered lines, long enough to scroll.
QString numberedLines(int count)
{
    QStringList lines;
    for (int i = 1; i <= count; ++i)
        lines << QStringLiteral("<p>line %1 of the page</p>").arg(i);
    return lines.join(QStringLiteral("\r\n"));
}

QStringList caretPanels(const GuiFixture &f)
{
    return {f.panel(StatusPanels::LinePanel), f.panel(StatusPanels::ColumnPanel),
            f.panel(StatusPanels::PositionPanel), f.panel(StatusPanels::ModePanel)};
}

// Drags data over the editor's text area and drops it, as the desktop does.
bool dropOn(WmlEditor *editor, QMimeData *data)
{
    QWidget *target = editor->viewport();
    const QPoint at(20, 10);
    QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(QPointF(at), Qt::CopyAction | Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
    return enter.isAccepted() && drop.isAccepted();
}

} // namespace

// What a user of a desktop editor expects of the document window: files
// dropped on the text open, the status bar tells where the caret is, and
// the text is found as it was left after a look at the Preview.
class EditorComfortsTest : public QObject
{
    Q_OBJECT

private slots:
    void filesDroppedOnTheEditorOpen()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("a.wml"), "<wml>first</wml>"));
        TMDIChild *first = f.active();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(f.folder.write(QStringLiteral("b.wml"), "<wml>second</wml>")),
                      QUrl::fromLocalFile(f.folder.write(QStringLiteral("c.wml"), "<wml>third</wml>"))});
        QVERIFY(dropOn(first->editor(), &data));
        const QList<TMDIChild *> windows = f.main->documentWindows();
        QCOMPARE(windows.size(), 3);
        QCOMPARE(QFileInfo(windows[0]->documentPath()).fileName(), QStringLiteral("c.wml"));
        QCOMPARE(windows[0]->editor()->text(), QStringLiteral("<wml>third</wml>"));
        QCOMPARE(windows[1]->editor()->text(), QStringLiteral("<wml>second</wml>"));
        // The page the files were dropped on is untouched.
        QCOMPARE(first->editor()->text(), QStringLiteral("<wml>first</wml>"));
        QVERIFY(!first->isModified());
        QVERIFY(f.action("FileSaveAll")->isEnabled());
        QVERIFY(f.dialogs->errors.isEmpty());

        // A dragged piece of text is still inserted where it is dropped.
        QMimeData text;
        text.setText(QStringLiteral("dropped"));
        dropOn(windows[0]->editor(), &text);
        QVERIFY(windows[0]->editor()->text().contains(QStringLiteral("dropped")));
        QCOMPARE(f.main->documentCount(), 3);
    }

    void statusBarFollowsTheCaret()
    {
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("a.wml"), "<wml>\r\n<card>\r\n</wml>"));
        TMDIChild *first = f.active();
        QCOMPARE(caretPanels(f), (QStringList{"1", "1", "1", "INS"}));
        WmlEditor *editor = first->editor();
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_Down);
        QTest::keyClick(editor, Qt::Key_End);
        QCOMPARE(caretPanels(f), (QStringList{"2", "7", "14", "INS"}));
        QTest::keyClick(editor, Qt::Key_Insert);
        QCOMPARE(caretPanels(f), (QStringList{"2", "7", "14", "OVR"}));
        f.type(QStringLiteral("x"));
        QCOMPARE(caretPanels(f), (QStringList{"2", "8", "15", "OVR"}));
        QCOMPARE(f.panel(StatusPanels::ChangedPanel), QStringLiteral("Changed"));

        // Another window shows its own caret; coming back shows this one's.
        f.trigger("FileNew");
        QCOMPARE(caretPanels(f), (QStringList{"1", "1", "1", "INS"}));
        QVERIFY(f.panel(StatusPanels::FormatPanel).contains(QStringLiteral("UTF-8")));
        f.main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow *>(first->parentWidget()));
        QCOMPARE(caretPanels(f), (QStringList{"2", "8", "15", "OVR"}));

        // Nothing open, nothing shown.
        f.dialogs->answers << DialogService::Answer::No;
        f.trigger("FileCloseAll");
        QTRY_COMPARE(f.main->documentCount(), 0);
        QCOMPARE(caretPanels(f), (QStringList{"", "", "", ""}));
        QCOMPARE(f.panel(StatusPanels::ChangedPanel), QString());
    }

    void previewLeavesCaretSelectionAndScroll_data()
    {
        QTest::addColumn<bool>("block");
        QTest::addColumn<int>("anchor");
        QTest::addColumn<int>("caret");
        QTest::newRow("caret alone") << false << 2000 << 2000;
        QTest::newRow("selection towards the end") << false << 1500 << 1620;
        QTest::newRow("selection towards the start") << false << 1620 << 1500;
        QTest::newRow("block") << true << 1500 << 1620;
    }
    void previewLeavesCaretSelectionAndScroll()
    {
        QFETCH(bool, block);
        QFETCH(int, anchor);
        QFETCH(int, caret);
        GuiFixture f;
        f.open(f.folder.write(QStringLiteral("long.wml"), numberedLines(150).toUtf8()));
        TMDIChild *child = f.active();
        WmlEditor *editor = child->editor();
        editor->setSelection(anchor, caret);
        if (block) {
            editor->SendScintilla(QsciScintillaBase::SCI_SETSELECTIONMODE, QsciScintillaBase::SC_SEL_RECTANGLE);
            editor->SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONANCHOR,
                                  editor->SendScintilla(QsciScintillaBase::SCI_GETANCHOR));
            editor->SendScintilla(QsciScintillaBase::SCI_SETRECTANGULARSELECTIONCARET,
                                  editor->SendScintilla(QsciScintillaBase::SCI_GETCURRENTPOS));
            QVERIFY(editor->hasSeveralRanges());
        }
        const QString selected = editor->SourceEditor::selectedText();
        const int caretBefore = editor->caret();
        const int anchorBefore = editor->anchor();
        if (!block)
            QCOMPARE(caretBefore, caret);
        const int ranges = int(editor->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS));
        editor->setFirstVisibleLine(40);
        const int top = editor->firstVisibleLine();
        QVERIFY(top > 0);

        child->pages()->setCurrentIndex(2);
        QCOMPARE(editor->caret(), 0);
        child->pages()->setCurrentIndex(0);
        QCOMPARE(editor->firstVisibleLine(), top);
        QCOMPARE(editor->caret(), caretBefore);
        QCOMPARE(editor->anchor(), anchorBefore);
        QCOMPARE(editor->SourceEditor::selectedText(), selected);
        QCOMPARE(int(editor->SendScintilla(QsciScintillaBase::SCI_GETSELECTIONS)), ranges);
        QCOMPARE(editor->hasSeveralRanges(), block);
        QCOMPARE(f.panel(StatusPanels::PositionPanel), QString::number(editor->caret() + 1));
        QVERIFY(!child->isModified());

        // Ctrl+PgDn there and back does the same.
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_PageDown, Qt::ControlModifier);
        QCOMPARE(child->pages()->currentIndex(), 2);
        QTest::keyClick(child->pages()->currentWidget(), Qt::Key_PageUp, Qt::ControlModifier);
        QCOMPARE(child->pages()->currentIndex(), 0);
        QCOMPARE(editor->firstVisibleLine(), top);
        QCOMPARE(editor->SourceEditor::selectedText(), selected);
    }
};

TARNEL_TEST(EditorComfortsTest)

#include "editorcomfortstest.moc"
