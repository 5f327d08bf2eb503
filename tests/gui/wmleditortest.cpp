#include "editorcontract.h"
#include "testregistry.h"

#include "editor/wmleditor.h"

#include <QTest>

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
};
TARNEL_TEST(WmlEditorTest)
#include "wmleditortest.moc"
