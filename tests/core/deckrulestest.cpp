// The deck and device rules on small decks: what each reports, where, and
// what its fixes write.
#include "testregistry.h"

#include "check/checkcontext.h"
#include "check/checker.h"
#include "wml/wmldocument.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>
#include <algorithm>

namespace {

const QString prologue13 = QStringLiteral("<?xml version=\"1.0\"?>\n"
                                          "<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                                          "\"http://www.wapforum.org/DTD/wml13.dtd\">\n");

// A deck of one line after the prologue: its problems are on line 3.
QString deck(const QString &body)
{
    return prologue13 + QStringLiteral("<wml>") + body + QStringLiteral("</wml>\n");
}

QString card(const QString &content)
{
    return deck(QStringLiteral("<card id=\"c\"><p>") + content + QStringLiteral("</p></card>"));
}

QList<Diagnostic> check(const QString &text, const QByteArray &actualEncoding = QByteArray(),
                        const DeviceProfile &device = DeviceProfile())
{
    WmlDocument::Options options;
    options.actualEncoding = actualEncoding;
    Checker::Options checkOptions;
    checkOptions.device = device;
    return Checker::check(*WmlDocument::parse(text, options), checkOptions);
}

// The problems of this family ("wml-", "device-") as "LINE:COLUMN: severity: rule-id".
QStringList lines(const QList<Diagnostic> &diagnostics)
{
    QStringList found;
    for (const Diagnostic &diagnostic : diagnostics) {
        if (diagnostic.ruleId.startsWith(QLatin1String("wml-")) || diagnostic.ruleId.startsWith(QLatin1String("device-")))
            found << QStringLiteral("%1:%2: %3: %4")
                         .arg(diagnostic.range.start.line)
                         .arg(diagnostic.range.start.column)
                         .arg(severityName(diagnostic.severity), diagnostic.ruleId);
    }
    return found;
}

QString applied(const QString &text, const QuickFix &fix)
{
    QString result = text;
    QList<TextEdit> edits = fix.edits;
    std::sort(edits.begin(), edits.end(), [](const TextEdit &a, const TextEdit &b) { return a.start > b.start; });
    for (const TextEdit &edit : edits)
        result.replace(edit.start, edit.end - edit.start, edit.replacement);
    return result;
}

const Diagnostic *firstOf(const QList<Diagnostic> &diagnostics, const QString &ruleId)
{
    for (const Diagnostic &diagnostic : diagnostics) {
        if (diagnostic.ruleId == ruleId)
            return &diagnostic;
    }
    return nullptr;
}

} // namespace

class DeckRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void reportsProblems_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        // Variables
        QTest::newRow("variables in text and vdata are fine")
            << card("$x <a href=\"a.wml?q=$(q:escape)\" title=\"$(t)\">$$5</a>") << QStringList{};
        QTest::newRow("lone dollar in text") << card("Only $5 today") << QStringList{"3:27: warning: wml-variable"};
        QTest::newRow("dollar written as an entity is still a dollar")
            << card("Only &#36;5") << QStringList{"3:27: warning: wml-variable"};
        QTest::newRow("unclosed in href") << card("<a href=\"a.wml?x=$(x\">a</a>")
                                          << QStringList{"3:39: error: wml-variable"};
        QTest::newRow("variable in do type") << deck("<card><do type=\"x-$(t)\"><prev/></do><p/></card>")
                                             << QStringList{"3:24: error: wml-variable"};
        QTest::newRow("lone dollar in meta content")
            << deck("<head><meta name=\"price\" content=\"5 $\"/></head><card><p/></card>")
            << QStringList{"3:42: warning: wml-variable"};
        QTest::newRow("escaped dollar in do type is fine")
            << deck("<card><do type=\"x-$$(t)\"><prev/></do><p/></card>") << QStringList{};
        QTest::newRow("variable in CDATA section of text") << card("<![CDATA[$(a]]>")
                                                          << QStringList{"3:31: error: wml-variable"};
        // The input's name is no name token at all: the document type says so, once.
        QTest::newRow("variables in name tokens")
            << deck("<card id=\"c$x\"><p><input name=\"$(n)\"/></p></card>")
            << QStringList{"3:17: error: wml-variable"};
        QTest::newRow("input name that no variable can read")
            << card("<input name=\"first-name\"/>") << QStringList{"3:35: warning: wml-variable"};
        QTest::newRow("setvar with a bad name") << card("<anchor>x<go href=\"#c\"><setvar name=\"1a\" value=\"b\"/></go></anchor>")
                                               << QStringList{"3:59: error: wml-setvar"};
        QTest::newRow("setvar named by a variable") << card("<anchor>x<go href=\"#c\"><setvar name=\"$n\" value=\"b\"/></go></anchor>")
                                                   << QStringList{};
        // Cards and links
        QTest::newRow("duplicate card id")
            << deck("<card id=\"a\"><p/></card><card id=\"a\"><p/></card>") << QStringList{"3:40: error: wml-card-id"};
        QTest::newRow("link to a missing card") << card("<a href=\"#menu\">m</a>") << QStringList{"3:31: warning: wml-link-target"};
        QTest::newRow("links that cannot be judged here")
            << card("<a href=\"#$(c)\">a</a><a href=\"other.wml#menu\">b</a><a href=\"#c\">c</a><a href=\"#%63\">c</a>")
            << QStringList{};
        QTest::newRow("card events and onpick link to cards")
            << deck("<card id=\"a\" ontimer=\"#x\" onenterforward=\"#a\"><timer value=\"5\"/><p><select name=\"s\">"
                    "<option onpick=\"#y\">o</option></select></p></card>")
            << QStringList{"3:28: warning: wml-link-target", "3:106: warning: wml-link-target"};
        // do names
        QTest::newRow("two do of one type in a card")
            << deck("<card><do type=\"accept\"><prev/></do><p><do type=\"accept\"><noop/></do></p></card>")
            << QStringList{"3:55: error: wml-do-name"};
        QTest::newRow("named do elements differ, template may repeat a card's")
            << deck("<template><do type=\"options\" name=\"o\"><prev/></do></template><card><do type=\"options\" name=\"o\">"
                    "<noop/></do><do type=\"options\" name=\"p\"><prev/></do><p/></card>")
            << QStringList{};
        QTest::newRow("duplicate names in the template")
            << deck("<template><do type=\"help\"><prev/></do><do type=\"accept\" name=\"help\"><prev/></do></template>"
                    "<card><p/></card>")
            << QStringList{"3:68: error: wml-do-name"};
        // anchor, access, onevent
        QTest::newRow("anchor without a task") << card("<anchor>x</anchor>") << QStringList{"3:22: error: wml-anchor-task"};
        QTest::newRow("anchor with two tasks") << card("<anchor>x<prev/><go href=\"#c\"/></anchor>")
                                              << QStringList{"3:38: error: wml-anchor-task"};
        QTest::newRow("two access elements")
            << deck("<head><access domain=\"a.com\"/><access/></head><card><p/></card>")
            << QStringList{"3:36: error: wml-single"};
        // An event the element does not have is the document type's to report.
        QTest::newRow("onevent type foreign to a card")
            << deck("<card><onevent type=\"onpick\"><prev/></onevent><p/></card>") << QStringList{};
        QTest::newRow("two onevent of one type")
            << deck("<card><onevent type=\"ontimer\"><prev/></onevent><onevent type=\"ontimer\"><noop/></onevent>"
                    "<timer value=\"1\"/><p/></card>")
            << QStringList{"3:68: error: wml-single"};
        QTest::newRow("onevent and the attribute for one event")
            << deck("<card id=\"c\" onenterforward=\"#c\"><onevent type=\"onenterforward\"><prev/></onevent><p/></card>")
            << QStringList{"3:54: error: wml-single"};
        QTest::newRow("template and card may both bind an event")
            << deck("<template onenterbackward=\"#c\"/><card id=\"c\"><onevent type=\"onenterbackward\"><prev/></onevent>"
                    "<p/></card>")
            << QStringList{};
        // Timers
        QTest::newRow("timer handled by the card, the template or an onevent")
            << deck("<template><onevent type=\"ontimer\"><prev/></onevent></template><card id=\"a\"><timer value=\"10\"/>"
                    "<p/></card><card id=\"b\" ontimer=\"#a\"><timer name=\"t\" value=\"$(t)\"/><p/></card>")
            << QStringList{};
        QTest::newRow("timer nothing handles, ontimer without timer, bad timeout")
            << deck("<card id=\"a\"><timer value=\"5s\"/><p/></card><card id=\"b\" ontimer=\"#a\"><p/></card>")
            << QStringList{"3:19: warning: wml-timer", "3:33: warning: wml-timer", "3:62: warning: wml-timer"};
        // Forms, meta, tables
        QTest::newRow("empty fieldset") << card("<fieldset title=\"t\"> </fieldset>")
                                       << QStringList{"3:22: error: wml-fieldset-empty"};
        QTest::newRow("fieldset with text is fine") << card("<fieldset>Name</fieldset>") << QStringList{};
        QTest::newRow("select that keeps nothing")
            << card("<select><option value=\"a\">A</option></select>") << QStringList{"3:22: warning: wml-name-required"};
        QTest::newRow("select with iname or onpick is fine")
            << card("<select iname=\"i\"><option>A</option></select><select><optgroup><option onpick=\"#c\">B</option>"
                    "</optgroup></select>")
            << QStringList{};
        QTest::newRow("meta with name and http-equiv")
            << deck("<head><meta name=\"a\" http-equiv=\"b\" content=\"c\"/></head><card><p/></card>")
            << QStringList{"3:12: error: wml-meta"};
        QTest::newRow("table of no columns") << card("<table columns=\"0\"><tr><td/></tr></table>")
                                            << QStringList{"3:38: error: wml-table-columns"};
        // URLs
        QTest::newRow("space and accent in a URL")
            << card(QString::fromUtf8("<a href=\"my page.wml?q=é\">a</a>")) << QStringList{"3:31: warning: wml-url"};
        QTest::newRow("escaped URL and variable are fine") << card("<a href=\"my%20page.wml?q=$(q)\">a</a>")
                                                          << QStringList{};
    }
    void reportsProblems()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(check(text)), expected);
    }

    void prologueAndEncoding_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("actual");
        QTest::addColumn<QStringList>("expected");
        const QString body = QStringLiteral("<wml><card><p>Příliš</p></card></wml>");
        QTest::newRow("complete prologue") << prologue13 + body << QByteArray("UTF-8") << QStringList{};
        QTest::newRow("no prologue") << body << QByteArray() << QStringList{"1:1: warning: wml-prologue"};
        QTest::newRow("no DOCTYPE") << "<?xml version=\"1.0\"?>" + body << QByteArray()
                                    << QStringList{"1:22: warning: wml-prologue"};
        QTest::newRow("DOCTYPE without public identifier")
            << "<?xml version=\"1.0\"?>\n<!DOCTYPE wml SYSTEM \"wml13.dtd\">" + body << QByteArray()
            << QStringList{"2:1: warning: wml-prologue"};
        QTest::newRow("unknown public identifier")
            << "<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 2.0//EN\" \"x.dtd\">" + body
            << QByteArray() << QStringList{"2:1: warning: wml-prologue"};
        QTest::newRow("declared encoding matches through an alias")
            << "<?xml version=\"1.0\" encoding=\"latin2\"?>\n" + prologue13.mid(22) + body
            << QByteArray("ISO-8859-2") << QStringList{};
        QTest::newRow("declared encoding differs")
            << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n" + prologue13.mid(22) + body << QByteArray("UTF-8")
            << QStringList{"1:31: error: wml-encoding"};
        QTest::newRow("ASCII deck reads alike in both")
            << "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n" + prologue13.mid(22) + "<wml><card/></wml>"
            << QByteArray("UTF-8") << QStringList{};
        QTest::newRow("8-bit page without a declared encoding")
            << prologue13 + body << QByteArray("windows-1250") << QStringList{"1:1: error: wml-encoding"};
    }
    void prologueAndEncoding()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, actual);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(check(text, actual)), expected);
    }

    void fixesWriteTheText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("ruleId");
        QTest::addColumn<QString>("fixed");
        QTest::newRow("dollar doubled") << card("US$ 5") << "wml-variable" << card("US$$ 5");
        QTest::newRow("dollar entity doubled") << card("US&#36; 5") << "wml-variable" << card("US$&#36; 5");
        QTest::newRow("dollar in do type doubled")
            << deck("<card><do type=\"x-$t\"><prev/></do><p/></card>") << "wml-variable"
            << deck("<card><do type=\"x-$$t\"><prev/></do><p/></card>");
        QTest::newRow("bracket closed") << card("$(name") << "wml-variable" << card("$(name)");
        QTest::newRow("conversion lowered") << card("$(a:Escape)") << "wml-variable" << card("$(a:escape)");
        QTest::newRow("URL escaped, entity included")
            << card(QString::fromUtf8("<a href=\" a b&#233;.wml?x=$(x)\">a</a>")) << "wml-url"
            << card("<a href=\"a%20b%C3%A9.wml?x=$(x)\">a</a>");
        QTest::newRow("prologue inserted") << "<wml><card/></wml>"
                                           << "wml-prologue" << prologue13 + "<wml><card/></wml>";
        QTest::newRow("DOCTYPE put right")
            << "<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.2//EX\" \"\"><wml><card/></wml>"
            << "wml-prologue"
            << "<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
               "\"http://www.wapforum.org/DTD/wml13.dtd\"><wml><card/></wml>";
        QTest::newRow("empty fieldset removed") << card("a<fieldset/>b") << "wml-fieldset-empty" << card("ab");
    }
    void fixesWriteTheText()
    {
        QFETCH(QString, text);
        QFETCH(QString, ruleId);
        QFETCH(QString, fixed);
        const QList<Diagnostic> diagnostics = check(text);
        const Diagnostic *diagnostic = firstOf(diagnostics, ruleId);
        QVERIFY(diagnostic);
        QVERIFY(diagnostic->fix.has_value());
        QCOMPARE(applied(text, *diagnostic->fix), fixed);
    }

    void encodingFixDeclaresTheStoredSet()
    {
        const QString text = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\n" + prologue13.mid(22)
                           + QString::fromUtf8("<wml><card><p>é</p></card></wml>");
        const QList<Diagnostic> diagnostics = check(text, "UTF-8");
        const Diagnostic *diagnostic = firstOf(diagnostics, QStringLiteral("wml-encoding"));
        QVERIFY(diagnostic && diagnostic->fix);
        QVERIFY(applied(text, *diagnostic->fix).startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
        QVERIFY(diagnostic->message.contains(QLatin1String("ISO-8859-1")));

        const QString undeclared = prologue13 + QString::fromUtf8("<wml><card><p>Příliš</p></card></wml>");
        const QList<Diagnostic> missing = check(undeclared, "windows-1250");
        const Diagnostic *declare = firstOf(missing, QStringLiteral("wml-encoding"));
        QVERIFY(declare && declare->fix);
        QVERIFY(applied(undeclared, *declare->fix).startsWith("<?xml version=\"1.0\" encoding=\"windows-1250\"?>\n"));
    }

    void deviceLimits_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("picture within the screen") << card("<img src=\"a.wbmp\" alt=\"a\" width=\"96\" height=\"50%\"/>")
                                                  << QStringList{};
        QTest::newRow("picture too large")
            << card("<img src=\"a.wbmp\" alt=\"a\" width=\"97\" height=\"200\"/>")
            << QStringList{"3:55: warning: device-image-size", "3:67: warning: device-image-size"};
        QTest::newRow("long URL") << card("<a href=\"" + QString(300, QLatin1Char('x')) + "\">a</a>")
                                  << QStringList{"3:31: warning: device-url-length"};
        QTest::newRow("variables do not count") << card("<a href=\"" + QString(250, QLatin1Char('x'))
                                                        + "$(very_long_variable_name)\">a</a>")
                                                << QStringList{};
        QString links;
        for (int i = 0; i < 50; ++i)
            links += QStringLiteral("<a href=\"http://www.example.com/\">x</a>");
        QTest::newRow("text over the limit, compiled within it") << card(links) << QStringList{};
        QTest::newRow("large deck")
            << deck("<card><p>" + QString(1400, QLatin1Char('y')) + "</p></card>")
            << QStringList{"3:1: warning: device-deck-size"};
    }
    void deviceLimits()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, expected);
        QCOMPARE(lines(check(text)), expected);
    }

    // The published decks under tests/data/check/real report the same deck
    // and device problems whichever WML version they are checked against.
    void realDecksAcrossVersions_data()
    {
        QTest::addColumn<QString>("path");
        const QDir real(QStringLiteral(TARNEL_SOURCE_DIR "/tests/data/check/real"));
        const QStringList decks = real.entryList({QStringLiteral("*.wml")}, QDir::Files, QDir::Name);
        QVERIFY(decks.size() >= 20);
        for (const QString &name : decks)
            QTest::newRow(qPrintable(name)) << real.filePath(name);
    }
    void realDecksAcrossVersions()
    {
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        WmlDocument::Options options;
        options.actualEncoding = "UTF-8";
        const auto document = WmlDocument::parse(QString::fromUtf8(file.readAll()), options);
        QFile expectedFile(path.left(path.size() - 4) + QStringLiteral(".expected"));
        QStringList expected;
        if (expectedFile.open(QIODevice::ReadOnly)) {
            for (const QString &line : QString::fromUtf8(expectedFile.readAll()).split(QLatin1Char('\n'))) {
                if (line.contains(QLatin1String(": wml-")) || line.contains(QLatin1String(": device-")))
                    expected << line.trimmed();
            }
        }
        for (const WmlVersion version : {WmlVersion::Wml11, WmlVersion::Wml12, WmlVersion::Wml13}) {
            Checker::Options checkOptions;
            checkOptions.version = version;
            QCOMPARE(lines(Checker::check(*document, checkOptions)), expected);
        }
    }

    void megabyteDeckChecksQuickly()
    {
        QString body;
        for (int i = 0; body.size() < 1'000'000; ++i) {
            body += QStringLiteral("<card id=\"c%1\" title=\"$(t)\"><do type=\"accept\"><go href=\"#c%2\">"
                                   "<setvar name=\"v\" value=\"$v\"/></go></do><p>Price $$%1 for $(name:e) "
                                   "<a href=\"#c%1\">again</a><select name=\"s\"><option value=\"1\">1</option>"
                                   "</select></p></card>\n")
                        .arg(i)
                        .arg(i + 1);
        }
        body += QStringLiteral("<card id=\"c%1\"><p/></card>").arg(body.count(QLatin1String("<card")));
        const auto document = WmlDocument::parse(deck(body));
        QVERIFY(document->isWellFormed());
        QCOMPARE(lines(Checker::check(*document, Checker::Options())), QStringList{"3:1: warning: device-deck-size"});
        // These rules alone, the others timed elsewhere.
        QList<Diagnostic> diagnostics;
        const DeviceProfile device;
        const CheckContext context(*document, WmlVersion::Wml13, device, &diagnostics);
        QElapsedTimer timer;
        timer.start();
        for (const Checker::Rule &rule : Checker::rules()) {
            const QLatin1StringView id(rule.id);
            if (id.startsWith(QLatin1StringView("wml-")) || id.startsWith(QLatin1StringView("device-")))
                rule.run(context);
        }
        const qint64 elapsed = timer.elapsed();
        QCOMPARE(diagnostics.size(), 1);
        // Well under 100 ms in an optimised build; unoptimised code and the
        // sanitizers take some times longer.
#if defined(__SANITIZE_ADDRESS__)
        const qint64 budget = 4000;
#elif defined(NDEBUG)
        const qint64 budget = 250; // room for a busy machine
#else
        const qint64 budget = 1000;
#endif
        QVERIFY2(elapsed < budget, qPrintable(QStringLiteral("%1 ms").arg(elapsed)));
    }
};
TARNEL_TEST(DeckRulesTest)

#include "deckrulestest.moc"
