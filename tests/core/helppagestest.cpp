// The help pages in HELP: every link and anchor leads somewhere, every WML
// element has its page, the contents page reaches every page, the pages use
// only what the help window can show, and each element page describes the
// attributes that the tag list offers for completion.
#include "testregistry.h"

#include "common/inifile.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>
#include <QSet>
#include <QStringDecoder>
#include <QTest>

namespace {

const QString helpFolder = QStringLiteral(TARNEL_SOURCE_DIR "/HELP");
const QString tagListFile = QStringLiteral(TARNEL_SOURCE_DIR "/data/check.ini");
const QString contentsPage = QStringLiteral("content.htm");

// Every element of WML 1.3, as it is written after "<".
const QStringList &wmlElements()
{
    static const QStringList names = {
        QStringLiteral("a"),        QStringLiteral("access"),   QStringLiteral("anchor"),  QStringLiteral("b"),
        QStringLiteral("big"),      QStringLiteral("br"),       QStringLiteral("card"),    QStringLiteral("do"),
        QStringLiteral("em"),       QStringLiteral("fieldset"), QStringLiteral("go"),      QStringLiteral("head"),
        QStringLiteral("i"),        QStringLiteral("img"),      QStringLiteral("input"),   QStringLiteral("meta"),
        QStringLiteral("noop"),     QStringLiteral("onevent"),  QStringLiteral("optgroup"), QStringLiteral("option"),
        QStringLiteral("p"),        QStringLiteral("postfield"), QStringLiteral("pre"),    QStringLiteral("prev"),
        QStringLiteral("refresh"),  QStringLiteral("select"),   QStringLiteral("setvar"),  QStringLiteral("small"),
        QStringLiteral("strong"),   QStringLiteral("table"),    QStringLiteral("td"),      QStringLiteral("template"),
        QStringLiteral("timer"),    QStringLiteral("tr"),       QStringLiteral("u"),       QStringLiteral("wml"),
    };
    return names;
}

struct Tag
{
    QString name; // lower case
    QHash<QString, QString> attributes; // names in lower case
};

struct Page
{
    QString text;
    bool validUtf8 = false;
    QList<Tag> tags; // outside comments, in page order
};

QString withoutComments(QString text)
{
    static const QRegularExpression comment(QStringLiteral("<!--.*?-->"),
                                            QRegularExpression::DotMatchesEverythingOption);
    return text.remove(comment);
}

QList<Tag> tagsOf(const QString &text)
{
    static const QRegularExpression tagPattern(QStringLiteral("<([A-Za-z][A-Za-z0-9]*)([^<>]*)>"));
    static const QRegularExpression attributePattern(
        QStringLiteral("([A-Za-z_:][-A-Za-z0-9_:.]*)\\s*=\\s*(?:\"([^\"]*)\"|'([^']*)'|([^\\s\"'>]+))"));
    QList<Tag> tags;
    for (auto match = tagPattern.globalMatch(withoutComments(text)); match.hasNext();) {
        const QRegularExpressionMatch found = match.next();
        Tag tag;
        tag.name = found.captured(1).toLower();
        for (auto attribute = attributePattern.globalMatch(found.captured(2)); attribute.hasNext();) {
            const QRegularExpressionMatch pair = attribute.next();
            QString value = pair.captured(2);
            if (pair.capturedStart(3) >= 0)
                value = pair.captured(3);
            else if (pair.capturedStart(4) >= 0)
                value = pair.captured(4);
            tag.attributes.insert(pair.captured(1).toLower(), value.replace(QLatin1String("&amp;"), QLatin1String("&")));
        }
        tags.append(tag);
    }
    return tags;
}

// The pages, read once. File names keep their case: the help window runs on
// file systems that tell "Card.htm" from "card.htm".
const QHash<QString, Page> &pages()
{
    static const QHash<QString, Page> all = [] {
        QHash<QString, Page> read;
        const QDir folder(helpFolder);
        for (const QString &name : folder.entryList(QDir::Files, QDir::Name)) {
            if (!name.endsWith(QLatin1String(".htm")))
                continue;
            QFile file(folder.filePath(name));
            if (!file.open(QIODevice::ReadOnly))
                continue;
            QStringDecoder decoder(QStringDecoder::Utf8);
            Page page;
            page.text = decoder.decode(file.readAll());
            page.validUtf8 = !decoder.hasError();
            page.tags = tagsOf(page.text);
            read.insert(name, page);
        }
        return read;
    }();
    return all;
}

QStringList pageNames()
{
    QStringList names = pages().keys();
    names.sort();
    return names;
}

QStringList anchorsOf(const Page &page)
{
    QStringList anchors;
    for (const Tag &tag : page.tags) {
        if (tag.attributes.contains(QStringLiteral("id")))
            anchors.append(tag.attributes.value(QStringLiteral("id")));
        if (tag.name == QLatin1String("a") && tag.attributes.contains(QStringLiteral("name")))
            anchors.append(tag.attributes.value(QStringLiteral("name")));
    }
    return anchors;
}

QStringList hrefsOf(const Page &page)
{
    QStringList hrefs;
    for (const Tag &tag : page.tags) {
        if (tag.attributes.contains(QStringLiteral("href")))
            hrefs.append(tag.attributes.value(QStringLiteral("href")));
    }
    return hrefs;
}

bool isExternal(const QString &href)
{
    return href.startsWith(QLatin1String("http:")) || href.startsWith(QLatin1String("https:"))
        || href.startsWith(QLatin1String("mailto:"));
}

// The page a link of page `from` leads to, or an empty string for links
// that leave the help.
QString targetPage(const QString &from, const QString &href)
{
    const QString file = href.section(QLatin1Char('#'), 0, 0);
    return file.isEmpty() ? from : file;
}

// The rows of the attribute table of an element page, by attribute name:
// the cells of each row.
QHash<QString, QStringList> attributeRows(const QString &text)
{
    QHash<QString, QStringList> rows;
    const int start = text.indexOf(QLatin1String("id=\"attributes\""));
    if (start < 0)
        return rows;
    const int end = text.indexOf(QLatin1String("<h2"), start);
    const QString section = text.mid(start, end < 0 ? -1 : end - start);
    static const QRegularExpression rowPattern(QStringLiteral("<tr>(.*?)</tr>"),
                                               QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression cellPattern(QStringLiteral("<td[^>]*>(.*?)</td>"),
                                                QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression namePattern(QStringLiteral("^\\s*<code>([^<]+)</code>\\s*$"));
    for (auto row = rowPattern.globalMatch(section); row.hasNext();) {
        QStringList cells;
        for (auto cell = cellPattern.globalMatch(row.next().captured(1)); cell.hasNext();)
            cells.append(cell.next().captured(1));
        if (cells.isEmpty())
            continue;
        const QRegularExpressionMatch name = namePattern.match(cells.first());
        if (name.hasMatch())
            rows.insert(name.captured(1), cells);
    }
    return rows;
}

void addPageRows(bool withContents = true)
{
    QTest::addColumn<QString>("page");
    for (const QString &name : pageNames()) {
        if (withContents || name != contentsPage)
            QTest::newRow(qPrintable(name)) << name;
    }
}

} // namespace

class HelpPagesTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(!pages().isEmpty(), qPrintable(QStringLiteral("no pages in ") + helpFolder));
    }

    // Context help opens HELP/<tag>.htm, so each element needs a page of
    // exactly that name, with its attributes and an example.
    void everyElementHasItsPage_data()
    {
        QTest::addColumn<QString>("element");
        for (const QString &element : wmlElements())
            QTest::newRow(qPrintable(element)) << element;
    }
    void everyElementHasItsPage()
    {
        QFETCH(QString, element);
        const QString name = element + QStringLiteral(".htm");
        QVERIFY2(pages().contains(name), qPrintable(QStringLiteral("missing ") + name));
        const Page &page = pages()[name];
        QVERIFY2(anchorsOf(page).contains(QStringLiteral("attributes")), "no attributes section");
        QVERIFY2(page.text.contains(QLatin1String("<pre")), "no example");
    }

    void linksAndAnchorsResolve_data() { addPageRows(); }
    void linksAndAnchorsResolve()
    {
        QFETCH(QString, page);
        QStringList problems;
        for (const QString &href : hrefsOf(pages()[page])) {
            if (isExternal(href))
                continue;
            if (href.isEmpty() || href == QLatin1String("#")) {
                problems.append(QStringLiteral("empty link \"%1\"").arg(href));
                continue;
            }
            const QString target = targetPage(page, href);
            if (target.contains(QLatin1Char(':')) || target.contains(QLatin1Char('/'))
                || target.contains(QLatin1Char('\\'))) {
                problems.append(QStringLiteral("%1 leaves the help folder").arg(href));
                continue;
            }
            if (!pages().contains(target)) {
                problems.append(QStringLiteral("%1: no page %2").arg(href, target));
                continue;
            }
            const QString anchor = href.section(QLatin1Char('#'), 1);
            if (href.contains(QLatin1Char('#')) && !anchorsOf(pages()[target]).contains(anchor))
                problems.append(QStringLiteral("%1: no anchor \"%2\" in %3").arg(href, anchor, target));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    void contentsReachEveryPage()
    {
        QVERIFY(pages().contains(contentsPage));
        QSet<QString> linked;
        for (const QString &href : hrefsOf(pages()[contentsPage])) {
            if (!isExternal(href))
                linked.insert(targetPage(contentsPage, href));
        }
        QStringList unreached;
        for (const QString &name : pageNames()) {
            if (name != contentsPage && !linked.contains(name))
                unreached.append(name);
        }
        QVERIFY2(unreached.isEmpty(), qPrintable(QStringLiteral("not linked from the contents: ")
                                                 + unreached.join(QStringLiteral(", "))));
    }

    void everyPageLeadsBackToTheContents_data() { addPageRows(false); }
    void everyPageLeadsBackToTheContents()
    {
        QFETCH(QString, page);
        QVERIFY2(hrefsOf(pages()[page]).contains(contentsPage), "no link to content.htm");
    }

    // The help window is a plain HTML viewer: no scripts, no pictures, no
    // style sheets of other files, and the page says how it is encoded.
    // Examples in <pre> are escaped WML, so no markup may stand inside.
    void pagesSuitTheHelpViewer_data() { addPageRows(); }
    void pagesSuitTheHelpViewer()
    {
        QFETCH(QString, page);
        const Page &help = pages()[page];
        QVERIFY2(help.validUtf8, "not valid UTF-8");

        QStringList problems;
        bool declaresUtf8 = false;
        static const QSet<QString> forbidden = {QStringLiteral("script"), QStringLiteral("img"),
                                                QStringLiteral("link"),   QStringLiteral("style"),
                                                QStringLiteral("object"), QStringLiteral("embed"),
                                                QStringLiteral("iframe"), QStringLiteral("frame")};
        for (const Tag &tag : help.tags) {
            if (tag.name == QLatin1String("meta")
                && (tag.attributes.value(QStringLiteral("charset")).compare(QLatin1String("utf-8"), Qt::CaseInsensitive) == 0
                    || tag.attributes.value(QStringLiteral("content")).contains(QLatin1String("charset=utf-8"), Qt::CaseInsensitive)))
                declaresUtf8 = true;
            if (forbidden.contains(tag.name))
                problems.append(QStringLiteral("<%1> element").arg(tag.name));
            if (tag.attributes.contains(QStringLiteral("src")) || tag.attributes.contains(QStringLiteral("background")))
                problems.append(QStringLiteral("<%1> loads a file").arg(tag.name));
            for (auto attribute = tag.attributes.cbegin(); attribute != tag.attributes.cend(); ++attribute) {
                if (attribute.key().startsWith(QLatin1String("on")))
                    problems.append(QStringLiteral("<%1 %2> script").arg(tag.name, attribute.key()));
            }
        }
        if (!declaresUtf8)
            problems.append(QStringLiteral("no <meta charset=\"utf-8\">"));

        static const QRegularExpression titlePattern(QStringLiteral("<title>\\s*([^<\\s][^<]*)</title>"));
        if (!titlePattern.match(help.text).hasMatch())
            problems.append(QStringLiteral("no title"));

        QSet<QString> seen;
        for (const QString &anchor : anchorsOf(help)) {
            if (seen.contains(anchor))
                problems.append(QStringLiteral("anchor \"%1\" twice").arg(anchor));
            seen.insert(anchor);
        }

        static const QRegularExpression prePattern(QStringLiteral("<pre[^>]*>(.*?)</pre>"),
                                                   QRegularExpression::DotMatchesEverythingOption);
        int blocks = 0;
        for (auto block = prePattern.globalMatch(help.text); block.hasNext(); ++blocks) {
            const QString example = block.next().captured(1);
            if (example.contains(QLatin1Char('<')))
                problems.append(QStringLiteral("unescaped markup in <pre>: ")
                                + example.mid(example.indexOf(QLatin1Char('<')), 40));
        }
        if (blocks != help.text.count(QLatin1String("<pre")))
            problems.append(QStringLiteral("a <pre> without its end tag"));

        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }

    // Ctrl+J offers the attributes of data/check.ini; the element's help
    // page must explain each of them and mark the same ones as required.
    void elementPagesDescribeTheTagList_data()
    {
        QTest::addColumn<QString>("element");
        QTest::addColumn<QString>("items");
        const IniFile tagList = IniFile::load(tagListFile);
        const QStringList keys = tagList.keys(QStringLiteral("tags"));
        QVERIFY2(!keys.isEmpty(), qPrintable(QStringLiteral("no [tags] in ") + tagListFile));
        for (const QString &key : keys)
            QTest::newRow(qPrintable(key)) << key << tagList.value(QStringLiteral("tags"), key);
    }
    void elementPagesDescribeTheTagList()
    {
        QFETCH(QString, element);
        QFETCH(QString, items);
        const QString name = element + QStringLiteral(".htm");
        QVERIFY2(pages().contains(name), qPrintable(QStringLiteral("missing ") + name));
        const QHash<QString, QStringList> rows = attributeRows(pages()[name].text);

        QStringList problems;
        QStringList attributes = items.split(QLatin1Char('|'), Qt::SkipEmptyParts);
        attributes.removeFirst(); // the element's own word
        for (const QString &item : attributes) {
            const QString attribute = item.section(QLatin1Char('='), 0, 0).trimmed();
            const bool required = item.trimmed().endsWith(QLatin1Char('#'));
            if (!rows.contains(attribute)) {
                problems.append(QStringLiteral("%1 is not in the attribute table").arg(attribute));
                continue;
            }
            const QStringList &cells = rows[attribute];
            const bool markedRequired = cells.size() > 2 && cells.at(2).contains(QLatin1String("required"));
            if (markedRequired != required)
                problems.append(QStringLiteral("%1 is %2 in the tag list but %3 on the page")
                                    .arg(attribute, required ? QStringLiteral("required") : QStringLiteral("optional"),
                                         markedRequired ? QStringLiteral("required") : QStringLiteral("optional")));
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
    }
};

TARNEL_TEST(HelpPagesTest)
#include "helppagestest.moc"
