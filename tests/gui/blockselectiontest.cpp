#include "guifixture.h"
#include "testregistry.h"

#include "editor/tfrmfind.h"

#include <QComboBox>
#include <QPushButton>

namespace {

const QString page = QStringLiteral("<p>hello word</p>\r\n<p>second line</p>\r\n</card>");

// Alt+Shift+arrow presses that draw a block, as a user makes one.
void drawBlock(WmlEditor *editor, Qt::Key vertical, int rows, int columns)
{
    const Qt::KeyboardModifiers block = Qt::AltModifier | Qt::ShiftModifier;
    for (int i = 0; i < columns; ++i)
        QTest::keyClick(editor, Qt::Key_Right, block);
    for (int i = 0; i < rows; ++i)
        QTest::keyClick(editor, vertical, block);
}

// The page in a new document window, the caret at the start of line.
WmlEditor *openPage(GuiFixture &f, int line)
{
    f.trigger("FileNew");
    WmlEditor *editor = f.active()->editor();
    editor->setText(page);
    editor->setFocus();
    editor->moveCaretToLine(line);
    return editor;
}

} // namespace

// A block selection (one range per line) given to the commands that edit
// the selection: each acts on the block's piece in the caret's line only,
// duplicates nothing and undoes in one step.
class BlockSelectionTest : public QObject
{
    Q_OBJECT

private slots:
    void commandsActOnTheCaretLinePieceOnly_data()
    {
        QTest::addColumn<int>("startLine");
        QTest::addColumn<int>("direction");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("result");
        const int down = Qt::Key_Down;
        const int up = Qt::Key_Up;
        const int ctrl = Qt::ControlModifier;
        const int ctrlShift = Qt::ControlModifier | Qt::ShiftModifier;
        QTest::newRow("bold, block drawn down: last line")
            << 0 << down << int(Qt::Key_B) << ctrl
            << "<p>hello word</p>\r\n<p>second line</p>\r\n<b></c</b>ard>";
        QTest::newRow("bold, block drawn up: first line")
            << 2 << up << int(Qt::Key_B) << ctrl << "<b><p></b>hello word</p>\r\n<p>second line</p>\r\n</card>";
        QTest::newRow("card with its line break")
            << 2 << up << int(Qt::Key_C) << ctrlShift
            << "<card id=\"\" title=\"\"><p>\r\n</card>hello word</p>\r\n<p>second line</p>\r\n</card>";
        QTest::newRow("line break before the piece")
            << 0 << down << int(Qt::Key_Return) << ctrl << "<p>hello word</p>\r\n<p>second line</p>\r\n<br/></card>";
        QTest::newRow("remove tag at the caret")
            << 0 << down << int(Qt::Key_Delete) << ctrl << "<p>hello word</p>\r\n<p>second line</p>\r\n";
    }

    void commandsActOnTheCaretLinePieceOnly()
    {
        QFETCH(int, startLine);
        QFETCH(int, direction);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, result);
        GuiFixture f;
        WmlEditor *editor = openPage(f, startLine);
        drawBlock(editor, Qt::Key(direction), 2, 3);
        QVERIFY(editor->hasSeveralRanges());
        QTest::keyClick(editor, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(editor->text(), result);
        QVERIFY(!editor->hasSeveralRanges());
        QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(editor->text(), page);
    }

    void completionOpensAtTheCaretLine()
    {
        GuiFixture f;
        WmlEditor *editor = openPage(f, 0);
        drawBlock(editor, Qt::Key_Down, 1, 2); // caret after "<p" of line 2
        QTest::keyClick(editor, Qt::Key_J, Qt::ControlModifier);
        QCOMPARE(editor->text(), QStringLiteral("<p>hello word</p>\r\n<p >second line</p>\r\n</card>"));
        QCOMPARE(editor->caret(), editor->lineStart(1) + 3);
    }

    void replaceTakesTheCaretLinePiece()
    {
        GuiFixture f;
        WmlEditor *editor = openPage(f, 0);
        drawBlock(editor, Qt::Key_Down, 1, 3); // "<p>" on lines 1 and 2
        f.dialogs->onModal = [](QDialog &shown) {
            auto &dialog = static_cast<TfrmFIND &>(shown);
            dialog.findTextOnReplacePage()->setEditText(QStringLiteral("<p>"));
            dialog.replaceText()->setEditText(QStringLiteral("<br/>"));
            dialog.replaceButton()->click();
        };
        f.trigger("EditReplace");
        QCOMPARE(editor->text(), QStringLiteral("<p>hello word</p>\r\n<br/>second line</p>\r\n</card>"));
        f.trigger("EditUndo");
        QCOMPARE(editor->text(), page);
    }
};

TARNEL_TEST(BlockSelectionTest)
#include "blockselectiontest.moc"
