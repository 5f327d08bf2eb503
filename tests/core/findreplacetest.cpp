#include "testregistry.h"

#include "common/linebreaks.h"
#include "editor/findreplace.h"
#include "editor/plaintextbuffer.h"
#include "editor/textsearch.h"

#include <QRandomGenerator>
#include <QTest>

namespace {

QString withCaret(const SourceEditor &editor)
{
    return editor.text().insert(editor.caret(), QLatin1Char('^'));
}

// Replace All done the slow way, as pressing Replace again and again does
// it: one search and one replacement at a time through the editor, each
// search leaving from the end of the last replacement. A backward match
// that starts inside the text just put in is passed over. A selection is
// replaced first, uncounted.
int replaceOneByOne(SourceEditor &editor, const QString &text, const QString &replacement,
                    const SearchOptions &options)
{
    int count = 0;
    int limit = editor.selectionStart(); // a backward match starts before this
    if (editor.selectionLength() != 0)
        editor.replaceSelection(replacement);
    int from = editor.caret();
    for (int guard = 0; guard < 100000; ++guard) {
        TextSearch::Match match = TextSearch::find(editor, text, from, options);
        if (match.found() && !options.forward && match.start >= limit)
            match = TextSearch::find(editor, text, limit, options);
        if (!match.found())
            break;
        editor.setSelection(match.start, match.start + match.length);
        editor.replaceSelection(replacement);
        from = match.start + int(replacement.size());
        limit = match.start;
        ++count;
    }
    editor.setCaret(from);
    return count;
}

} // namespace

// Find, Replace All and Remove tag on the plain buffer.
class FindReplaceTest : public QObject
{
    Q_OBJECT

private slots:
    void historyTakesOnlyTextsNoEntryHolds()
    {
        const QStringList history{"abc", "xyz"};
        QVERIFY(!FindReplace::joinsHistory(history, QStringLiteral("b")));
        QVERIFY(FindReplace::joinsHistory(history, QStringLiteral("abcd")));
        QVERIFY(FindReplace::joinsHistory(history, QStringLiteral("B")));
        QVERIFY(!FindReplace::joinsHistory(history, QString()));
    }

    void messages()
    {
        QCOMPARE(FindReplace::notFoundMessage(QStringLiteral("x")), QStringLiteral("String \"x\" not found"));
        QCOMPARE(FindReplace::replacedMessage(3, QStringLiteral("a"), QStringLiteral("b")),
                 QStringLiteral("3 occurrence of string \"a\" replaced by \"b\""));
        QCOMPARE(FindReplace::replacedMessage(1, QStringLiteral("a"), QStringLiteral("")),
                 QStringLiteral("1 occurrence of string \"a\" replaced by \"\""));
        QCOMPARE(FindReplace::replacedMessage(0, QStringLiteral("a"), QStringLiteral("b")),
                 QStringLiteral("String \"a\" not found"));
    }

    void replaceAllCases_data()
    {
        QTest::addColumn<QString>("before"); // "^" marks the caret
        QTest::addColumn<QString>("find");
        QTest::addColumn<QString>("replacement");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<bool>("matchCase");
        QTest::addColumn<bool>("wholeWord");
        QTest::addColumn<int>("count");
        QTest::addColumn<QString>("after");
        QTest::newRow("three a") << "^aaa" << "a" << "b" << true << false << false << 3 << "bbb^";
        QTest::newRow("replacement holds the text") << "^a-a" << "a" << "aa" << true << true << false << 2 << "aa-aa^";
        QTest::newRow("backward, replacement holds the text")
            << "a-a^" << "a" << "aa" << false << true << false << 2 << "aa^-aa";
        QTest::newRow("backward, ignoring case") << "xAx^" << "a" << "A" << false << false << false << 1 << "xA^x";
        QTest::newRow("backward, a match runs into a replacement")
            << "aab^" << "ab" << "b" << false << true << false << 2 << "b^";
        QTest::newRow("backward, a match reaches past the caret")
            << "xa^bab" << "ab" << "c" << false << true << false << 1 << "xc^ab";
        QTest::newRow("backward, after a selection replaced")
            << "xa[b]" << "ab" << "b" << false << true << false << 1 << "xb^";
        QTest::newRow("only after the caret") << "a^a" << "a" << "b" << true << true << false << 1 << "ab^";
        QTest::newRow("nothing found") << "^xyz" << "q" << "b" << true << true << false << 0 << "^xyz";
        QTest::newRow("whole words at line starts and ends")
            << "^a\r\na.a a$a\r\nab a" << "a" << "b" << true << true << true << 6 << "b\r\nb.b b$b\r\nab b^";
        QTest::newRow("no match across a line break") << "^a\r\nb" << "a\r\nb" << "x" << true << true << false << 0
                                                      << "^a\r\nb";
        QTest::newRow("overlapping matches forward") << "^aaaa" << "aa" << "b" << true << true << false << 2 << "bb^";
        QTest::newRow("empty replacement") << "^<b>x<b>" << "<b>" << "" << true << true << false << 2 << "x^";
    }
    void replaceAllCases()
    {
        QFETCH(QString, before);
        QFETCH(QString, find);
        QFETCH(QString, replacement);
        QFETCH(bool, forward);
        QFETCH(bool, matchCase);
        QFETCH(bool, wholeWord);
        QFETCH(int, count);
        QFETCH(QString, after);
        // "^" marks the caret, or "[" and "]" a selection made left to right.
        PlainTextBuffer editor;
        QString text = before;
        const int anchor = int(text.indexOf(QLatin1Char('[')));
        if (anchor >= 0)
            text.remove(anchor, 1);
        const int caret = int(text.indexOf(QLatin1Char(anchor >= 0 ? ']' : '^')));
        text.remove(caret, 1);
        editor.setText(text);
        editor.setSelection(anchor >= 0 ? anchor : caret, caret);
        const SearchOptions options{forward, wholeWord, matchCase};
        QCOMPARE(FindReplace::replaceAll(editor, find, replacement, options, false), count);
        QCOMPARE(withCaret(editor), after);
        if (count > 0) {
            editor.undo();
            QCOMPARE(editor.text(), text);
        }
    }

    void replaceAllFromTopReplacesTheSelectionFirst()
    {
        PlainTextBuffer editor;
        editor.setText(QStringLiteral("a x a"));
        editor.setSelection(2, 3);
        QCOMPARE(FindReplace::replaceAll(editor, QStringLiteral("a"), QStringLiteral("b"), SearchOptions(), true), 2);
        QCOMPARE(editor.text(), QStringLiteral("b b b"));
    }

    // The one-edit Replace All gives what replacing match by match gives.
    void replaceAllMatchesReplacingOneByOne()
    {
        QRandomGenerator random(20261208);
        const QString alphabet = QStringLiteral("aAb .\r\n<");
        const QStringList finds{"a", "ab", "aa", "A", "a ", " a"};
        const QStringList replacements{"", "a", "aa", "b", "x.", "A a"};
        for (int round = 0; round < 600; ++round) {
            QString text;
            const int length = random.bounded(0, 24);
            for (int i = 0; i < length; ++i)
                text += alphabet[random.bounded(int(alphabet.size()))];
            text = LineBreaks::normalized(text);
            const QString find = finds[random.bounded(int(finds.size()))];
            const QString replacement = replacements[random.bounded(int(replacements.size()))];
            const SearchOptions options{random.bounded(2) == 0, random.bounded(2) == 0, random.bounded(2) == 0};
            PlainTextBuffer fast;
            fast.setText(text);
            PlainTextBuffer slow;
            slow.setText(text);
            // A position never parts a CR LF, as in the editor.
            const auto position = [&text, &random] {
                const int at = random.bounded(int(text.size()) + 1);
                return at > 0 && text[at - 1] == QLatin1Char('\r') ? at - 1 : at;
            };
            const int caret = position();
            // Now and then a selection, made either way.
            const int anchor = random.bounded(3) == 0 ? position() : caret;
            fast.setSelection(anchor, caret);
            slow.setSelection(anchor, caret);
            const int fastCount = FindReplace::replaceAll(fast, find, replacement, options, false);
            const int slowCount = replaceOneByOne(slow, find, replacement, options);
            const QByteArray what = QStringLiteral("%1 | %2 -> %3 | forward %4 whole %5 case %6 | from %7 to %8")
                                        .arg(text, find, replacement)
                                        .arg(options.forward)
                                        .arg(options.wholeWord)
                                        .arg(options.matchCase)
                                        .arg(anchor)
                                        .arg(caret)
                                        .toUtf8();
            QVERIFY2(fastCount == slowCount && fast.text() == slow.text() && fast.caret() == slow.caret(),
                     what.constData());
        }
    }

    void findPutsTheCaretBackWhenNothingIsFound()
    {
        PlainTextBuffer editor;
        editor.setText(QStringLiteral("one two one"));
        editor.setCaret(4);
        QVERIFY(FindReplace::find(editor, QStringLiteral("one"), SearchOptions()));
        QCOMPARE(editor.selectedText(), QStringLiteral("one"));
        QCOMPARE(editor.selectionStart(), 8);
        QVERIFY(!FindReplace::find(editor, QStringLiteral("one"), SearchOptions()));
        QCOMPARE(editor.caret(), 11);
        QCOMPARE(editor.selectionLength(), 0);
    }

    void removeTag_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("inside a link tag") << "x<a hr^ef=\"#x\">y" << "x^y";
        QTest::newRow("after a bold tag and text") << "<b>text^ more" << "^text more";
        QTest::newRow("no bracket before the caret") << "ab^c>d" << "ab^d";
        QTest::newRow("no closing bracket") << "<p^ x" << "<p^ x";
        QTest::newRow("tag over lines") << "<go\r\nhref=\"a\"/^>z" << "^z";
    }
    void removeTag()
    {
        QFETCH(QString, before);
        QFETCH(QString, after);
        PlainTextBuffer editor;
        const int caret = int(before.indexOf(QLatin1Char('^')));
        editor.setText(QString(before).remove(caret, 1));
        editor.setCaret(caret);
        FindReplace::removeTag(editor);
        QCOMPARE(withCaret(editor), after);
    }
};

TARNEL_TEST(FindReplaceTest)

#include "findreplacetest.moc"
