#include "editorcontract.h"
#include "testregistry.h"

#include "editor/wmleditor.h"

#include <QAccessible>
#include <QTest>

#include <functional>

namespace {

// Counts QScintilla's insert and delete notifications, whose handling costs
// a pass over the whole text.
int countTextNotifications(WmlEditor &editor, const std::function<void()> &edit)
{
    int count = 0;
    const auto connection = QObject::connect(&editor, &QsciScintillaBase::SCN_MODIFIED, [&count](int, int type) {
        if (type & (QsciScintillaBase::SC_MOD_INSERTTEXT | QsciScintillaBase::SC_MOD_DELETETEXT))
            ++count;
    });
    edit();
    QObject::disconnect(connection);
    return count;
}

} // namespace

// The editor cases on the program's QScintilla editor.
class WmlEditorContractTest : public EditorContractTest
{
protected:
    std::unique_ptr<SourceEditor> makeEditor() override { return std::make_unique<WmlEditor>(); }
};
TARNEL_TEST(WmlEditorContractTest)

// What the QScintilla editor does beyond the shared cases.
class WmlEditorTest : public QObject
{
    Q_OBJECT

private slots:
    void keepsNulCharacters()
    {
        WmlEditor editor;
        editor.setText(QString::fromLatin1("a\0b", 3));
        QCOMPARE(editor.length(), 3);
        QCOMPARE(editor.text(), QString::fromLatin1("a\0b", 3));
        editor.setSelection(3, 3);
        editor.replaceSelection(QString::fromLatin1("\0c", 2));
        QCOMPARE(editor.text(), QString::fromLatin1("a\0b\0c", 5));
    }

    void typingEnterBreaksWithCrLf()
    {
        WmlEditor editor;
        editor.setText(QStringLiteral("  <p>"));
        editor.setCaret(5);
        QTest::keyClick(&editor, Qt::Key_Return);
        QTest::keyClicks(&editor, "x");
        // Auto-indent keeps the indentation of the line above.
        QCOMPARE(editor.text(), QStringLiteral("  <p>\r\n  x"));
    }

    void insertTogglesOverwriteWithAWideCaret()
    {
        WmlEditor editor;
        editor.setText(QStringLiteral("abc"));
        editor.setCaret(0);
        QVERIFY(!editor.isOverwriteMode());
        QTest::keyClick(&editor, Qt::Key_Insert);
        QVERIFY(editor.isOverwriteMode());
        QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETCARETSTYLE), long(QsciScintillaBase::CARETSTYLE_BLOCK));
        QTest::keyClicks(&editor, "X");
        QCOMPARE(editor.text(), QStringLiteral("Xbc"));
        QTest::keyClick(&editor, Qt::Key_Insert);
        QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_GETCARETSTYLE), long(QsciScintillaBase::CARETSTYLE_LINE));
    }

    void releasedKeysNoLongerEdit()
    {
        WmlEditor editor;
        editor.setText(QStringLiteral("one\r\ntwo"));
        editor.setCaret(0);
        // Ctrl+L deletes a line in QScintilla; once released it does nothing.
        editor.releaseKey(QKeySequence(Qt::CTRL | Qt::Key_L));
        QTest::keyClick(&editor, Qt::Key_L, Qt::ControlModifier);
        QCOMPARE(editor.text(), QStringLiteral("one\r\ntwo"));
    }

    // Without a screen reader no edit pays for QScintilla's accessibility
    // notifications, yet every way of editing still reports one change,
    // after the text has changed.
    void changesAreReportedWithoutTheCostlyNotifications()
    {
        QVERIFY(!QAccessible::isActive());
        WmlEditor editor;
        editor.setText(QStringLiteral("<p>one</p>"));
        QVERIFY(!editor.sendsTextNotifications());
        QStringList seen;
        connect(&editor, &WmlEditor::contentChanged, [&] { seen << editor.text(); });
        const int notifications = countTextNotifications(editor, [&] {
            editor.setCaret(3);
            QTest::keyClick(&editor, Qt::Key_X);
            editor.setSelection(0, 3);
            editor.replaceSelection(QStringLiteral("<b>"));
            editor.undo();
            editor.redo();
            QTest::keyClick(&editor, Qt::Key_Backspace);
        });
        QCOMPARE(notifications, 0);
        QCOMPARE(seen, (QStringList{"<p>xone</p>", "<b>xone</p>", "<p>xone</p>", "<b>xone</p>", "<bxone</p>"}));
        // An edit nobody reports at once is reported from the event loop.
        editor.SendScintilla(QsciScintillaBase::SCI_APPENDTEXT, 1, "!");
        QCOMPARE(seen.size(), 5);
        QTRY_COMPARE(seen.size(), 6);
        QCOMPARE(seen.last(), QStringLiteral("<bxone</p>!"));
    }

    // Until a reader listens the editor's accessible interface is a plain
    // one: QScintilla's own would count the characters up to the caret at
    // every repaint. Once a reader listens it gets QScintilla's, with text.
    void theFullAccessibleInterfaceIsMadeOnlyForAReader()
    {
        WmlEditor editor;
        editor.setText(QStringLiteral("<p>x</p>"));
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        QAccessibleInterface *plain = QAccessible::queryAccessibleInterface(&editor);
        QVERIFY(plain);
        QCOMPARE(plain->role(), QAccessible::EditableText);
        QVERIFY(!plain->textInterface());
        QAccessible::setActive(true);
        QAccessibleInterface *full = QAccessible::queryAccessibleInterface(&editor);
        const bool fullHasText = full && full->textInterface();
        const QString firstWord = fullHasText ? full->textInterface()->text(0, 3) : QString();
        QAccessible::setActive(false); // drops the full interface again
        QVERIFY(fullHasText);
        QCOMPARE(firstWord, QStringLiteral("<p>"));
        QVERIFY(!QAccessible::queryAccessibleInterface(&editor)->textInterface());
    }

    // An input method sees a window of the caret's line, with the caret and
    // the selection's other end counted in characters of that window.
    void inputMethodsSeeAWindowOfTheCaretsLine()
    {
        WmlEditor editor;
        const QString longLine = QString(3000, QLatin1Char('a')) + QStringLiteral("\u017e") + QString(3000, QLatin1Char('b'));
        editor.setText(QStringLiteral("<wml>\r\n") + longLine + QStringLiteral("\r\n</wml>"));
        const auto query = [&editor](Qt::InputMethodQuery what) {
            return static_cast<QWidget &>(editor).inputMethodQuery(what);
        };
        const int lineStart = editor.lineStart(1);
        editor.setSelection(lineStart + 2990, lineStart + 3001); // ten a's, the z, caret after it
        const QString around = query(Qt::ImSurroundingText).toString();
        QCOMPARE(around.size(), 2000);
        QCOMPARE(query(Qt::ImCursorPosition).toInt(), 1000);
        QCOMPARE(query(Qt::ImAnchorPosition).toInt(), 989);
        QCOMPARE(around.mid(989, 11), QString(10, QLatin1Char('a')) + QStringLiteral("\u017e"));
        QVERIFY(query(Qt::ImTextAfterCursor).toString().startsWith(QStringLiteral("bbb")));

        editor.setCaret(3); // a short line: all of it, and never the next
        QCOMPARE(query(Qt::ImSurroundingText).toString(), QStringLiteral("<wml>"));
        QCOMPARE(query(Qt::ImTextBeforeCursor).toString(), QStringLiteral("<wm"));
    }

    // While an accessibility client is active QScintilla's own insert and
    // delete notifications are on: they carry the text events a screen
    // reader hears, at character offsets.
    void anActiveScreenReaderGetsTheTextNotifications()
    {
        WmlEditor editor;
        editor.setText(QStringLiteral("\u017elu\u0165ou\u010dk\u00fd <p>"));
        editor.setCaret(editor.length());
        QAccessible::setActive(true);
        QVERIFY(editor.sendsTextNotifications());
        int changes = 0;
        connect(&editor, &WmlEditor::contentChanged, [&] { ++changes; });
        const int notifications = countTextNotifications(editor, [&] {
            QTest::keyClick(&editor, Qt::Key_Y);
            QTest::keyClick(&editor, Qt::Key_Backspace);
        });
        QAccessible::setActive(false);
        QCOMPARE(notifications, 2);
        QCOMPARE(changes, 2);
        QVERIFY(!editor.sendsTextNotifications());
    }
};
TARNEL_TEST(WmlEditorTest)
#include "wmleditortest.moc"
