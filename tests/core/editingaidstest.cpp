#include "programfolderfixture.h"
#include "testregistry.h"

#include "common/inifile.h"
#include "common/taglistfile.h"
#include "editor/plaintextbuffer.h"
#include "editor/tagcompletion.h"
#include "editor/taginsertion.h"
#include "common/words.h"

#include <QTest>

namespace {

// A picture of an editor: the text with "[" and "]" around the selection
// (anchor first) or a single "^" at the caret.
QString picture(const SourceEditor &editor)
{
    QString text = editor.text();
    if (editor.anchor() == editor.caret())
        return text.insert(editor.caret(), QLatin1Char('^'));
    text.insert(editor.selectionEnd(), QLatin1Char(']'));
    return text.insert(editor.selectionStart(), QLatin1Char('['));
}

// The reverse: "[" and "]" select, "^" places the caret.
void setPicture(PlainTextBuffer &editor, QString text)
{
    const int open = text.indexOf(QLatin1Char('['));
    if (open >= 0) {
        text.remove(open, 1);
        const int close = text.indexOf(QLatin1Char(']'));
        text.remove(close, 1);
        editor.setText(text);
        editor.setSelection(open, close);
        return;
    }
    const int caret = text.indexOf(QLatin1Char('^'));
    text.remove(caret, 1);
    editor.setText(text);
    editor.setCaret(caret);
}

} // namespace

// Insertion of tag pairs and tables, and the completion list's logic.
class EditingAidsTest : public QObject
{
    Q_OBJECT

private slots:
    void insertsTagPairs_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("opening");
        QTest::addColumn<QString>("closing");
        QTest::addColumn<bool>("newLine");
        QTest::addColumn<QString>("after");
        QTest::newRow("card, nothing selected")
            << "^" << "<card id=\"|\" title=\"\">" << "</card>" << true << "<card id=\"^\" title=\"\">\r\n</card>";
        QTest::newRow("link, caret after #") << "x^y" << "<a href=\"#|\">" << "</a>" << false
                                             << "x<a href=\"#^\"></a>y";
        QTest::newRow("bold wraps the selection, caret before it")
            << "a [word] b" << "<b>" << "</b>" << false << "a <b>^word</b> b";
        QTest::newRow("selection made backwards") << "[word]" << "<i>" << "</i>" << false << "<i>^word</i>";
        QTest::newRow("marker inside the selection stays")
            << "[a|b]" << "<p>" << "</p>" << false << "<p>^a|b</p>";
        QTest::newRow("marker elsewhere in the document is text")
            << "| x^ |" << "<b>" << "</b>" << false << "| x<b>^</b> |";
        QTest::newRow("button") << "^" << "<do type=\"accept\" label=\"Go\">\r\n<go href=\"#|\"/>" << "</do>" << true
                                << "<do type=\"accept\" label=\"Go\">\r\n<go href=\"#^\"/>\r\n</do>";
        QTest::newRow("line break keeps the selection after it")
            << "[x]" << "<br/>" << "" << false << "<br/>^x";
        QTest::newRow("new line goes between selection and closing")
            << "[body]" << "<template>\r\n<do type=\"|\"><go href=\"\"/></do>" << "</template>" << true
            << "<template>\r\n<do type=\"^\"><go href=\"\"/></do>body\r\n</template>";
        QTest::newRow("image") << "^" << "<img src=\"|\" alt=\" \"/>" << "" << false << "<img src=\"^\" alt=\" \"/>";
    }
    void insertsTagPairs()
    {
        QFETCH(QString, before);
        QFETCH(QString, opening);
        QFETCH(QString, closing);
        QFETCH(bool, newLine);
        QFETCH(QString, after);
        PlainTextBuffer editor;
        if (QTest::currentDataTag() == QByteArray("selection made backwards")) {
            editor.setText(QStringLiteral("word"));
            editor.setSelection(4, 0);
        } else {
            setPicture(editor, before);
        }
        TagInsertion::insertTagPair(editor, opening, closing, newLine);
        QCOMPARE(picture(editor), after);
        // One undo takes the whole insertion back.
        editor.undo();
        QCOMPARE(editor.text(), QString(before).remove(QRegularExpression(QStringLiteral("[\\[\\]^]"))));
    }

    void formatTagsComeFromCommandNames()
    {
        QCOMPARE(TagInsertion::formatTagOfCommand(QStringLiteral("InsB")), QStringLiteral("b"));
        QCOMPARE(TagInsertion::formatTagOfCommand(QStringLiteral("InsSTRONG")), QStringLiteral("strong"));
        QCOMPARE(TagInsertion::formatTagOfCommand(QStringLiteral("InsEm")), QStringLiteral("em"));
    }

    void quickTableLines()
    {
        QCOMPARE(TagInsertion::quickTable(2, 3, QString()),
                 QStringLiteral("<table columns=\"3\">\r\n"
                                "<tr>\r\n<td></td>\r\n<td></td>\r\n<td></td>\r\n</tr>\r\n"
                                "<tr>\r\n<td></td>\r\n<td></td>\r\n<td></td>\r\n</tr>\r\n"
                                "</table>\r\n"));
        QCOMPARE(TagInsertion::quickTable(1, 1, QStringLiteral("&nbsp;")),
                 QStringLiteral("<table columns=\"1\">\r\n<tr>\r\n<td>&nbsp;</td>\r\n</tr>\r\n</table>\r\n"));
        // Pixels to cells: 16-pixel cells with a 1-pixel line.
        QCOMPARE(TagInsertion::quickTableCount(0), 1);
        QCOMPARE(TagInsertion::quickTableCount(16), 1);
        QCOMPARE(TagInsertion::quickTableCount(17), 2);
        QCOMPARE(TagInsertion::quickTableCount(271), 16);
    }

    void completionRequestDependsOnTheTextBeforeTheCaret_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("tagName");
        using Kind = TagCompletion::Request::Kind;
        QTest::newRow("bare bracket") << "<p>x<^" << int(Kind::TagNames) << "";
        QTest::newRow("tag name") << "<card^" << int(Kind::Attributes) << "card";
        QTest::newRow("name before the first space")
            << "<do type=\"accept\" ^" << int(Kind::Attributes) << "do";
        QTest::newRow("closing tag") << "</card^" << int(Kind::ClosingTag) << "/card";
        QTest::newRow("no bracket") << "plain ^text" << int(Kind::NoTag) << "";
        QTest::newRow("caret at the start") << "^<card" << int(Kind::NoTag) << "";
        QTest::newRow("tag over lines") << "<p>\r\n<go\r\nhref=\"x\" ^" << int(Kind::Attributes) << "go\r\nhref=\"x\"";
        QTest::newRow("bracket lines back") << "<img\r\n\r\n^" << int(Kind::Attributes) << "img\r\n\r\n";
        QTest::newRow("text after a tag") << "<b>bold ^" << int(Kind::Attributes) << "b>bold";
    }
    void completionRequestDependsOnTheTextBeforeTheCaret()
    {
        QFETCH(QString, text);
        QFETCH(int, kind);
        QFETCH(QString, tagName);
        PlainTextBuffer editor;
        setPicture(editor, text);
        const TagCompletion::Request request = TagCompletion::requestAt(editor, editor.caret());
        QCOMPARE(int(request.kind), kind);
        QCOMPARE(request.tagName, tagName);
    }

    void attributeEntriesSkipTheFirstItemAndTheMarker_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("entries");
        QTest::newRow("plain") << "card|id=\"\"|title=\"\"#" << QStringList{"id=\"\"", "title=\"\""};
        QTest::newRow("leading and doubled bars") << "||id=\"\"||class=\"\"|" << QStringList{"class=\"\""};
        QTest::newRow("only the first item") << "card" << QStringList{};
        QTest::newRow("empty") << "" << QStringList{};
        QTest::newRow("one marker removed") << "a|x=\"#\"##" << QStringList{"x=\"#\"#"};
    }
    void attributeEntriesSkipTheFirstItemAndTheMarker()
    {
        QFETCH(QString, value);
        QFETCH(QStringList, entries);
        QCOMPARE(TagCompletion::attributeEntries(value), entries);
    }

    void manyItemsAndKeysAreAllOffered()
    {
        ProgramFolderFixture folder;
        QString keys = QStringLiteral("[tags]\n");
        QString value = QStringLiteral("big");
        for (int i = 0; i < 300; ++i) {
            keys += QStringLiteral("t%1=t\n").arg(i);
            value += QStringLiteral("|a%1=\"\"").arg(i);
        }
        keys += QStringLiteral("big=") + value + QLatin1Char('\n');
        folder.write(QStringLiteral("data/check.ini"), keys.toLatin1());
        QCOMPARE(TagListFile::tagNames().size(), 301);
        QCOMPARE(TagListFile::tagNames().at(299), QStringLiteral("t299"));
        const QStringList entries = TagCompletion::attributeEntries(TagListFile::tagValue(QStringLiteral("BIG")));
        QCOMPARE(entries.size(), 300);
        QCOMPARE(entries.last(), QStringLiteral("a299=\"\""));
    }

    void missingTagListGivesNothing()
    {
        ProgramFolderFixture folder;
        QFile::remove(TagListFile::path());
        QVERIFY(!TagListFile::exists());
        QVERIFY(TagListFile::tagNames().isEmpty());
        QVERIFY(TagListFile::tagValue(QStringLiteral("card")).isEmpty());
    }

    void choosingAnEntryPutsTheCaretInItsLastEmptyQuotes_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("after");
        QTest::newRow("attribute") << "<card ^" << "title=\"\"" << "<card title=\"^\"";
        QTest::newRow("tag name") << "< ^" << "card" << "< card^";
        QTest::newRow("last pair") << "<x ^>" << "a=\"\" b=\"\"" << "<x a=\"\" b=\"^\">";
        QTest::newRow("filled default") << "<p ^" << "mode=\"0;wrap\"" << "<p mode=\"0;wrap\"^";
    }
    void choosingAnEntryPutsTheCaretInItsLastEmptyQuotes()
    {
        QFETCH(QString, before);
        QFETCH(QString, entry);
        QFETCH(QString, after);
        PlainTextBuffer editor;
        setPicture(editor, before);
        TagCompletion::insertEntry(editor, entry);
        QCOMPARE(picture(editor), after);
    }

    void openingAndCancellingLeaveTheTextAsItWas()
    {
        PlainTextBuffer editor;
        setPicture(editor, QStringLiteral("<p>\r\n<ca[rd]\r\n</p>"));
        const QString original = editor.text();
        const int caret = editor.caret();
        const TagCompletion::OpenList list = TagCompletion::prepareForList(editor, caret);
        QCOMPARE(picture(editor), QStringLiteral("<p>\r\n<card ^\r\n</p>"));
        TagCompletion::cancel(editor, list);
        QCOMPARE(editor.text(), original);
        QCOMPARE(editor.caret(), caret);
    }

    // Closing the list takes back its own space and nothing else, wherever
    // the caret went meanwhile.
    void cancellingTakesBackOnlyTheListsSpace_data()
    {
        QTest::addColumn<QString>("moved");  // the editor after the list opened on "<card ^ x"
        QTest::addColumn<QString>("after");
        QTest::newRow("caret after the space") << "<card ^ x" << "<card^ x";
        QTest::newRow("caret clicked further on") << "<card  ^x" << "<card ^x";
        QTest::newRow("selection over the space") << "<ca[rd  ]x" << "<ca[rd ]x";
        QTest::newRow("caret clicked before the tag") << "^<card  x" << "^<card x";
        QTest::newRow("text typed meanwhile") << "<card hello^ x" << "<card hello^ x";
        QTest::newRow("space deleted meanwhile") << "<card^ x" << "<card^ x";
    }
    void cancellingTakesBackOnlyTheListsSpace()
    {
        QFETCH(QString, moved);
        QFETCH(QString, after);
        PlainTextBuffer editor;
        setPicture(editor, QStringLiteral("<card^ x"));
        const TagCompletion::OpenList list = TagCompletion::prepareForList(editor, editor.caret());
        setPicture(editor, moved);
        TagCompletion::cancel(editor, list);
        QCOMPARE(picture(editor), after);
    }

    void choosingFromAList_data()
    {
        QTest::addColumn<QString>("before"); // the text before Ctrl+J
        QTest::addColumn<bool>("tagNames");
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("choices");
        QTest::newRow("tag name after a bare bracket") << "x <^" << true << "input" << "x <input^" << QStringList();
        QTest::newRow("plain attribute") << "<card^" << false << "title=\"\"" << "<card title=\"^\"" << QStringList();
        QTest::newRow("choice list with an index")
            << "<p^" << false << "align=\"0;left;center;right\"" << "<p align=\"^\""
            << QStringList{"left", "center", "right"};
        QTest::newRow("choice list without preselection")
            << "<do^" << false << "type=\"-;accept;prev\"" << "<do type=\"^\"" << QStringList{"accept", "prev"};
        QTest::newRow("choice list with an empty index")
            << "<p^" << false << "mode=\";wrap;nowrap\"" << "<p mode=\"^\"" << QStringList{"wrap", "nowrap"};
        QTest::newRow("a semicolon outside quotes is no list")
            << "<x^" << false << "a=b;c" << "<x a=b;c^" << QStringList();
    }
    void choosingFromAList()
    {
        QFETCH(QString, before);
        QFETCH(bool, tagNames);
        QFETCH(QString, entry);
        QFETCH(QString, after);
        QFETCH(QStringList, choices);
        PlainTextBuffer editor;
        setPicture(editor, before);
        const TagCompletion::OpenList list = TagCompletion::prepareForList(editor, editor.caret(), tagNames);
        QCOMPARE(TagCompletion::choose(editor, list, entry), choices);
        QCOMPARE(picture(editor), after);
        // A choice goes between the quotes; its list typed nothing.
        if (!choices.isEmpty()) {
            QVERIFY(TagCompletion::choose(editor, TagCompletion::OpenList(), choices.last()).isEmpty());
            QCOMPARE(picture(editor), QString(after).replace(QLatin1Char('^'), choices.last() + QLatin1Char('^')));
        }
    }

    void cardEntriesCountEveryCardTag()
    {
        PlainTextBuffer editor;
        editor.setText(QStringLiteral("<wml><CARD id=\"a\">\r\n<!-- <card> -->\r\n</card><Cards/><card\r\n</wml>"));
        editor.setCaret(7);
        QCOMPARE(TagCompletion::cardEntries(editor), (QStringList{"card1", "card2", "card3", "card4"}));
        QCOMPARE(editor.caret(), 7);
        editor.setText(QStringLiteral("<wml></wml>"));
        QVERIFY(TagCompletion::cardEntries(editor).isEmpty());
    }

    // The shipped tag list serves both the completion list and the card
    // designer, which reads the first item and the choice lists.
    void shippedTagListCoversWml()
    {
        ProgramFolderFixture folder;
        const QStringList names = TagListFile::tagNames();
        const QStringList wml13 = {"wml",   "head",   "template", "access", "meta",     "card",   "do",
                                   "onevent", "postfield", "go",  "prev",   "refresh",  "noop",   "setvar",
                                   "select", "optgroup", "option", "input", "fieldset", "timer", "img",
                                   "anchor", "a",      "table",    "tr",     "td",       "em",     "strong",
                                   "b",     "i",      "u",        "big",    "small",    "p",      "br",
                                   "pre"};
        for (const QString &element : wml13)
            QVERIFY2(names.contains(element), qPrintable(element));
        QCOMPARE(names.size(), wml13.size());
        for (const QString &name : names) {
            const QStringList items = TagListFile::items(TagListFile::tagValue(name));
            QCOMPARE(items.value(0), name);
            for (const QString &attribute : items.mid(1))
                QVERIFY2(QRegularExpression(QStringLiteral("^[a-z:-]+=\"[^\"]*\"#?$")).match(attribute).hasMatch(),
                         qPrintable(name + QLatin1Char(' ') + attribute));
        }
        const auto choices = [](const QString &tag, const QString &attribute) {
            for (const QString &item : TagListFile::items(TagListFile::tagValue(tag))) {
                if (item.startsWith(attribute + QStringLiteral("=\"")))
                    return item.section(QLatin1Char('"'), 1, 1).split(QLatin1Char(';'));
            }
            return QStringList();
        };
        QCOMPARE(choices("p", "align"), (QStringList{"0", "left", "center", "right"}));
        QCOMPARE(choices("p", "mode"), (QStringList{"0", "wrap", "nowrap"}));
        QCOMPARE(choices("do", "type").mid(1),
                 (QStringList{"accept", "prev", "help", "reset", "options", "delete", "unknown"}));
        QCOMPARE(choices("do", "optional"), (QStringList{"0", "false", "true"}));
        // What the designer fills from a parsed element must be there, empty.
        const QList<QPair<QString, QStringList>> filled = {
            {"card", {"id", "class", "title"}},
            {"a", {"href"}},
            {"img", {"src", "alt"}},
            {"do", {"id", "class", "label", "name"}},
            {"option", {"id", "class", "value", "title", "onpick"}},
            {"postfield", {"id", "class", "name", "value"}},
            {"p", {"id", "class"}},
        };
        for (const auto &[tag, attributes] : filled) {
            const QString value = TagListFile::tagValue(tag);
            for (const QString &attribute : attributes)
                QVERIFY2(value.contains(QLatin1Char('|') + attribute + QStringLiteral("=\"\"")),
                         qPrintable(tag + QLatin1Char(' ') + attribute));
        }
    }
};

TARNEL_TEST(EditingAidsTest)

#include "editingaidstest.moc"
