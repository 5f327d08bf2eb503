#include "testregistry.h"

#include "editor/highlightexport.h"

#include <QRegularExpression>
#include <QTest>

namespace {

QString preOf(const QByteArray &page)
{
    const QString text = QString::fromUtf8(page);
    const qsizetype open = text.indexOf(QLatin1String("<pre>"));
    const qsizetype close = text.indexOf(QLatin1String("</pre>"));
    return open < 0 || close < open ? QStringLiteral("no <pre>") : text.mid(open + 5, close - open - 5);
}

} // namespace

// The document written out as runs and as an HTML page.
class HighlightExportTest : public QObject
{
    Q_OBJECT

private slots:
    void runsCountCharactersNotCodeUnits()
    {
        const TwmlHighlighter highlighter;
        const QStringList lines{QStringLiteral("<p>\U0001F600<b>"), QStringLiteral("\u00e9\U0001F600x")};
        QCOMPARE(HighlightExport::runsText(highlighter, lines),
                 QByteArray("0\t0\t1\tBracket\n"
                            "0\t1\t1\tHtmlKeyword\n"
                            "0\t2\t1\tBracket\n"
                            "0\t3\t1\tDefaultText\n"
                            "0\t4\t1\tBracket\n"
                            "0\t5\t1\tHtmlKeyword\n"
                            "0\t6\t1\tBracket\n"
                            "1\t0\t3\tDefaultText\n"));
    }

    void runsCarryStateAcrossLines()
    {
        const TwmlHighlighter highlighter;
        const QStringList lines{QStringLiteral("<!--"), QString(), QStringLiteral("x-->y")};
        QCOMPARE(HighlightExport::runsText(highlighter, lines),
                 QByteArray("0\t0\t4\tHtmlComment\n"
                            "2\t0\t4\tHtmlComment\n"
                            "2\t4\t1\tDefaultText\n"));
    }

    void pageBody_data()
    {
        QTest::addColumn<QStringList>("lines");
        QTest::addColumn<QString>("pre");
        QTest::newRow("empty document") << QStringList{QString()} << QString();
        QTest::newRow("markup is escaped")
            << QStringList{QStringLiteral("<b>&amp;\"</b>")}
            << QStringLiteral("<span class=\"Bracket\">&lt;</span><span class=\"HtmlKeyword\">b</span>"
                              "<span class=\"Bracket\">&gt;</span><span class=\"DefaultText\">&amp;amp;&quot;</span>"
                              "<span class=\"Bracket\">&lt;</span><span class=\"HtmlKeyword\">/b</span>"
                              "<span class=\"Bracket\">&gt;</span>");
        QTest::newRow("lines end in LF, empty lines stay")
            << QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}
            << QStringLiteral("<span class=\"DefaultText\">a</span>\n\n<span class=\"DefaultText\">b</span>");
        QTest::newRow("control characters are replaced, tabs kept")
            << QStringList{QString::fromLatin1("a\x01\tb\0c\x7F", 7)}
            << QStringLiteral("<span class=\"DefaultText\">a\ufffd\tb\ufffdc\ufffd</span>");
    }
    void pageBody()
    {
        QFETCH(QStringList, lines);
        QFETCH(QString, pre);
        const TwmlHighlighter highlighter;
        QCOMPARE(preOf(HighlightExport::htmlPage(highlighter, lines, QStringLiteral("p.wml"))), pre);
    }

    void pageHasOneRulePerClassAndAnEscapedTitle()
    {
        const TwmlHighlighter highlighter;
        const QString page = QString::fromUtf8(
            HighlightExport::htmlPage(highlighter, {QStringLiteral("x")}, QStringLiteral("a<b>.wml")));
        QVERIFY(page.startsWith(QLatin1String("<!DOCTYPE html>")));
        QVERIFY(page.contains(QLatin1String("<meta charset=\"utf-8\">")));
        QVERIFY(page.contains(QLatin1String("<title>a&lt;b&gt;.wml</title>")));
        for (int i = 0; i < TextClassCount; ++i) {
            const QString name = textClassName(TextClass(i));
            QCOMPARE(page.count(QRegularExpression(QLatin1String("\\n\\.") + name + QLatin1String(" \\{"))), 1);
        }
        QVERIFY(page.contains(QLatin1String(".HtmlComment { color: #c0c0c0; background: #ffffff; font-style: italic; }")));
    }

    void styleRules_data()
    {
        QTest::addColumn<TextAttributes>("attributes");
        QTest::addColumn<QString>("rule");
        TextAttributes plain{false, false, false, false, false, QColor("#ffffff"), QColor("#000080")};
        QTest::newRow("colours only") << plain << ".HtmlTag { color: #000080; background: #ffffff; }";
        TextAttributes bold = plain;
        bold.bold = true;
        QTest::newRow("bold") << bold << ".HtmlTag { color: #000080; background: #ffffff; font-weight: bold; }";
        TextAttributes lines = plain;
        lines.underline = lines.strikeOut = true;
        QTest::newRow("underline and strike-out")
            << lines << ".HtmlTag { color: #000080; background: #ffffff; text-decoration: underline line-through; }";
        TextAttributes strike = plain;
        strike.strikeOut = true;
        QTest::newRow("strike-out") << strike
                                    << ".HtmlTag { color: #000080; background: #ffffff; text-decoration: line-through; }";
        TextAttributes alternative = plain;
        alternative.alternativeFont = true;
        QTest::newRow("alternative font")
            << alternative
            << ".HtmlTag { color: #000080; background: #ffffff; font-family: \"MS Sans Serif\", sans-serif; }";
    }
    void styleRules()
    {
        QFETCH(TextAttributes, attributes);
        QFETCH(QString, rule);
        QCOMPARE(HighlightExport::styleRule(TextClass::HtmlTag, attributes), rule);
    }
};
TARNEL_TEST(HighlightExportTest)
#include "highlightexporttest.moc"
