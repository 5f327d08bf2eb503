// The WML document model: positions that match the editor's, attributes
// found where they are written, the version from the DOCTYPE, WML's own
// entities, and well-formedness errors marked where the fault is, with
// their fixes.
#include "testregistry.h"

#include "check/checker.h"
#include "wml/wmldocument.h"

#include <QTest>

namespace {

const QString prologue13 = QStringLiteral("<?xml version=\"1.0\"?>\r\n"
                                          "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                                          "\"http://www.wapforum.org/DTD/wml13.dtd\">\r\n");

const WmlNode &child(const WmlNode &node, int index)
{
    return node.children.at(size_t(index));
}

// The text a range covers.
QString covered(const WmlDocument &document, const SourceRange &range)
{
    return document.text().mid(range.start.offset, range.length());
}

QString applied(const QString &text, const QuickFix &fix)
{
    QString result = text;
    for (auto edit = fix.edits.crbegin(); edit != fix.edits.crend(); ++edit)
        result.replace(edit->start, edit->end - edit->start, edit->replacement);
    return result;
}

} // namespace

class WmlDocumentTest : public QObject
{
    Q_OBJECT

private slots:
    void rangesAreTheEditorsPositions()
    {
        const QString text = prologue13
            + QStringLiteral("<wml>\r\n<card id=\"a\" title='\u010Cau'>\r\n<p>x&nbsp;y \U0001F600<br/>z&amp;</p>"
                             "</card>\r\n</wml>");
        const auto document = WmlDocument::parse(text);
        QVERIFY(document->isWellFormed());
        const WmlNode &wml = *document->root();
        QCOMPARE(wml.name, QStringLiteral("wml"));
        QCOMPARE(wml.range.start.line, 3);
        QCOMPARE(covered(*document, wml.startTag), QStringLiteral("<wml>"));
        QVERIFY(covered(*document, wml.range).endsWith(QLatin1String("</wml>")));

        const WmlNode &card = *wml.elements(u"card").first();
        QCOMPARE(card.range.start.line, 4);
        QCOMPARE(card.range.start.column, 1);
        QCOMPARE(covered(*document, card.attribute(u"id")->range), QStringLiteral("id=\"a\""));
        QCOMPARE(covered(*document, card.attribute(u"title")->valueRange), QStringLiteral("\u010Cau"));
        QCOMPARE(card.value(u"title"), QStringLiteral("\u010Cau"));

        const WmlNode &p = *card.elements(u"p").first();
        QCOMPARE(p.range.start.line, 5);
        // Text: entities resolved, the range as written; the emoji counts
        // two positions, as in the editor.
        QCOMPARE(child(p, 0).text, QStringLiteral("x\u00A0y \U0001F600"));
        QCOMPARE(covered(*document, child(p, 0).range), QStringLiteral("x&nbsp;y \U0001F600"));
        const WmlNode &br = child(p, 1);
        QCOMPARE(covered(*document, br.range), QStringLiteral("<br/>"));
        QCOMPARE(br.range.start.column, 15);
        QCOMPARE(child(p, 2).text, QStringLiteral("z&"));
        QCOMPARE(covered(*document, child(p, 2).range), QStringLiteral("z&amp;"));
    }

    void versionComesFromThePublicIdentifier_data()
    {
        QTest::addColumn<QString>("doctype");
        QTest::addColumn<QString>("version");
        QTest::addColumn<bool>("declared");
        QTest::newRow("1.1") << "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.1//EN\" \"x\">" << "1.1" << true;
        QTest::newRow("1.2") << "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.2//EN\" \"x\">" << "1.2" << true;
        QTest::newRow("1.3") << "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" \"x\">" << "1.3" << true;
        QTest::newRow("unknown") << "<!DOCTYPE wml PUBLIC \"-//ACME//DTD WML 9//EN\" \"x\">" << "1.1" << false;
        QTest::newRow("none") << "" << "1.1" << false;
    }
    void versionComesFromThePublicIdentifier()
    {
        QFETCH(QString, doctype);
        QFETCH(QString, version);
        QFETCH(bool, declared);
        const auto document = WmlDocument::parse(doctype + QStringLiteral("<wml><card/></wml>"));
        QVERIFY(document->isWellFormed());
        QCOMPARE(versionName(document->version()), version);
        QCOMPARE(document->versionDeclared(), declared);
        QCOMPARE(document->hasDoctype(), !doctype.isEmpty());
    }

    void prologueIsRead()
    {
        WmlDocument::Options options;
        options.actualEncoding = "windows-1250";
        const auto document = WmlDocument::parse(
            QStringLiteral("<?xml version=\"1.0\" encoding=\"ISO-8859-2\"?>\n<wml><card/></wml>"), options);
        QVERIFY(document->hasXmlDeclaration());
        QCOMPARE(document->declaredEncoding(), QStringLiteral("ISO-8859-2"));
        QCOMPARE(document->actualEncoding(), QByteArray("windows-1250"));
        QVERIFY(!WmlDocument::parse(QStringLiteral("<wml/>"))->hasXmlDeclaration());
    }

    // Each fault is marked where it is, and the obvious ones carry a fix
    // that makes the deck well-formed.
    void errorsAreMarkedWhereTheFaultIs_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("marked");
        QTest::addColumn<QString>("fixed"); // empty: no fix
        QTest::newRow("bare & in a link")
            << "<wml><card><p><a href=\"a?b=1&c=2\">x</a></p></card></wml>" << "&c="
            << "<wml><card><p><a href=\"a?b=1&amp;c=2\">x</a></p></card></wml>";
        QTest::newRow("bare & in text") << "<wml><card><p>Tom & Jerry</p></card></wml>" << "& "
                                        << "<wml><card><p>Tom &amp; Jerry</p></card></wml>";
        QTest::newRow("end tag of the wrong element") << "<wml><card><p>text</card></wml>" << "</card>"
                                                      << "<wml><card><p>text</p></card></wml>";
        QTest::newRow("left open at the end") << "<wml><card><p>text</p></card>" << "<wml>"
                                              << "<wml><card><p>text</p></card></wml>";
        QTest::newRow("unknown entity") << "<wml><card><p>a &euro; b</p></card></wml>" << "" << "";
        QTest::newRow("text before the prologue") << "  <?xml version=\"1.0\"?><wml/>" << "" << "";
    }
    void errorsAreMarkedWhereTheFaultIs()
    {
        QFETCH(QString, text);
        QFETCH(QString, marked);
        QFETCH(QString, fixed);
        const auto document = WmlDocument::parse(text);
        QCOMPARE(document->errors().size(), 1);
        const QList<Diagnostic> diagnostics = Checker::check(*document, Checker::Options());
        QCOMPARE(diagnostics.size(), 1);
        const Diagnostic &problem = diagnostics.first();
        QCOMPARE(problem.ruleId, QStringLiteral("xml"));
        QVERIFY(!problem.message.isEmpty());
        if (!marked.isEmpty())
            QCOMPARE(covered(*document, problem.range), marked);
        QCOMPARE(problem.fix.has_value(), !fixed.isEmpty());
        if (problem.fix) {
            const QString mended = applied(text, *problem.fix);
            QCOMPARE(mended, fixed);
            QVERIFY(WmlDocument::parse(mended)->isWellFormed());
        }
    }

    void brokenInputNeverCrashes_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("empty") << "";
        QTest::newRow("binary") << QString::fromLatin1("\x01\x02<\x00\xFF>", 6);
        QTest::newRow("only a prologue") << prologue13;
        QTest::newRow("unterminated attribute") << "<wml><card id=\"a";
        QTest::newRow("deep nesting") << QString(QStringLiteral("<p>")).repeated(5000);
    }
    void brokenInputNeverCrashes()
    {
        QFETCH(QString, text);
        const auto document = WmlDocument::parse(text);
        QVERIFY(!document->isWellFormed());
        for (const Diagnostic &problem : Checker::check(*document, Checker::Options())) {
            QVERIFY(problem.range.start.offset >= 0);
            QVERIFY(problem.range.end.offset <= text.size());
            QVERIFY(problem.range.start.offset <= problem.range.end.offset);
        }
    }
};
TARNEL_TEST(WmlDocumentTest)

#include "wmldocumenttest.moc"
