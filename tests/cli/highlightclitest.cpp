#include "testregistry.h"
#include "toolrun.h"

#include "common/documentfile.h"
#include "common/linebreaks.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString goldenFolder = QStringLiteral(TARNEL_SOURCE_DIR "/tests/data/highlight");

using Outcome = ToolRun;

Outcome highlight(const QStringList &arguments)
{
    return ToolRun::of(QStringLiteral(TARNEL_HIGHLIGHT), arguments);
}

QByteArray readFile(const QString &path)
{
    return fileBytes(path);
}

QString unescaped(QString html)
{
    html.replace(QLatin1String("&lt;"), QLatin1String("<"));
    html.replace(QLatin1String("&gt;"), QLatin1String(">"));
    html.replace(QLatin1String("&quot;"), QLatin1String("\""));
    html.replace(QLatin1String("&amp;"), QLatin1String("&"));
    return html;
}

} // namespace

// tarnel-highlight as a page author runs it.
class HighlightCliTest : public QObject
{
    Q_OBJECT

private slots:
    void runsMatchTheGoldenFiles_data()
    {
        QTest::addColumn<QString>("page");
        const QStringList pages = QDir(goldenFolder).entryList({QStringLiteral("*.wml")}, QDir::Files);
        QVERIFY(pages.size() >= 4);
        for (const QString &page : pages)
            QTest::newRow(qPrintable(page)) << goldenFolder + QLatin1Char('/') + page;
    }
    void runsMatchTheGoldenFiles()
    {
        QFETCH(QString, page);
        const Outcome outcome = highlight({QStringLiteral("--runs"), page});
        QCOMPARE(outcome.exitCode, 0);
        QCOMPARE(outcome.err, QByteArray());
        // After a deliberate change: scripts/regenerate-highlight-golden.sh.
        QCOMPARE(outcome.out, readFile(page.chopped(4) + QLatin1String(".runs")));
    }

    // The page holds the whole text, split into the same runs as --runs.
    void pageShowsTheTextInRuns()
    {
        const QString page = goldenFolder + QLatin1String("/deck.wml");
        const Outcome html = highlight({page});
        const Outcome runs = highlight({QStringLiteral("--runs"), page});
        QCOMPARE(html.exitCode, 0);
        const QString text = QString::fromUtf8(html.out);
        QVERIFY(text.startsWith(QLatin1String("<!DOCTYPE html>")));
        QVERIFY(text.contains(QLatin1String("<title>deck.wml</title>")));
        for (const char *name : {"Bracket", "DefaultText", "HtmlKeyword", "HtmlTag", "HtmlComment", "HtmlAttribute",
                                 "HtmlAttributeValue", "ScriptTag", "ScriptContent", "UnknownTag"})
            QVERIFY2(text.contains(QLatin1Char('.') + QLatin1String(name) + QLatin1String(" { color: #")), name);

        const qsizetype open = text.indexOf(QLatin1String("<pre>"));
        const qsizetype close = text.indexOf(QLatin1String("</pre>"));
        QVERIFY(open > 0 && close > open);
        const QString pre = text.mid(open + 5, close - open - 5);
        static const QRegularExpression span(QStringLiteral("<span class=\"(\\w+)\">([^<]*)</span>"));
        QStringList spanClasses;
        QString shown;
        qsizetype at = 0;
        for (const QRegularExpressionMatch &match : span.globalMatch(pre)) {
            shown += pre.mid(at, match.capturedStart() - at); // line breaks between spans
            shown += unescaped(match.captured(2));
            spanClasses << match.captured(1);
            at = match.capturedEnd();
        }
        shown += pre.mid(at);
        QCOMPARE(shown, LineBreaks::split(DocumentFile::load(page).text).join(QLatin1Char('\n')));

        QStringList runClasses;
        for (const QByteArray &line : runs.out.split('\n')) {
            if (!line.isEmpty())
                runClasses << QString::fromLatin1(line.split('\t').value(3));
        }
        QCOMPARE(spanClasses, runClasses);
    }

    void badUsageOrFilesFail_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        const QString page = goldenFolder + QLatin1String("/examples.wml");
        QTest::newRow("no file") << QStringList() << 2 << "Expected exactly one file.";
        QTest::newRow("two files") << QStringList{page, page} << 2 << "Expected exactly one file.";
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--colour"), page} << 2 << "Unknown option";
        QTest::newRow("missing file") << QStringList{QStringLiteral("/no/such/page.wml")} << 1
                                      << "Cannot open file /no/such/page.wml.";
        QTest::newRow("folder") << QStringList{QStringLiteral("--runs"), goldenFolder} << 1 << "Cannot open file";
    }
    void badUsageOrFilesFail()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        const Outcome outcome = highlight(arguments);
        QCOMPARE(outcome.exitCode, exitCode);
        QVERIFY2(outcome.err.contains(message.toUtf8()), outcome.err.constData());
        QCOMPARE(outcome.out, QByteArray());
    }

    // Every byte value, NULs and stray breaks: the runs still tile each
    // line the loader makes of it, and the page is written.
    void binaryInputIsColouredWhole()
    {
        QByteArray bytes;
        for (int round = 0; round < 8; ++round) {
            for (int b = 0; b < 256; ++b)
                bytes += char((b * 37 + round * 11) & 0xFF);
            bytes += QByteArray("<a b=\"\0<!--\r", 12);
        }
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("binary.wml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        const Outcome runs = highlight({QStringLiteral("--runs"), path});
        QCOMPARE(runs.exitCode, 0);
        const QStringList lines = LineBreaks::split(DocumentFile::decode(bytes).text);
        std::vector<int> covered(size_t(lines.size()), 0);
        for (const QByteArray &row : runs.out.split('\n')) {
            if (row.isEmpty())
                continue;
            const QList<QByteArray> fields = row.split('\t');
            QCOMPARE(fields.size(), 4);
            const int line = fields[0].toInt();
            QVERIFY(line >= 0 && line < lines.size());
            QCOMPARE(fields[1].toInt(), covered[size_t(line)]);
            QVERIFY(fields[2].toInt() > 0);
            covered[size_t(line)] += fields[2].toInt();
        }
        for (int line = 0; line < lines.size(); ++line)
            QCOMPARE(covered[size_t(line)], int(lines[line].toUcs4().size()));

        const Outcome page = highlight({path});
        QCOMPARE(page.exitCode, 0);
        QVERIFY(page.out.endsWith("</pre>\n</body>\n</html>\n"));
        QVERIFY(!page.out.contains('\0'));
    }
};
TARNEL_TEST(HighlightCliTest)
#include "highlightclitest.moc"
