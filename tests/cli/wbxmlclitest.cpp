#include "testregistry.h"
#include "toolrun.h"

#include "common/documentfile.h"
#include "wml/wmldocument.h"

#include <QDirIterator>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

ToolRun wbxml(const QStringList &arguments)
{
    return ToolRun::of(QStringLiteral(TARNEL_WBXML), arguments);
}

// A deck as parsed XML, with what an independent decoder is known to
// spell or drop differently made alike: variables lose their conversion
// and form, no-break spaces go, white space runs together.
QString comparable(const WmlNode &node)
{
    static const QRegularExpression variable(QStringLiteral("\\$\\(([A-Za-z_][A-Za-z0-9_]*)(:[A-Za-z]+)?\\)"
                                                            "|\\$([A-Za-z_][A-Za-z0-9_]*)"));
    // That decoder writes a literal "$" as it is, not as "$$": variables
    // become {name} and the dollars that are left go.
    const auto normal = [](QString text) {
        text.replace(variable, QStringLiteral("{\\1\\3}"));
        text.remove(QLatin1Char('$'));
        text.remove(QChar(0x00A0));
        return text.simplified();
    };
    if (node.isText())
        return normal(node.text);
    QString out = QLatin1Char('<') + node.name;
    for (const WmlAttribute &attribute : node.attributes)
        out += QLatin1Char(' ') + attribute.name + QStringLiteral("=\"") + normal(attribute.value) + QLatin1Char('"');
    out += QLatin1Char('>');
    for (const WmlNode &child : node.children) {
        const QString part = comparable(child);
        if (!part.isEmpty())
            out += part + QLatin1Char('|');
    }
    return out;
}

QString comparableText(const QByteArray &xml)
{
    // Read as the tools read a page: in the set its declaration names.
    const auto document = WmlDocument::parse(DocumentFile::decode(xml).text);
    return document->isWellFormed() && document->root() ? comparable(*document->root()) : QStringLiteral("(broken)");
}

QStringList wellFormedDecks()
{
    QStringList decks;
    for (const QString &folder : {QStringLiteral(TARNEL_SOURCE_DIR "/data"), QStringLiteral(TARNEL_SOURCE_DIR "/samples"),
                                  QStringLiteral(TARNEL_SOURCE_DIR "/tests/data/check")}) {
        QDirIterator it(folder, {QStringLiteral("*.wml"), QStringLiteral("*.tem")}, QDir::Files,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            if (WmlDocument::parse(QString::fromUtf8(fileBytes(path)))->isWellFormed())
                decks << path;
        }
    }
    decks.sort();
    return decks;
}

} // namespace

// tarnel-wbxml as a site's build runs it, and its output read by an
// independent WBXML decoder.
class WbxmlCliTest : public QObject
{
    Q_OBJECT

private slots:
    void compilesDecompilesAndSizes()
    {
        QTemporaryDir folder;
        const QString deck = QStringLiteral(TARNEL_SOURCE_DIR "/data/form.tem");
        const QString compiled = folder.filePath(QStringLiteral("form.wmlc"));
        const ToolRun compile = wbxml({QStringLiteral("compile"), deck, QStringLiteral("-o"), compiled});
        QCOMPARE(compile.exitCode, 0);
        const QByteArray bytes = fileBytes(compiled);
        QVERIFY(bytes.startsWith(QByteArray::fromHex("030A6A")));
        QCOMPARE(wbxml({QStringLiteral("compile"), deck}).out, bytes);

        const ToolRun decompile = wbxml({QStringLiteral("decompile"), compiled});
        QCOMPARE(decompile.exitCode, 0);
        QCOMPARE(comparableText(decompile.out), comparableText(fileBytes(deck)));

        const ToolRun fits = wbxml({QStringLiteral("size"), deck});
        QCOMPARE(fits.exitCode, 0);
        QCOMPARE(fits.out, deck.toUtf8() + '\t' + QByteArray::number(bytes.size()) + "\t1400\tfits\n");
        const ToolRun tooLarge = wbxml({QStringLiteral("size"), QStringLiteral("--limit"), QStringLiteral("100"), deck});
        QCOMPARE(tooLarge.exitCode, 1);
        QVERIFY(tooLarge.out.endsWith("\ttoo large\n"));
        // A phone of devices.ini brings its own limit, by id or by name.
        const ToolRun phone = wbxml({QStringLiteral("size"), QStringLiteral("--device"), QStringLiteral("Nokia 7110"), deck});
        QCOMPARE(phone.out, deck.toUtf8() + '\t' + QByteArray::number(bytes.size()) + "\t1397\tfits\n");
        const ToolRun upBrowser = wbxml({QStringLiteral("size"), QStringLiteral("--device"), QStringLiteral("upbrowser32"), deck});
        QVERIFY(upBrowser.out.endsWith("\t1492\tfits\n"));
    }

    void badUsageBrokenDecksAndBrokenBytes()
    {
        QTemporaryDir folder;
        const QString broken = folder.filePath(QStringLiteral("broken.wml"));
        QFile file(broken);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<wml><card><p>a & b</p></card></wml>");
        file.close();
        QCOMPARE(wbxml({}).exitCode, 2);
        QCOMPARE(wbxml({QStringLiteral("frobnicate"), broken}).exitCode, 2);
        QCOMPARE(wbxml({QStringLiteral("size"), QStringLiteral("--limit"), QStringLiteral("many"), broken}).exitCode, 2);
        const ToolRun unknown = wbxml({QStringLiteral("size"), QStringLiteral("--device"), QStringLiteral("nonesuch"), broken});
        QCOMPARE(unknown.exitCode, 2);
        QVERIFY2(unknown.err.contains("nokia7110"), unknown.err.constData());
        QCOMPARE(wbxml({QStringLiteral("size"), QStringLiteral("--device"), QStringLiteral("generic"), QStringLiteral("--limit"),
                        QStringLiteral("9"), broken})
                     .exitCode,
                 2);
        QCOMPARE(wbxml({QStringLiteral("compile"), folder.filePath(QStringLiteral("missing.wml"))}).exitCode, 2);
        const ToolRun notWellFormed = wbxml({QStringLiteral("compile"), broken});
        QCOMPARE(notWellFormed.exitCode, 1);
        QVERIFY(notWellFormed.err.contains(":1:"));
        // A text file is no compiled deck.
        const ToolRun garbage = wbxml({QStringLiteral("decompile"), broken});
        QCOMPARE(garbage.exitCode, 1);
        QVERIFY(garbage.err.contains("error"));
    }

    void anIndependentDecoderReadsTheSameDecks_data()
    {
        QTest::addColumn<QString>("deck");
        for (const QString &path : wellFormedDecks())
            QTest::newRow(qPrintable(path.mid(qsizetype(qstrlen(TARNEL_SOURCE_DIR)) + 1))) << path;
    }
    void anIndependentDecoderReadsTheSameDecks()
    {
        QFETCH(QString, deck);
        const QString decoder = QStandardPaths::findExecutable(QStringLiteral("wbxml2xml"));
        if (decoder.isEmpty())
            QFAIL("wbxml2xml is missing: scripts/install-deps.sh installs libwbxml2-utils");
        QTemporaryDir folder;
        const QString compiled = folder.filePath(QStringLiteral("deck.wmlc"));
        const QString decoded = folder.filePath(QStringLiteral("deck.xml"));
        QCOMPARE(wbxml({QStringLiteral("compile"), deck, QStringLiteral("-o"), compiled}).exitCode, 0);
        const ToolRun read = ToolRun::of(decoder, {QStringLiteral("-o"), decoded, compiled});
        QVERIFY2(read.exitCode == 0, read.err.constData());
        QCOMPARE(comparableText(fileBytes(decoded)), comparableText(fileBytes(deck)));
    }
};
TARNEL_TEST(WbxmlCliTest)

#include "wbxmlclitest.moc"
