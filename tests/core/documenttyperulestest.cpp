// The document type rules over small decks of each WML version: which
// problems they find and where, what they say and the fixes they offer.
#include "testregistry.h"

#include "check/checker.h"
#include "check/documenttype.h"
#include "common/inifile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTest>

Q_DECLARE_METATYPE(WmlVersion)

class DocumentTypeRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void problems_data();
    void problems();
    void messages_data();
    void messages();
    void fixes_data();
    void fixes();
    void tagListAgreesWithTables();
    void largeDeckIsFast();
};

namespace {

QString prologue(WmlVersion version)
{
    const QString name = versionName(version);
    return QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML %1//EN\" "
                          "\"http://www.wapforum.org/DTD/wml_%1.xml\">\n")
        .arg(name);
}

// A deck of one card holding body; a body starting with "<wml>" or
// "<card>" is the whole deck.
QString deck(WmlVersion version, const QString &body)
{
    if (body.startsWith(QLatin1String("<wml>")) || body.startsWith(QLatin1String("<card>")))
        return prologue(version) + body;
    return prologue(version) + QStringLiteral("<wml><card>") + body + QStringLiteral("</card></wml>");
}

QList<Diagnostic> dtdProblems(const QString &text)
{
    const auto document = WmlDocument::parse(text);
    QList<Diagnostic> found;
    for (const Diagnostic &diagnostic : Checker::check(*document, Checker::Options())) {
        if (diagnostic.ruleId.startsWith(QLatin1String("dtd-")) || diagnostic.ruleId == QLatin1String("xml"))
            found.append(diagnostic);
    }
    return found;
}

// Each problem as "rule-id text", the text being what its range covers.
QStringList describe(const QString &text, const QList<Diagnostic> &diagnostics)
{
    QStringList described;
    for (const Diagnostic &diagnostic : diagnostics)
        described << diagnostic.ruleId + QLatin1Char(' ')
                + text.mid(diagnostic.range.start.offset, diagnostic.range.length());
    return described;
}

} // namespace

void DocumentTypeRulesTest::problems_data()
{
    QTest::addColumn<WmlVersion>("version");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QStringList>("expected");

    const auto v11 = WmlVersion::Wml11;
    const auto v12 = WmlVersion::Wml12;
    const auto v13 = WmlVersion::Wml13;

    // Elements: unknown, of another version, out of place; stray text.
    QTest::newRow("valid card") << v11 << "<p>Hello <b>world</b><br/></p>" << QStringList();
    QTest::newRow("unknown element") << v13 << "<p><font>x</font></p>" << QStringList{"dtd-element <font>"};
    QTest::newRow("pre in 1.1") << v11 << "<pre>x</pre>" << QStringList{"dtd-element <pre>"};
    QTest::newRow("pre in 1.2") << v12 << "<pre>x</pre>" << QStringList();
    QTest::newRow("pre in 1.3") << v13 << "<pre>x <b>y</b></pre>" << QStringList();
    QTest::newRow("img inside pre") << v13 << "<pre><img alt=\"a\" src=\"a.wbmp\"/></pre>"
                                    << QStringList{"dtd-element <img alt=\"a\" src=\"a.wbmp\"/>"};
    QTest::newRow("input directly in card") << v11 << "<input name=\"x\"/>"
                                            << QStringList{"dtd-element <input name=\"x\"/>"};
    QTest::newRow("p inside p") << v13 << "<p><p>x</p></p>" << QStringList{"dtd-element <p>"};
    QTest::newRow("a inside a") << v13 << "<p><a href=\"#x\"><a href=\"#y\">y</a></a></p>"
                                << QStringList{"dtd-element <a href=\"#y\">"};
    QTest::newRow("table inside td") << v13
                                     << "<p><table columns=\"1\"><tr><td><table columns=\"1\"><tr><td/></tr>"
                                        "</table></td></tr></table></p>"
                                     << QStringList{"dtd-element <table columns=\"1\">"};
    QTest::newRow("text in card") << v11 << "\n  Hello\n" << QStringList{"dtd-element Hello"};
    QTest::newRow("text in wml") << v13 << "<wml>stray<card/></wml>" << QStringList{"dtd-element stray"};
    QTest::newRow("white space in card") << v13 << "\n   \n<p/>\n" << QStringList();
    QTest::newRow("text in do") << v13 << "<do type=\"accept\">go<prev/></do>" << QStringList{"dtd-element go"};
    QTest::newRow("text in select") << v13 << "<p><select>x<option>a</option></select></p>"
                                    << QStringList{"dtd-element x"};
    QTest::newRow("text in br") << v13 << "<p><br>x</br></p>" << QStringList{"dtd-element x"};
    QTest::newRow("root is not wml") << v13 << "<card><p/></card>" << QStringList{"dtd-element <card>"};
    QTest::newRow("inside an unknown element") << v13 << "<p><blink><b>x</b></blink></p>"
                                               << QStringList{"dtd-element <blink>"};

    // Content models: order, count, what is missing.
    QTest::newRow("wml without card") << v13 << "<wml></wml>" << QStringList{"dtd-content <wml>"};
    QTest::newRow("head after card") << v13 << "<wml><card/><head><meta content=\"x\"/></head></wml>"
                                     << QStringList{"dtd-content <head>"};
    QTest::newRow("two templates") << v11 << "<wml><template/><template/><card/></wml>"
                                   << QStringList{"dtd-content <template/>"};
    QTest::newRow("empty head") << v11 << "<wml><head></head><card/></wml>" << QStringList{"dtd-content <head>"};
    QTest::newRow("two timers") << v13 << "<timer value=\"1\"/><timer value=\"2\"/>"
                                << QStringList{"dtd-content <timer value=\"2\"/>"};
    QTest::newRow("timer after p") << v13 << "<p/><timer value=\"1\"/>"
                                   << QStringList{"dtd-content <timer value=\"1\"/>"};
    QTest::newRow("onevent after timer") << v13 << "<timer value=\"1\"/><onevent type=\"ontimer\"><prev/></onevent>"
                                         << QStringList{"dtd-content <onevent type=\"ontimer\">"};
    QTest::newRow("select without option") << v13 << "<p><select name=\"s\"></select></p>"
                                           << QStringList{"dtd-content <select name=\"s\">"};
    QTest::newRow("empty optgroup") << v13 << "<p><select><optgroup/></select></p>"
                                    << QStringList{"dtd-content <optgroup/>"};
    QTest::newRow("do without task") << v11 << "<do type=\"accept\"/>" << QStringList{"dtd-content <do type=\"accept\"/>"};
    QTest::newRow("do with two tasks") << v11 << "<do type=\"accept\"><prev/><noop/></do>"
                                       << QStringList{"dtd-content <noop/>"};
    QTest::newRow("table without rows") << v13 << "<p><table columns=\"1\"></table></p>"
                                        << QStringList{"dtd-content <table columns=\"1\">"};
    QTest::newRow("row without cells") << v13 << "<p><table columns=\"1\"><tr></tr></table></p>"
                                       << QStringList{"dtd-content <tr>"};
    QTest::newRow("space in an empty element") << v13 << "<p><br> </br></p>" << QStringList{"dtd-content <br>"};
    QTest::newRow("full deck") << v11
                               << "<wml><head><access/><meta content=\"x\"/></head><template><do type=\"prev\">"
                                  "<prev/></do></template><card><onevent type=\"onenterforward\"><noop/></onevent>"
                                  "<timer value=\"10\"/><do type=\"accept\"><go href=\"#a\"><postfield name=\"a\" "
                                  "value=\"1\"/><setvar name=\"b\" value=\"2\"/></go></do><p>x</p></card></wml>"
                               << QStringList();

    // Attributes of another version or of no version.
    QTest::newRow("cache-control in 1.1") << v11 << "<do type=\"a\"><go href=\"#x\" cache-control=\"no-cache\"/></do>"
                                          << QStringList{"dtd-attribute cache-control=\"no-cache\""};
    QTest::newRow("cache-control in 1.2") << v12 << "<do type=\"a\"><go href=\"#x\" cache-control=\"no-cache\"/></do>"
                                          << QStringList{"dtd-attribute cache-control=\"no-cache\""};
    QTest::newRow("cache-control in 1.3") << v13 << "<do type=\"a\"><go href=\"#x\" cache-control=\"no-cache\"/></do>"
                                          << QStringList();
    QTest::newRow("enctype in 1.1") << v11 << "<do type=\"a\"><go href=\"#x\" enctype=\"multipart/form-data\"/></do>"
                                    << QStringList{"dtd-attribute enctype=\"multipart/form-data\""};
    QTest::newRow("enctype in 1.2") << v12 << "<do type=\"a\"><go href=\"#x\" enctype=\"multipart/form-data\"/></do>"
                                    << QStringList();
    QTest::newRow("accesskey in 1.1") << v11 << "<p><a href=\"#x\" accesskey=\"1\">x</a></p>"
                                      << QStringList{"dtd-attribute accesskey=\"1\""};
    QTest::newRow("accesskey in 1.2") << v12 << "<p><a href=\"#x\" accesskey=\"1\">x</a></p>" << QStringList();
    QTest::newRow("br xml:lang in 1.1") << v11 << "<p><br xml:lang=\"en\"/></p>" << QStringList();
    QTest::newRow("br xml:lang in 1.3") << v13 << "<p><br xml:lang=\"en\"/></p>"
                                        << QStringList{"dtd-attribute xml:lang=\"en\""};
    QTest::newRow("unknown attribute") << v13 << "<p align=\"left\" color=\"red\"/>"
                                       << QStringList{"dtd-attribute color=\"red\""};
    QTest::newRow("td align") << v13 << "<p><table columns=\"1\"><tr><td align=\"left\"/></tr></table></p>"
                              << QStringList{"dtd-attribute align=\"left\""};
    QTest::newRow("id and class everywhere") << v11 << "<p id=\"p1\" class=\"x y\"><br id=\"b1\" class=\"z\"/></p>"
                                             << QStringList();

    // Required attributes.
    QTest::newRow("img without alt") << v13 << "<p><img src=\"a.wbmp\"/></p>"
                                     << QStringList{"dtd-required <img src=\"a.wbmp\"/>"};
    QTest::newRow("img without both") << v13 << "<p><img/></p>"
                                      << QStringList{"dtd-required <img/>", "dtd-required <img/>"};
    QTest::newRow("go without href") << v11 << "<do type=\"a\"><go/></do>" << QStringList{"dtd-required <go/>"};
    QTest::newRow("setvar without value") << v12 << "<do type=\"a\"><prev><setvar name=\"x\"/></prev></do>"
                                          << QStringList{"dtd-required <setvar name=\"x\"/>"};
    QTest::newRow("input without name") << v11 << "<p><input/></p>" << QStringList{"dtd-required <input/>"};
    QTest::newRow("postfield without name") << v13 << "<do type=\"a\"><go href=\"x\"><postfield value=\"1\"/></go></do>"
                                            << QStringList{"dtd-required <postfield value=\"1\"/>"};
    QTest::newRow("do without type") << v13 << "<do><prev/></do>" << QStringList{"dtd-required <do>"};
    QTest::newRow("table without columns") << v11 << "<p><table><tr><td/></tr></table></p>"
                                           << QStringList{"dtd-required <table>"};
    QTest::newRow("meta without content") << v13 << "<wml><head><meta name=\"a\"/></head><card/></wml>"
                                          << QStringList{"dtd-required <meta name=\"a\"/>"};
    QTest::newRow("empty required value is there") << v13 << "<p><img alt=\"\" src=\"\"/></p>" << QStringList();

    // Values.
    QTest::newRow("method GET") << v13 << "<do type=\"a\"><go href=\"x\" method=\"GET\"/></do>"
                                << QStringList{"dtd-value GET"};
    QTest::newRow("method post") << v13 << "<do type=\"a\"><go href=\"x\" method=\"post\"/></do>" << QStringList();
    QTest::newRow("mode") << v11 << "<p mode=\"no-wrap\"/>" << QStringList{"dtd-value no-wrap"};
    QTest::newRow("p align") << v11 << "<p align=\"justify\"/>" << QStringList{"dtd-value justify"};
    QTest::newRow("img align") << v13 << "<p><img alt=\"a\" src=\"b\" align=\"left\"/></p>"
                               << QStringList{"dtd-value left"};
    QTest::newRow("boolean") << v13 << "<p><select multiple=\"yes\"><option/></select></p>"
                             << QStringList{"dtd-value yes"};
    QTest::newRow("empty boolean") << v13 << "<p><input name=\"x\" emptyok=\"\"/></p>"
                                   << QStringList{"dtd-value emptyok=\"\""};
    QTest::newRow("token with spaces") << v13 << "<p><select multiple=\" true \"><option/></select></p>"
                                       << QStringList();
    QTest::newRow("cache-control value") << v13 << "<do type=\"a\"><go href=\"x\" cache-control=\"no-store\"/></do>"
                                         << QStringList{"dtd-value no-store"};
    QTest::newRow("input type") << v13 << "<p><input name=\"x\" type=\"number\"/></p>"
                                << QStringList{"dtd-value number"};
    QTest::newRow("number") << v13 << "<p><input name=\"x\" maxlength=\"ten\" size=\"10\" tabindex=\"-1\"/></p>"
                            << QStringList{"dtd-value ten", "dtd-value -1"};
    QTest::newRow("number with a variable") << v13 << "<p><input name=\"x\" maxlength=\"$(max)\"/></p>"
                                            << QStringList{"dtd-value $(max)"};
    QTest::newRow("lengths") << v13 << "<p><img alt=\"a\" src=\"b\" width=\"50%\" height=\"20\" vspace=\"2px\"/></p>"
                             << QStringList{"dtd-value 2px"};
    QTest::newRow("vdata with a variable") << v13 << "<p><img alt=\"$(a)\" src=\"$b\"/></p>" << QStringList();
    QTest::newRow("nmtoken") << v13 << "<p><input name=\"first name\"/><input name=\"x.y-z_1\"/></p>"
                             << QStringList{"dtd-value first name"};
    QTest::newRow("nmtoken with a variable") << v13 << "<p><select name=\"$(n)\"><option/></select></p>"
                                             << QStringList{"dtd-value $(n)"};
    QTest::newRow("empty nmtoken") << v13 << "<p><input name=\"\"/></p>" << QStringList{"dtd-value name=\"\""};
    QTest::newRow("id") << v13 << "<p id=\"1st\"/><p id=\"_ok\"/><p id=\"ok.2\"/>" << QStringList{"dtd-value 1st"};
    QTest::newRow("do type is free") << v11 << "<do type=\"vnd.foo-bar\"><prev/></do><do type=\"x y\"><prev/></do>"
                                     << QStringList();
    QTest::newRow("onevent in card") << v13 << "<onevent type=\"onpick\"><prev/></onevent>"
                                     << QStringList{"dtd-value onpick"};
    QTest::newRow("onevent in option") << v13
                                       << "<p><select><option><onevent type=\"onpick\"><prev/></onevent></option>"
                                          "<option><onevent type=\"ontimer\"><prev/></onevent></option></select></p>"
                                       << QStringList{"dtd-value ontimer"};
    QTest::newRow("onevent in template") << v11
                                         << "<wml><template><onevent type=\"onenterbackward\"><prev/></onevent>"
                                            "<onevent type=\"onclick\"><prev/></onevent></template><card/></wml>"
                                         << QStringList{"dtd-value onclick"};
    QTest::newRow("pre xml:space") << v13 << "<pre xml:space=\"preserve\">a</pre><pre xml:space=\"default\">b</pre>"
                                   << QStringList{"dtd-value default"};
    QTest::newRow("entity in a value") << v13 << "<p align=\"&#108;eft\"/>" << QStringList();
}

void DocumentTypeRulesTest::problems()
{
    QFETCH(WmlVersion, version);
    QFETCH(QString, body);
    QFETCH(QStringList, expected);
    const QString text = deck(version, body);
    QCOMPARE(describe(text, dtdProblems(text)), expected);
}

void DocumentTypeRulesTest::messages_data()
{
    QTest::addColumn<WmlVersion>("version");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("message");

    const auto v11 = WmlVersion::Wml11;
    const auto v13 = WmlVersion::Wml13;
    QTest::newRow("required") << v13 << "<p><img src=\"a\"/></p>" << "<img> needs an alt attribute";
    QTest::newRow("required, a") << v13 << "<do type=\"a\"><go/></do>" << "<go> needs a href attribute";
    QTest::newRow("text in card") << v13 << "Hi" << "<card> may not hold text; put it in a <p>";
    QTest::newRow("text in table") << v13 << "<p><table columns=\"1\">x<tr><td/></tr></table></p>"
                                   << "<table> may not hold text; put it in a <td>";
    QTest::newRow("newer attribute") << v11 << "<do type=\"a\"><go href=\"x\" cache-control=\"no-cache\"/></do>"
                                     << "cache-control came with WML 1.3; this deck is WML 1.1";
    QTest::newRow("older attribute") << v13 << "<p><br xml:lang=\"en\"/></p>" << "<br> has no xml:lang attribute in WML 1.3";
    QTest::newRow("unknown attribute") << v13 << "<p colour=\"red\"/>" << "<p> has no colour attribute";
    QTest::newRow("newer element") << v11 << "<pre/>" << "<pre> came with WML 1.2; this deck is WML 1.1";
    QTest::newRow("unknown element") << v11 << "<p><font/></p>" << "<font> is not a WML element";
    QTest::newRow("element in capitals") << v11 << "<p><IMG alt=\"a\" src=\"b\"/></p>"
                                         << "<IMG> is not a WML element; WML writes it <img>";
    QTest::newRow("attribute in capitals") << v11 << "<p><img ALT=\"a\" src=\"b\"/></p>"
                                           << "<img> has no ALT attribute; WML writes it alt";
    QTest::newRow("field in card") << v11 << "<select><option/></select>"
                                   << "<select> may not stand directly inside <card>; put it in a <p>";
    QTest::newRow("cell in table") << v11 << "<p><table columns=\"1\"><td/></table></p>"
                                   << "<td> may not stand directly inside <table>; put it in a <tr>";
    QTest::newRow("child of an empty element") << v11 << "<p><br><b/></br></p>"
                                               << "<b> may not stand inside <br>, which must be empty";
    QTest::newRow("no card") << v13 << "<wml><head><access/></head></wml>" << "<wml> must contain <card>";
    QTest::newRow("no task") << v13 << "<do type=\"a\"/>" << "<do> must contain <go>, <prev>, <noop> or <refresh>";
    QTest::newRow("two heads") << v13 << "<wml><head><access/></head><head><access/></head><card/></wml>"
                               << "<wml> may hold only one <head>";
    QTest::newRow("order") << v13 << "<wml><card/><template/></wml>" << "<template> may not come after <card> in <wml>";
    QTest::newRow("second task") << v13 << "<do type=\"a\"><prev/><go href=\"x\"/></do>"
                                 << "<do> may hold only one element; <go> is one too many";
    QTest::newRow("enumeration") << v13 << "<do type=\"a\"><go href=\"x\" method=\"put\"/></do>"
                                 << "method must be post or get, not \"put\"";
    QTest::newRow("event") << v13 << "<onevent type=\"onload\"><prev/></onevent>"
                           << "\"onload\" is not an event of <card>; use onenterforward, onenterbackward or ontimer";
}

void DocumentTypeRulesTest::messages()
{
    QFETCH(WmlVersion, version);
    QFETCH(QString, body);
    QFETCH(QString, message);
    QStringList messages;
    for (const Diagnostic &diagnostic : dtdProblems(deck(version, body)))
        messages << diagnostic.message;
    QVERIFY2(messages.contains(message), qPrintable(messages.join(QLatin1Char('\n'))));
}

void DocumentTypeRulesTest::fixes_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("fixed");

    QTest::newRow("add to an empty tag") << "<p><img src=\"a\"/></p>" << "Add alt=\"\"" << "<p><img src=\"a\" alt=\"\"/></p>";
    QTest::newRow("add before spaced />") << "<p><img src=\"a\" /></p>" << "Add alt=\"\""
                                          << "<p><img src=\"a\" alt=\"\" /></p>";
    QTest::newRow("add to a bare tag") << "<do><prev/></do>" << "Add type=\"\"" << "<do type=\"\"><prev/></do>";
    QTest::newRow("add on a broken line") << "<do type=\"a\"><go\n  method=\"post\"\n></go></do>" << "Add href=\"\""
                                          << "<do type=\"a\"><go\n  method=\"post\" href=\"\"\n></go></do>";
    QTest::newRow("remove an attribute") << "<p  colour=\"red\" align=\"left\"/>" << "Remove colour"
                                         << "<p align=\"left\"/>";
    QTest::newRow("element in capitals") << "<P>Hi</P>" << "Write <p>" << "<p>Hi</p>";
    QTest::newRow("empty element in capitals") << "<p><BR/></p>" << "Write <br>" << "<p><br/></p>";
    QTest::newRow("nested in capitals") << "<P><B>x</B><P>y</P></P>" << "Write <p>" << "<p><B>x</B><P>y</P></p>";
    QTest::newRow("attribute in capitals") << "<p><a HREF=\"#x\">x</a></p>" << "Write href"
                                           << "<p><a href=\"#x\">x</a></p>";
    QTest::newRow("spell a word") << "<p align=\"Center\"/>" << "Write center" << "<p align=\"center\"/>";
    QTest::newRow("spell an event") << "<onevent type=\"onTimer\"><prev/></onevent>" << "Write ontimer"
                                    << "<onevent type=\"ontimer\"><prev/></onevent>";
}

void DocumentTypeRulesTest::fixes()
{
    QFETCH(QString, body);
    QFETCH(QString, label);
    QFETCH(QString, fixed);
    QString text = deck(WmlVersion::Wml13, body);
    const QList<Diagnostic> found = dtdProblems(text);
    QVERIFY(!found.isEmpty());
    QVERIFY(found.first().fix.has_value());
    QCOMPARE(found.first().fix->label, label);
    const QList<TextEdit> edits = found.first().fix->edits;
    for (auto it = edits.rbegin(); it != edits.rend(); ++it)
        text.replace(it->start, it->end - it->start, it->replacement);
    QCOMPARE(text, deck(WmlVersion::Wml13, fixed));
}

// The tag list offers the attributes of WML 1.3 and marks the required
// ones; the checker's tables must say the same.
void DocumentTypeRulesTest::tagListAgreesWithTables()
{
    const IniFile ini = IniFile::load(QStringLiteral(TARNEL_SOURCE_DIR "/data/check.ini"));
    const DocumentType &type = DocumentType::of(WmlVersion::Wml13);
    const QStringList names = ini.keys(QStringLiteral("tags"));
    QVERIFY(names.size() >= 30);
    for (const QString &name : names) {
        const ElementType *element = type.element(name);
        QVERIFY2(element, qPrintable(name));
        const QStringList items = ini.value(QStringLiteral("tags"), name).split(QLatin1Char('|'));
        QStringList marked;
        for (const QString &item : items.mid(1)) {
            const QString attribute = item.section(QLatin1Char('='), 0, 0);
            QVERIFY2(element->attribute(attribute), qPrintable(name + QLatin1Char(' ') + attribute));
            if (item.endsWith(QLatin1Char('#')))
                marked << attribute;
        }
        QStringList required;
        for (const AttributeDefinition *definition : element->required)
            required << QLatin1String(definition->name);
        marked.sort();
        required.sort();
        QCOMPARE(marked, required);
    }
}

// Many cards of everything: a megabyte must check quickly (the bound is
// loose: a debug build on a busy machine); a rule that went quadratic
// would take seconds.
void DocumentTypeRulesTest::largeDeckIsFast()
{
    const QString card = QStringLiteral(
        "<card id=\"c%1\"><onevent type=\"onenterforward\"><refresh/></onevent><do type=\"accept\">"
        "<go href=\"#c%1\" method=\"post\"><postfield name=\"a\" value=\"$(a)\"/></go></do>"
        "<p align=\"center\">Text <b>bold</b> <a href=\"#x\">link</a><br/><img alt=\"x\" src=\"x.wbmp\" "
        "width=\"10\"/><input name=\"n%1\" maxlength=\"5\"/><select name=\"s\"><option value=\"1\">one</option>"
        "</select></p></card>\n");
    QString text = prologue(WmlVersion::Wml13) + QStringLiteral("<wml>");
    for (int i = 0; text.size() < 1024 * 1024; ++i)
        text += card.arg(i);
    text += QStringLiteral("</wml>");
    const auto document = WmlDocument::parse(text);
    QElapsedTimer timer;
    timer.start();
    const QList<Diagnostic> found = Checker::check(*document, Checker::Options());
    const qint64 elapsed = timer.elapsed();
    for (const Diagnostic &diagnostic : found)
        QVERIFY2(!diagnostic.ruleId.startsWith(QLatin1String("dtd-")), qPrintable(diagnostic.message));
    QVERIFY2(elapsed < 1500, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
}

TARNEL_TEST(DocumentTypeRulesTest)
#include "documenttyperulestest.moc"
