#include "editorcontract.h"

#include <QTest>

void EditorContractTest::linesAndPositions()
{
    auto editor = makeEditor();
    editor->setText(QStringLiteral("<wml>\n<card>\r\r\n</wml>"));
    QCOMPARE(editor->text(), QStringLiteral("<wml>\r\n<card>\r\n\r\n</wml>"));
    QCOMPARE(editor->lineCount(), 4);
    QCOMPARE(editor->lines(), (QStringList{"<wml>", "<card>", "", "</wml>"}));
    QCOMPARE(editor->lineStart(1), 7);
    QCOMPARE(editor->lineText(1), QStringLiteral("<card>"));
    QCOMPARE(editor->lineOfPosition(7), 1);
    QCOMPARE(editor->lineOfPosition(6), 0); // between CR and LF
    QCOMPARE(editor->length(), 23);
    QCOMPARE(editor->charAt(5), QLatin1Char('\r'));
    QCOMPARE(editor->charAt(7), QLatin1Char('<'));
    QCOMPARE(editor->charAt(23), QChar());
    editor->moveCaretToLine(3);
    QCOMPARE(editor->caret(), 17);
    editor->setLines({QStringLiteral("a"), QStringLiteral("b")});
    QCOMPARE(editor->text(), QStringLiteral("a\r\nb"));
}

void EditorContractTest::nonAsciiOffsetsAreCharacters()
{
    auto editor = makeEditor();
    editor->setText(QStringLiteral("\u010Dau\r\n\U0001F600x\u017E"));
    QCOMPARE(editor->length(), 9);
    QCOMPARE(editor->charAt(0), QChar(0x010D));
    QCOMPARE(editor->lineStart(1), 5);
    editor->setSelection(5, 7);
    QCOMPARE(editor->selectedText(), QStringLiteral("\U0001F600"));
    QCOMPARE(editor->charAt(7), QLatin1Char('x'));
    SearchOptions options;
    editor->setCaret(0);
    QVERIFY(editor->search(QStringLiteral("\u017D"), options));
    QCOMPARE(editor->selectionStart(), 8);
}

void EditorContractTest::backwardCharacterSearch()
{
    auto editor = makeEditor();
    // "<" at 0 and 7; the emoji counts two characters.
    editor->setText(QStringLiteral("<\u010D\U0001F600\r\nx<b \u017Ey"));
    QCOMPARE(editor->lastIndexOfAscii('<', editor->length()), 7);
    QCOMPARE(editor->lastIndexOfAscii('<', 8), 7);
    QCOMPARE(editor->lastIndexOfAscii('<', 7), 0);
    QCOMPARE(editor->lastIndexOfAscii('<', 0), -1);
    QCOMPARE(editor->lastIndexOfAscii('>', editor->length()), -1);
    QCOMPARE(editor->textUpTo(8, ' ', editor->length()), QStringLiteral("b"));
    QCOMPARE(editor->textUpTo(1, ' ', 9), QStringLiteral("\u010D\U0001F600\r\nx<b"));
    QCOMPARE(editor->textUpTo(1, '>', editor->length()), editor->text().mid(1));
}

void EditorContractTest::caretAndSelection()
{
    auto editor = makeEditor();
    editor->setText(QStringLiteral("hello world"));
    QCOMPARE(editor->caret(), 0);
    editor->setSelection(6, 11);
    QCOMPARE(editor->selectionLength(), 5);
    QCOMPARE(editor->selectedText(), QStringLiteral("world"));
    editor->setSelection(5, 0);
    QCOMPARE(editor->selectionLength(), -5);
    QCOMPARE(editor->selectedText(), QStringLiteral("hello"));
    QCOMPARE(editor->selectionStart(), 0);
    editor->setCaret(3);
    QCOMPARE(editor->selectionLength(), 0);
    QCOMPARE(editor->selectedText(), QString());
    editor->setCaret(500);
    QCOMPARE(editor->caret(), 11);
}

void EditorContractTest::replaceSelectionPutsCaretAfterInsertion()
{
    auto editor = makeEditor();
    editor->setText(QStringLiteral("a word here"));
    editor->setSelection(6, 2);
    editor->replaceSelection(QStringLiteral("<b>word</b>\r\nx"));
    QCOMPARE(editor->text(), QStringLiteral("a <b>word</b>\r\nx here"));
    QCOMPARE(editor->caret(), 16);
    QCOMPARE(editor->selectionLength(), 0);
    QCOMPARE(editor->lineCount(), 2);
    editor->setCaret(0);
    editor->replaceSelection(QStringLiteral("<"));
    QCOMPARE(editor->caret(), 1);
    QCOMPARE(editor->lineText(0), QStringLiteral("<a <b>word</b>"));
}

// Rows name the match as a picture: the text, the caret as "^", and the
// expected match in brackets; "none" when nothing matches.
void EditorContractTest::search_data()
{
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QString>("pattern");
    QTest::addColumn<bool>("forward");
    QTest::addColumn<bool>("wholeWord");
    QTest::addColumn<bool>("matchCase");
    QTest::addColumn<QString>("expected");

    QTest::newRow("forward at caret") << "^abcabc" << "abc" << true << false << false << "[abc]abc";
    QTest::newRow("forward after caret") << "a^bcabc" << "abc" << true << false << false << "abc[abc]";
    QTest::newRow("forward next line") << "x^y\r\nxy" << "xy" << true << false << false << "xy\r\n[xy]";
    QTest::newRow("backward starts before caret") << "abc^abc" << "abc" << false << false << false << "[abc]abc";
    QTest::newRow("backward may cover caret") << "abcab^c" << "abc" << false << false << false << "abc[abc]";
    QTest::newRow("backward previous line") << "ab\r\nx^y" << "ab" << false << false << false << "[ab]\r\nxy";
    QTest::newRow("backward none at start") << "^abc" << "abc" << false << false << false << "none";
    QTest::newRow("no match across break") << "^ab\r\ncd" << "bc" << true << false << false << "none";
    QTest::newRow("pattern with break") << "^ab\r\ncd" << "b\r\nc" << true << false << false << "none";
    QTest::newRow("ignore case") << "^x ABC" << "abc" << true << false << false << "x [ABC]";
    QTest::newRow("match case skips") << "^ABC abc" << "abc" << true << false << true << "ABC [abc]";
    QTest::newRow("match case none") << "^ABC" << "abc" << true << false << true << "none";
    QTest::newRow("ignore case accents") << "^\u010Cesky" << "\u010De" << true << false << false << "[\u010Ce]sky";
    QTest::newRow("whole word skips part") << "^cards card" << "card" << true << true << false << "cards [card]";
    QTest::newRow("whole word separators") << "^x$card%y" << "card" << true << true << false << "x$[card]%y";
    QTest::newRow("whole word tag") << "^<card>" << "card" << true << true << false << "<[card]>";
    QTest::newRow("whole word line ends") << "a\r\n^card\r\nb" << "card" << true << true << false << "a\r\n[card]\r\nb";
    QTest::newRow("underscore is a letter") << "^card_x" << "card" << true << true << false << "none";
    QTest::newRow("whole word backward") << "card cards^" << "card" << false << true << false << "[card] cards";
    QTest::newRow("empty pattern") << "^abc" << "" << true << false << false << "none";
}

void EditorContractTest::search()
{
    QFETCH(QString, picture);
    QFETCH(QString, pattern);
    QFETCH(bool, forward);
    QFETCH(bool, wholeWord);
    QFETCH(bool, matchCase);
    QFETCH(QString, expected);

    const int caret = int(picture.indexOf(QLatin1Char('^')));
    QString text = picture;
    text.remove(caret, 1);
    auto editor = makeEditor();
    editor->setText(text);
    editor->setCaret(caret);
    const bool found = editor->search(pattern, SearchOptions{forward, wholeWord, matchCase});
    if (expected == QLatin1String("none")) {
        QVERIFY(!found);
        QCOMPARE(editor->caret(), caret);
        return;
    }
    QVERIFY(found);
    const int start = int(expected.indexOf(QLatin1Char('[')));
    const int end = int(expected.indexOf(QLatin1Char(']'))) - 1;
    QCOMPARE(editor->selectionStart(), start);
    QCOMPARE(editor->selectionEnd(), end);
    // The caret sits where the next search in the same direction leaves from.
    QCOMPARE(editor->caret(), forward ? end : start);
}

void EditorContractTest::repeatedSearchesMoveOn()
{
    auto editor = makeEditor();
    editor->setText(QStringLiteral("aa aa\r\naa"));
    QList<int> forward;
    while (editor->search(QStringLiteral("aa"), SearchOptions{}))
        forward << editor->selectionStart();
    QCOMPARE(forward, (QList<int>{0, 3, 7}));
    QList<int> backward;
    while (editor->search(QStringLiteral("aa"), SearchOptions{false, false, false}))
        backward << editor->selectionStart();
    QCOMPARE(backward, (QList<int>{7, 3, 0}));
}

void EditorContractTest::failedSearchLeavesSelection()
{
    auto editor = makeEditor();
    editor->setText(QStringLiteral("one two"));
    editor->setSelection(4, 2);
    QVERIFY(!editor->search(QStringLiteral("three"), SearchOptions{}));
    QCOMPARE(editor->anchor(), 4);
    QCOMPARE(editor->caret(), 2);
}

void EditorContractTest::undoAndRedo()
{
    auto editor = makeEditor();
    editor->setText(QStringLiteral("abc"));
    QVERIFY(!editor->canUndo());
    editor->setCaret(3);
    editor->replaceSelection(QStringLiteral("d"));
    QVERIFY(editor->canUndo());
    editor->undo();
    QCOMPARE(editor->text(), QStringLiteral("abc"));
    QVERIFY(editor->canRedo());
    editor->redo();
    QCOMPARE(editor->text(), QStringLiteral("abcd"));
    QVERIFY(!editor->canRedo());
}

void EditorContractTest::undoStepGroupsEdits()
{
    auto editor = makeEditor();
    editor->setText(QStringLiteral("x x x"));
    editor->beginUndoStep();
    for (int at : {4, 2, 0}) {
        editor->setSelection(at, at + 1);
        editor->replaceSelection(QStringLiteral("yy"));
    }
    editor->endUndoStep();
    QCOMPARE(editor->text(), QStringLiteral("yy yy yy"));
    editor->undo();
    QCOMPARE(editor->text(), QStringLiteral("x x x"));
    QVERIFY(!editor->canUndo());
}
