#include "testregistry.h"

#include "common/linebreaks.h"
#include "editor/wmleditor.h"
#include "editor/wmllexer.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

namespace {

QChar letter(TextClass textClass)
{
    static const char letters[] = "B.KTCAVYSU";
    return QLatin1Char(letters[int(textClass)]);
}

// The classes QScintilla holds for each UTF-16 unit of the text, read at
// the first byte of its character, one picture line per text line.
QString heldClasses(WmlEditor &editor)
{
    editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, -1);
    QStringList pictures;
    for (int line = 0; line < editor.lineCount(); ++line) {
        long position = editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, line);
        const QString text = editor.lineText(line);
        QString picture;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int style = int(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, position));
            picture += letter(WmlLexer::classOfStyle(style));
            if (text[i].isHighSurrogate() && i + 1 < text.size()) {
                picture += letter(WmlLexer::classOfStyle(style));
                ++i;
                position += 4;
            } else {
                position += QString(text[i]).toUtf8().size();
            }
        }
        pictures << picture;
    }
    return pictures.join(QLatin1Char('\n'));
}

// What a fresh scan of the whole text gives.
QString freshClasses(const QString &text)
{
    const TwmlHighlighter highlighter;
    QStringList pictures;
    RegionState state;
    std::vector<TwmlHighlighter::Run> runs;
    for (const QString &line : LineBreaks::split(text)) {
        state = highlighter.scanLine(line, state, &runs);
        QString picture;
        for (const TwmlHighlighter::Run &run : runs)
            picture += QString(run.length, letter(run.textClass));
        pictures << picture;
    }
    return pictures.join(QLatin1Char('\n'));
}

void replace(WmlEditor &editor, int at, int removed, const QString &inserted)
{
    editor.setSelection(at, at + removed);
    editor.replaceSelection(inserted);
}

QString numberedLines(int count, const QString &pattern)
{
    QStringList lines;
    for (int i = 0; i < count; ++i)
        lines << pattern.arg(i);
    return lines.join(QLatin1String("\r\n"));
}

} // namespace

// The highlighter inside the program's editor: the styles QScintilla holds
// after edits, and class changes reaching its styles.
class HighlightingTest : public QObject
{
    Q_OBJECT

private slots:
    void typingInTheMiddleOfACommentRestylesWhatFollows()
    {
        WmlEditor editor;
        editor.setText(QStringLiteral("<p>\n<!-- one\ntwo\nthree -->\n<b>x</b>"));
        QCOMPARE(heldClasses(editor), QStringLiteral("BKB\nCCCCCCCC\nCCC\nCCCCCCCCC\nBKB.BKKB"));

        editor.setFocus();
        editor.setCaret(editor.lineStart(2) + 2);
        QTest::keyClicks(&editor, "-->");
        QCOMPARE(editor.lineText(2), QStringLiteral("tw-->o"));
        QCOMPARE(heldClasses(editor), QStringLiteral("BKB\nCCCCCCCC\nCCCCC.\n.........\nBKB.BKKB"));

        // Typing inside the closed comment changes no state; the lines
        // after it keep the styles they had.
        editor.setCaret(editor.lineStart(1) + 6);
        QTest::keyClicks(&editor, "x");
        QCOMPARE(heldClasses(editor), QStringLiteral("BKB\nCCCCCCCCC\nCCCCC.\n.........\nBKB.BKKB"));

        replace(editor, editor.lineStart(2) + 2, 3, QString());
        QCOMPARE(heldClasses(editor), QStringLiteral("BKB\nCCCCCCCCC\nCCC\nCCCCCCCCC\nBKB.BKKB"));

        // A line break inside the comment moves every later line down.
        editor.setCaret(editor.lineStart(1) + 7);
        QTest::keyClick(&editor, Qt::Key_Return);
        QCOMPARE(heldClasses(editor), QStringLiteral("BKB\nCCCCCCC\nCC\nCCC\nCCCCCCCCC\nBKB.BKKB"));
        QCOMPARE(heldClasses(editor), freshClasses(editor.text()));
    }

    // Each row edits a text step by step ("at,removed,inserted", with \n
    // for CR LF and <LF>, <CR> for lone breaks; "colour,N" styles only up
    // to position N, as a partial repaint does); after every edit the
    // styles QScintilla holds must equal a fresh scan of the whole text.
    void stylesAfterEditsMatchAFreshScan_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("steps");
        QTest::newRow("open and close a comment above everything")
            << "<p a=\"1\">x</p>\n<b>y</b>\n<i>z</i>"
            << QStringList{"0,0,<!--", "12,0,-->", "12,3,", "0,4,"};
        QTest::newRow("end a script early, then join its lines")
            << "<script>\nvar a;\nx</script>\n<b>"
            << QStringList{"14,0,</script>", "8,2,", "0,1,"};
        QTest::newRow("join and split lines inside a tag")
            << "<card\nid=\"x\"\ntitle=\"y\">"
            << QStringList{"5,2,", "8,0,\n", "0,0,\n"};
        QTest::newRow("open a quote across lines")
            << "<p a=\"1\" b=\"2\">\n<c d=\"3\">"
            << QStringList{"7,1,", "7,0,\""};
        QTest::newRow("paste several lines, cut across three")
            << "<b>1</b>\n<!-- 2 -->\n<i>3</i>\n<u>4</u>"
            << QStringList{"4,0,a\n<!-- b\nc", "2,20,", "0,0,<script>"};
        QTest::newRow("unclosed tag in a long text styled in parts")
            << numberedLines(300, QStringLiteral("<p id=\"%1\">t</p>"))
            << QStringList{"colour,200", "50,0,<card", "colour,3000", "2000,0,>", "colour,100", "0,0,<!--"};
        QTest::newRow("close a comment with pasted lines")
            << "<!-- a\nb\nc -->\nd" << QStringList{"6,0, -->\nx"};
        QTest::newRow("delete a comment opener with its line") << "x\n<!--\ny\nz" << QStringList{"1,6,"};
        QTest::newRow("characters of several bytes")
            << "<p t=\"\u00e9\U0001F600\">\u00fc\n<!-- \u017e\nx -->"
            << QStringList{"4,0, \u20ac=\"\u00e9\"", "20,0,-->", "0,0,<!--"};
        QTest::newRow("lone CR and LF break lines too")
            << "<p a=\"1\"\nb=\"2\">x" << QStringList{"3,0,<LF>", "9,0,<CR>", "0,0,<!--", "0,4,"};
        QTest::newRow("lone < at the end of a line") << "a\nb>c\n<p>" << QStringList{"1,0,<", "1,1,"};
        QTest::newRow("undo and redo lines pasted into a comment")
            << "<!-- a\nb -->\n<p>x</p>\n<i>y</i>"
            << QStringList{"3,0,-->\n<b>\n<!--", "undo", "colour,5", "redo", "undo", "12,9,", "undo", "redo"};
    }
    void stylesAfterEditsMatchAFreshScan()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, steps);
        WmlEditor editor;
        editor.setText(text);
        QCOMPARE(heldClasses(editor), freshClasses(editor.text()));
        for (const QString &step : steps) {
            const QStringList parts = step.split(QLatin1Char(','));
            if (parts.first() == QLatin1String("colour")) {
                editor.SendScintilla(QsciScintillaBase::SCI_COLOURISE, 0, parts[1].toLong());
                continue;
            }
            if (parts.first() == QLatin1String("undo") || parts.first() == QLatin1String("redo")) {
                parts.first() == QLatin1String("undo") ? editor.undo() : editor.redo();
                QVERIFY2(heldClasses(editor) == freshClasses(editor.text()), qPrintable(step));
                continue;
            }
            QString inserted = parts.mid(2).join(QLatin1Char(','));
            inserted.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
            inserted.replace(QLatin1String("<LF>"), QLatin1String("\n"));
            inserted.replace(QLatin1String("<CR>"), QLatin1String("\r"));
            replace(editor, parts[0].toInt(), parts[1].toInt(), inserted);
            QVERIFY2(heldClasses(editor) == freshClasses(editor.text()), qPrintable(step));
        }
    }

    // A comment opened at the top of a page of several megabytes, shown
    // from its end: the lines past the first screen must be styled again
    // from their new state, however the styling is split up while painting
    // and when idle.
    void aCommentOpenedAtTheTopReachesTheEndOfALongPage_data()
    {
        QTest::addColumn<int>("lineCount");
        QTest::newRow("3 MB, wrapped") << 60000;
        QTest::newRow("4.5 MB, not wrapped") << 90000;
    }
    void aCommentOpenedAtTheTopReachesTheEndOfALongPage()
    {
        QFETCH(int, lineCount);
        QStringList lines;
        for (int i = 0; lines.size() < lineCount; ++i)
            lines << QStringLiteral("<p id=\"n%1\">Some text and <b>bold</b> words</p>").arg(i);
        WmlEditor editor;
        editor.resize(600, 300);
        editor.show();
        QVERIFY(QTest::qWaitForWindowExposed(&editor));
        editor.setText(lines.join(QLatin1String("\r\n"))); // no break at the end
        editor.setFocus();
        const auto classAt = [&editor](long bytePosition) {
            return WmlLexer::classOfStyle(int(editor.SendScintilla(QsciScintillaBase::SCI_GETSTYLEAT, bytePosition)));
        };
        QTest::keyClick(&editor, Qt::Key_End, Qt::ControlModifier);
        const long last = editor.SendScintilla(QsciScintillaBase::SCI_GETLENGTH) - 2; // the "p" of "</p>"
        QTRY_VERIFY_WITH_TIMEOUT(classAt(last) == TextClass::HtmlKeyword || classAt(last) == TextClass::HtmlTag, 20000);
        QTest::keyClick(&editor, Qt::Key_Home, Qt::ControlModifier);
        // A person types slower than the editor paints: each character is
        // styled up to the end of the screen before the next one comes.
        for (const char c : QByteArray("<!-- ")) {
            QTest::keyClick(&editor, c);
            editor.viewport()->repaint();
        }
        QTest::keyClick(&editor, Qt::Key_End, Qt::ControlModifier);
        QTRY_COMPARE_WITH_TIMEOUT(classAt(last + 5), TextClass::HtmlComment, 20000);
        // Every line is in the comment now, the first screen and the last.
        QCOMPARE(classAt(editor.SendScintilla(QsciScintillaBase::SCI_POSITIONFROMLINE, lineCount / 2) + 2),
                 TextClass::HtmlComment);
    }

    void lexerKeepsTheEditorsFontAndColours()
    {
        WmlEditor editor;
        QCOMPARE(editor.font().family(), QStringLiteral("Courier New"));
        const int comment = WmlLexer::styleOf(TextClass::HtmlComment);
        for (int style : {0, comment, int(QsciScintillaBase::STYLE_DEFAULT)}) {
            char face[64] = {};
            editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, style, face);
            QCOMPARE(QByteArray(face), QByteArray("Courier New"));
            QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETSIZEFRACTIONAL, style), 825L);
        }
        QVERIFY(editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETITALIC, comment));
        const QPalette palette = QGuiApplication::palette();
        QCOMPARE(editor.paper(), palette.color(QPalette::Base));
        QCOMPARE(editor.color(), palette.color(QPalette::Text));
    }

    void classChangesReachTheStyles_data()
    {
        QTest::addColumn<int>("textClass");
        QTest::addColumn<QString>("change");
        QTest::newRow("comment colour") << int(TextClass::HtmlComment) << "colour";
        QTest::newRow("keyword bold") << int(TextClass::HtmlKeyword) << "bold";
        QTest::newRow("value underlined") << int(TextClass::HtmlAttributeValue) << "underline";
        QTest::newRow("tag in the alternative font") << int(TextClass::HtmlTag) << "alternative";
        QTest::newRow("plain text background") << int(TextClass::DefaultText) << "background";
    }
    void classChangesReachTheStyles()
    {
        QFETCH(int, textClass);
        QFETCH(QString, change);
        WmlEditor editor;
        TextAttributes attributes = editor.highlighter().attributes(TextClass(textClass));
        const QColor pink(0xFF, 0x80, 0xC0);
        if (change == QLatin1String("colour"))
            attributes.foreground = pink;
        else if (change == QLatin1String("bold"))
            attributes.bold = true;
        else if (change == QLatin1String("underline"))
            attributes.underline = true;
        else if (change == QLatin1String("alternative"))
            attributes.alternativeFont = true;
        else
            attributes.background = pink;
        editor.highlighter().setAttributes(TextClass(textClass), attributes);

        const int style = WmlLexer::styleOf(TextClass(textClass));
        const auto send = [&](unsigned int message, unsigned long wParam) {
            return editor.SendScintilla(message, wParam);
        };
        const long bgr = 0xC080FF;
        QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETFORE, style) == bgr, change == QLatin1String("colour"));
        QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETBACK, style) == bgr, change == QLatin1String("background"));
        // QScintilla hands Scintilla the font's weight negated.
        QCOMPARE(qAbs(send(QsciScintillaBase::SCI_STYLEGETWEIGHT, style)) >= QFont::Bold, change == QLatin1String("bold"));
        QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETUNDERLINE, style) != 0, change == QLatin1String("underline"));
        char face[64] = {};
        editor.SendScintilla(QsciScintillaBase::SCI_STYLEGETFONT, style, face);
        QCOMPARE(QByteArray(face),
                 change == QLatin1String("alternative") ? QByteArray("MS Sans Serif") : QByteArray("Courier New"));
        if (change == QLatin1String("background"))
            QCOMPARE(send(QsciScintillaBase::SCI_STYLEGETBACK, QsciScintillaBase::STYLE_DEFAULT), bgr);
    }

    void strikeOutIsDrawnOverItsClass()
    {
        WmlEditor editor;
        editor.setText(QStringLiteral("<b>x</b><!-- c -->\r\nt"));
        heldClasses(editor);
        TextAttributes attributes = editor.highlighter().attributes(TextClass::HtmlComment);
        attributes.strikeOut = true;
        editor.highlighter().setAttributes(TextClass::HtmlComment, attributes);
        heldClasses(editor);
        const int indicator = WmlLexer::strikeIndicator(TextClass::HtmlComment);
        QString struck;
        for (int i = 0; i < editor.length(); ++i)
            struck += editor.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, i) ? 'S' : '.';
        QCOMPARE(struck, QStringLiteral("........SSSSSSSSSS..."));

        attributes.strikeOut = false;
        editor.highlighter().setAttributes(TextClass::HtmlComment, attributes);
        heldClasses(editor);
        for (int i = 0; i < editor.length(); ++i)
            QCOMPARE(editor.SendScintilla(QsciScintillaBase::SCI_INDICATORVALUEAT, indicator, i), 0L);
    }
};
TARNEL_TEST(HighlightingTest)
#include "highlightingtest.moc"
