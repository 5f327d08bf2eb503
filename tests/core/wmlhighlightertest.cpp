#include "testregistry.h"

#include "common/linebreaks.h"
#include "editor/wmlhighlighter.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPalette>
#include <QSignalSpy>
#include <QTest>

Q_DECLARE_METATYPE(RegionKind)

namespace {

// One letter per class, so that a row can show the class of every
// character under the text it colours.
QChar letter(TextClass textClass)
{
    static const char letters[] = "B.KTCAVYSU";
    return QLatin1Char(letters[int(textClass)]);
}

// The classes of a text's characters, one picture line per text line, as
// the editor sees them: each line starts in the state the one before ended
// in. Also checks the shape of what the engine reports.
QString picture(const QString &text, RegionState *finalState = nullptr)
{
    const TwmlHighlighter highlighter;
    QStringList pictures;
    RegionState state;
    std::vector<TwmlHighlighter::Run> runs;
    for (const QString &line : LineBreaks::split(text)) {
        state = highlighter.scanLine(line, state, &runs);
        QString classes;
        for (size_t i = 0; i < runs.size(); ++i) {
            const TwmlHighlighter::Run &run = runs[i];
            if (run.start != classes.size() || run.length <= 0)
                return QStringLiteral("runs leave a gap or overlap at %1").arg(classes.size());
            if (i > 0 && runs[i - 1].textClass == run.textClass)
                return QStringLiteral("two neighbouring runs of one class at %1").arg(run.start);
            classes += QString(run.length, letter(run.textClass));
        }
        if (classes.size() != line.size())
            return QStringLiteral("runs end at %1 in a line of %2").arg(classes.size()).arg(line.size());
        pictures << classes;
    }
    if (finalState)
        *finalState = state;
    return pictures.join(QLatin1Char('\n'));
}

} // namespace

// The engine over whole lines and over single scans. Rows show the input
// above the class of each of its characters: B bracket, . default text,
// K keyword, T tag, C comment, A attribute, V value, S script content,
// U unknown tag. Lines are separated by "\n" in both.
class WmlHighlighterTest : public QObject
{
    Q_OBJECT

private slots:
    void classesOfEveryCharacter_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("classes");

        // Whole tags.
        QTest::newRow("card with attributes")
            << R"(<card id="c1" title = 'T'>)"
            << R"(BKKKKTAAAVVVVTAAAAAAAVVVVB)";
        QTest::newRow("closing known tag") << "</card>" << "BKKKKKB";
        QTest::newRow("b allows no attributes")
            << R"(<b class="x">)"
            << R"(BKUUUUUUUUUUB)";
        QTest::newRow("unknown tag") << "<foo>" << "BUUUB";
        QTest::newRow("postfield has no closing form") << "</postfield>" << "BUUUUUUUUUUB";

        // Regions over lines, script blocks, odd names and quotes.
        QTest::newRow("comment over two lines") << "<!-- a\nb --> c" << "CCCCCC\nCCCCC..";
        QTest::newRow("tag split over lines") << "<card\nid=\"x\">" << "BKKKK\nAAAVVVB";
        QTest::newRow("script content is no tag")
            << "<script>x<y</Script>"
            << "BKKKKKKBSSSBBBBBBBBB";
        QTest::newRow("server script block") << "<%= v %>" << "BSSSSSSB";
        QTest::newRow("empty name makes the tag unknown") << "< card>" << "BUUUUUB";
        QTest::newRow("wml is a keyword") << "<wml>" << "BKKKB";
        QTest::newRow("wml allows no attributes")
            << R"(<wml xml:lang="en">)"
            << R"(BKKKUUUUUUUUUUUUUUB)";
        QTest::newRow("quoted > does not end the tag")
            << R"(<p title="a>b">)"
            << R"(BKTAAAAAAVVVVVB)";
        QTest::newRow("unclosed value ends with its line")
            << "<a b=\"x>\nc=\"d\">e"
            << "BKTAAVVV\nAAVVVB.";

        // Names.
        QTest::newRow("br/ is a name of its own") << "<br/>" << "BKKKB";
        QTest::newRow("br with a spaced slash") << "<br />" << "BKKTTB";
        QTest::newRow("prev/") << "<prev/>" << "BKKKKKB";
        QTest::newRow("card/ is unknown") << "<card/>" << "BUUUUUB";
        QTest::newRow("case is ignored") << R"(<CaRd ID="x">)" << R"(BKKKKTAAAVVVB)";
        QTest::newRow("xml declaration")
            << R"(<?xml version="1.0"?>)"
            << R"(BKKKKTAAAAAAAAVVVVVTB)";
        QTest::newRow("doctype without equals signs")
            << R"(<!DOCTYPE wml PUBLIC "-//X">)"
            << R"(BKKKKKKKKTTTTTTTTTTTTTTTTTTB)";
        QTest::newRow("tab does not end a name") << "<card\tid=\"x\">" << "BUUUUUUUUUUUB";
        QTest::newRow("rest of a closing tag is unknown")
            << R"(</card x="1">)"
            << R"(BKKKKKUUUUUUB)";
        QTest::newRow("closing script outside a script") << "</script>" << "BUUUUUUUB";
        QTest::newRow("neighbouring tags") << "<b></b>" << "BKBBKKB";
        QTest::newRow("< inside an unknown tag") << "<foo <b>" << "BUUUUUUB";

        // Attributes.
        QTest::newRow("unquoted values")
            << "<go href=#c2 method=post>"
            << "BKKTAAAAAVVVTAAAAAAAVVVVB";
        QTest::newRow("single quotes hold a double quote") << "<p a='x\"y'>" << "BKTAAVVVVVB";
        QTest::newRow("empty value") << "<p a=>" << "BKTAAB";
        QTest::newRow("unquoted value ends at >") << "<a href=x>y" << "BKTAAAAAVB.";
        QTest::newRow("value of spaces at the end of a line") << "<p a= \nb>" << "BKTAAV\nTB";
        QTest::newRow("name right after a value") << R"(<p a="1"b="2">)" << R"(BKTAAVVVAAVVVB)";
        QTest::newRow("equals sign after the tag ended") << "<p x>y=1" << "BKTTB...";
        QTest::newRow("non-ASCII value and text") << "<p t=\"\u00e9\u20ac\">\u00fc" << "BKTAAVVVVB.";

        // Comments.
        QTest::newRow("comment closed inside its opener") << "<!-->x" << "CCCCC.";
        QTest::newRow("comment of dashes") << "<!--->x" << "CCCCCC.";
        QTest::newRow("<!- is a tag") << "<!- x>" << "BUUUUB";
        QTest::newRow("comment then a tag") << "<!-- c --><b>" << "CCCCCCCCCCBKB";
        QTest::newRow("unclosed comment runs on") << "<!-- a\nb\n<card>" << "CCCCCC\nC\nCCCCCC";
        QTest::newRow("comment end in plain text") << "a --> b" << ".......";

        // Script blocks.
        QTest::newRow("script over lines")
            << "<script type=\"x\">\nif (a<b) x=1;\n</SCRIPT> t"
            << "BKKKKKKTAAAAAVVVB\nSSSSSSSSSSSSS\nBBBBBBBBB..";
        QTest::newRow("script tag rest over lines") << "<script\n>x</script>" << "BKKKKKK\nBSBBBBBBBBB";
        QTest::newRow("server script over lines") << "<% a\nb %> c" << "BSSS\nSSSB..";
        QTest::newRow("server script closed at once") << "<%>x" << "BSB.";

        // Plain text.
        QTest::newRow("> in text") << "a > b" << ".....";
        QTest::newRow("entity") << "&nbsp;&amp;" << "...........";
        QTest::newRow("empty lines keep the region") << "<!--\n\n-->" << "CCCC\n\nCCC";
        QTest::newRow("< at the end of a line opens the tag") << "x<\ncard>" << ".B\nKKKKB";
    }
    void classesOfEveryCharacter()
    {
        QFETCH(QString, text);
        QFETCH(QString, classes);
        QCOMPARE(picture(text), classes);
    }

    // What a line hands on to the next: equal states must mean equal
    // colouring, so everything that matters later is part of the state.
    void outgoingStates_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<RegionKind>("kind");
        QTest::addColumn<int>("identity");
        QTest::newRow("closed tags") << "<b>x</b>" << RegionKind::PlainText << 0;
        QTest::newRow("open comment") << "<!-- x" << RegionKind::Comment << 42;
        QTest::newRow("open card tag") << R"(<card id="x")" << RegionKind::TagRestWithAttributes << 9;
        QTest::newRow("open value") << "<p a=\"x" << RegionKind::TagRestWithAttributes << 23;
        QTest::newRow("open b tag") << "<b" << RegionKind::TagRestWithoutAttributes << 4;
        QTest::newRow("open closing tag") << "</card" << RegionKind::TagRestWithoutAttributes << 9;
        QTest::newRow("open unknown tag") << "<foo" << RegionKind::TagRestWithoutAttributes << 43;
        QTest::newRow("lone <") << "<" << RegionKind::TagOpened << 0;
        QTest::newRow("open script tag") << "<script" << RegionKind::TagRestWithAttributes << 0;
        QTest::newRow("open script") << "<script>" << RegionKind::ScriptContent << 0;
        QTest::newRow("open server script") << "<%" << RegionKind::ScriptContent << 44;
    }
    void outgoingStates()
    {
        QFETCH(QString, line);
        QFETCH(RegionKind, kind);
        QFETCH(int, identity);
        RegionState state;
        picture(line, &state);
        QCOMPARE(state.kind, kind);
        QCOMPARE(int(state.identity), identity);
    }

    // Single scans with a position and a limit, as an editor painting a
    // stretch of a line calls them.
    void singleScans_data()
    {
        QTest::addColumn<QString>("line");
        QTest::addColumn<bool>("end"); // end scan, else start scan
        QTest::addColumn<RegionKind>("kind");
        QTest::addColumn<int>("identity");
        QTest::addColumn<int>("position");
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("regionStart");
        QTest::addColumn<int>("changeAt"); // -1: nothing found
        QTest::addColumn<RegionKind>("next");

        const RegionKind plain = RegionKind::PlainText;
        const RegionKind comment = RegionKind::Comment;
        const RegionKind script = RegionKind::ScriptContent;
        const RegionKind tag = RegionKind::TagRestWithAttributes;
        QTest::newRow("--> three back") << "ab-->cd" << true << comment << 42 << 5 << 7 << 0 << 5 << plain;
        QTest::newRow("--> four back") << "ab-->cd" << true << comment << 42 << 6 << 7 << 0 << -1 << plain;
        QTest::newRow("--> cut by the limit") << "a-->" << true << comment << 42 << 0 << 3 << 0 << -1 << plain;
        QTest::newRow("</SCRIPT> ten back") << "x</script>yz" << true << script << 0 << 11 << 12 << 0 << 1 << plain;
        QTest::newRow("</SCRIPT> eleven back") << "x</script>yz" << true << script << 0 << 12 << 12 << 0 << -1 << plain;
        QTest::newRow("</SCRIPT> before the region") << "x</script>y" << true << script << 0 << 10 << 11 << 2 << -1 << plain;
        QTest::newRow("%> two back") << "a%>b" << true << script << 44 << 3 << 4 << 0 << 2 << plain;
        QTest::newRow("%> three back") << "a%>b" << true << script << 44 << 4 << 4 << 0 << -1 << plain;
        QTest::newRow("> at the limit") << "<a x>" << true << tag << 1 << 2 << 4 << 0 << -1 << plain;
        QTest::newRow("> before the limit") << "<a x>" << true << tag << 1 << 2 << 5 << 0 << 4 << plain;
        QTest::newRow("> of a script tag") << "<script>" << true << tag << 0 << 7 << 8 << 0 << 7 << script;
        QTest::newRow("< at the limit") << "ab<c" << false << plain << 0 << 0 << 2 << 0 << -1 << plain;
        QTest::newRow("< before the limit") << "ab<c" << false << plain << 0 << 0 << 3 << 0 << 2 << RegionKind::TagOpened;
        QTest::newRow("= at the limit") << "<p a=1" << false << tag << 23 << 2 << 4 << 0 << -1 << plain;
        QTest::newRow("= before the limit") << "<p a=1" << false << tag << 23 << 2 << 5 << 0 << 3 << tag;
        QTest::newRow("name at the limit") << "<" << false << RegionKind::TagOpened << 0 << 1 << 1 << 0 << -1 << plain;
        QTest::newRow("nothing nests in a comment") << "<!-- <b>" << false << comment << 42 << 4 << 8 << 0 << -1 << plain;
        QTest::newRow("nothing nests in an unknown tag")
            << "<foo a=1>" << false << RegionKind::TagRestWithoutAttributes << 43 << 4 << 9 << 0 << -1 << plain;
    }
    void singleScans()
    {
        QFETCH(QString, line);
        QFETCH(bool, end);
        QFETCH(RegionKind, kind);
        QFETCH(int, identity);
        QFETCH(int, position);
        QFETCH(int, limit);
        QFETCH(int, regionStart);
        QFETCH(int, changeAt);
        QFETCH(RegionKind, next);
        const TwmlHighlighter highlighter;
        const HighlightLine scanned(line);
        const RegionState region{kind, static_cast<unsigned char>(identity)};
        const std::optional<TwmlHighlighter::Change> change = end
            ? highlighter.findRegionEnd(scanned, position, limit, region, regionStart)
            : highlighter.findRegionStart(scanned, position, limit, region);
        QCOMPARE(change ? change->position : -1, changeAt);
        if (change)
            QCOMPARE(change->next.kind, next);
    }

    void tagLookup_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("closing");
        QTest::addColumn<int>("row");
        QTest::newRow("script opens") << "SCRIPT" << false << 0;
        QTest::newRow("script never closes") << "SCRIPT" << true << -1;
        QTest::newRow("first SMALL wins") << "SMALL" << false << 24;
        QTest::newRow("first STRONG wins") << "STRONG" << true << 25;
        QTest::newRow("BR/ before BR") << "BR/" << false << 5;
        QTest::newRow("BR") << "BR" << true << 8;
        QTest::newRow("postfield opens") << "POSTFIELD" << false << 28;
        QTest::newRow("postfield never closes") << "POSTFIELD" << true << -1;
        QTest::newRow("prefix of a name") << "CAR" << false << -1;
        QTest::newRow("name with more") << "CARDS" << false << -1;
        QTest::newRow("empty") << "" << false << -1;
        QTest::newRow("lower case is not folded here") << "card" << false << -1;
    }
    void tagLookup()
    {
        QFETCH(QString, name);
        QFETCH(bool, closing);
        QFETCH(int, row);
        QCOMPARE(TwmlHighlighter::findTag(name, closing), row);
    }

    void everyRowIsReachedButTheRepeats()
    {
        const auto &table = TwmlHighlighter::tagTable();
        for (int row = 0; row < TwmlHighlighter::TagCount; ++row) {
            const HtmlElementRecord &record = table[size_t(row)];
            const int expected = row == 33 ? 24 : row == 34 ? 25 : row;
            QCOMPARE(TwmlHighlighter::findTag(record.name, false), expected);
            QCOMPARE(TwmlHighlighter::findTag(record.name, true), record.closing ? expected : -1);
        }
    }

    void defaults_data()
    {
        const QColor window = QGuiApplication::palette().color(QPalette::Base);
        const QColor text = QGuiApplication::palette().color(QPalette::Text);
        QTest::addColumn<int>("textClass");
        QTest::addColumn<bool>("italic");
        QTest::addColumn<QColor>("background");
        QTest::addColumn<QColor>("foreground");
        const auto row = [](TextClass c) -> QTestData & { return QTest::newRow(textClassName(c).data()) << int(c); };
        row(TextClass::Bracket) << false << window << QColor("#000080");
        row(TextClass::DefaultText) << false << window << text;
        row(TextClass::HtmlKeyword) << false << window << QColor("#000080");
        row(TextClass::HtmlTag) << false << window << QColor("#008000");
        row(TextClass::HtmlComment) << true << window << QColor("#c0c0c0");
        row(TextClass::HtmlAttribute) << false << window << QColor("#008000");
        row(TextClass::HtmlAttributeValue) << false << window << QColor("#0000ff");
        row(TextClass::ScriptTag) << false << QColor("#ffff00") << QColor("#000080");
        row(TextClass::ScriptContent) << false << window << text;
        row(TextClass::UnknownTag) << false << window << QColor("#ff0000");
    }
    void defaults()
    {
        QFETCH(int, textClass);
        QFETCH(bool, italic);
        QFETCH(QColor, background);
        QFETCH(QColor, foreground);
        const TwmlHighlighter highlighter;
        const TextAttributes &attributes = highlighter.attributes(TextClass(textClass));
        QCOMPARE(attributes.italic, italic);
        QVERIFY(!attributes.bold && !attributes.underline && !attributes.strikeOut && !attributes.alternativeFont);
        QCOMPARE(attributes.background, background);
        QCOMPARE(attributes.foreground, foreground);
    }

    void classChangesAreCopiedAndAnnounced()
    {
        TwmlHighlighter highlighter;
        QSignalSpy changed(&highlighter, &TwmlHighlighter::attributesChanged);
        TextAttributes bold = highlighter.attributes(TextClass::HtmlTag);
        bold.bold = true;
        highlighter.setAttributes(TextClass::HtmlTag, bold);
        bold.italic = true; // the highlighter holds its own copy
        QVERIFY(highlighter.attributes(TextClass::HtmlTag).bold);
        QVERIFY(!highlighter.attributes(TextClass::HtmlTag).italic);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.first().first().value<TextClass>(), TextClass::HtmlTag);
        highlighter.setAttributes(TextClass::HtmlTag, highlighter.attributes(TextClass::HtmlTag));
        QCOMPARE(changed.count(), 1);
    }

    // A long line full of attributes and no ">" must not make the scan
    // quadratic: every search would otherwise run to the end of the line.
    void longTagLineStaysLinear()
    {
        QString line = QStringLiteral("<p");
        for (int i = 0; i < 100000; ++i)
            line += QStringLiteral(" a=\"x>\"");
        const TwmlHighlighter highlighter;
        std::vector<TwmlHighlighter::Run> runs;
        QElapsedTimer timer;
        timer.start();
        const RegionState state = highlighter.scanLine(line, RegionState(), &runs);
        QVERIFY2(timer.elapsed() < 500, qPrintable(QString::number(timer.elapsed())));
        QCOMPARE(state.kind, RegionKind::TagRestWithAttributes);
        QCOMPARE(runs.size(), size_t(3 + 3 * 100000 - 1));
    }
};
TARNEL_TEST(WmlHighlighterTest)
#include "wmlhighlightertest.moc"
