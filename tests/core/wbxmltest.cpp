// The WBXML encoder byte by byte, and the decoder: a compiled deck read
// back is the same deck, broken bytes give an error and never a crash.
#include "testregistry.h"

#include "wbxml/wbxmlreader.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include <QDir>
#include <QFile>
#include <QTest>

namespace {

const QString prologue13 = QStringLiteral("<?xml version=\"1.0\"?>\n<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML 1.3//EN\" "
                                          "\"http://www.wapforum.org/DTD/wml13.dtd\">\n");

QByteArray compiled(const QString &deck)
{
    return WbxmlWriter::encode(*WmlDocument::parse(deck));
}

QByteArray hex(const char *spaced)
{
    return QByteArray::fromHex(QByteArray(spaced).replace(' ', ""));
}

// A deck as a phone sees it: elements, attributes and text with white
// space run together, so that two spellings of one deck compare equal.
QString shape(const WmlNode &node)
{
    if (node.isText()) {
        // One spelling for each conversion of a variable.
        QString text = node.text.simplified();
        text.replace(QLatin1String(":e)"), QLatin1String(":escape)"));
        text.replace(QLatin1String(":u)"), QLatin1String(":unesc)"));
        text.replace(QLatin1String(":n)"), QLatin1String(":noesc)"));
        return text;
    }
    QString out = QLatin1Char('<') + node.name;
    for (const WmlAttribute &attribute : node.attributes)
        out += QLatin1Char(' ') + attribute.name + QStringLiteral("=\"") + attribute.value + QLatin1Char('"');
    out += QLatin1Char('>');
    for (const WmlNode &child : node.children) {
        const QString part = shape(child);
        if (!part.isEmpty())
            out += part + QLatin1Char('|');
    }
    return out + QStringLiteral("</") + node.name + QLatin1Char('>');
}

QString shapeOf(const QString &deck)
{
    const auto document = WmlDocument::parse(deck);
    return document->root() ? shape(*document->root()) : QString();
}

QString readUtf8(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

class WbxmlTest : public QObject
{
    Q_OBJECT

private slots:
    void encodesByteByByte_data()
    {
        QTest::addColumn<QString>("body");
        QTest::addColumn<QByteArray>("expected");
        // Header for WML 1.3: WBXML 1.3, public id 0x0A, UTF-8, then the table.
        QTest::newRow("tags, flags, attribute with a value prefix")
            << "<wml><card id=\"abc\" ordered=\"true\"><p>Hi</p></card></wml>"
            << hex("03 0A 6A 00  7F E7 55 03 616263 00 33 01 60 03 4869 00 01 01 01");
        QTest::newRow("empty element and attribute start prefixes")
            << "<wml><card><do type=\"accept\"><go href=\"http://a.org/\" method=\"post\"/></do></card></wml>"
            << hex("03 0A 6A 00  7F 67 E8 38 01 AB 4B 03 61 00 88 1C 01 01 01 01");
        QTest::newRow("variables in each conversion, $$ as one $")
            << "<wml><card><p>$(a) $b:$(c:e)$(d:unesc)$(f:n) $$5</p></card></wml>"
            << hex("03 0A 6A 00  7F 67 60 42 6100 03 20 00 42 6200 03 3A 00 40 6300 41 6400 42 6600 03 20 24 35 00"
                   " 01 01 01");
        QTest::newRow("a variable in an href is escaped by default")
            << "<wml><card><p><a href=\"x?q=$(q)\">go</a></p></card></wml>"
            << hex("03 0A 6A 00  7F 67 60 DC 4A 03 783F713D 00 40 7100 01 03 676F 00 01 01 01 01");
        QTest::newRow("white space run together outside pre, kept inside")
            << "<wml>\n  <card>\n    <p>a \n\t b</p><pre> x\n  y</pre>\n  </card>\n</wml>"
            << hex("03 0A 6A 00  7F 67 60 03 612062 00 01 5B 03 20780A202079 00 01 01 01");
        QTest::newRow("white space next to the tags of an element goes, between words one space stays")
            << "<wml><card><p>\n  Hi <b> there </b> you <br/>\n me\n <br/> </p><p> </p></card></wml>"
            << hex("03 0A 6A 00  7F 67 60 03 486920 00 64 03 7468657265 00 01 03 20796F75 00 26 03 6D65 00 26 01"
                   " 20 01 01");
        QTest::newRow("value tokens inside an attribute value")
            << "<wml><card><p><img src=\"pic.wbmp\" alt=\"x\"/><a href=\"http://www.shop.com/\">s</a></p></card></wml>"
            << hex("03 0A 6A 00  7F 67 60 AE 32 03 7069632E77626D70 00 0C 03 78 00 01"
                   " DC 4B A1 03 73686F70 00 85 01 03 73 00 01 01 01 01");
        QTest::newRow("a repeated string goes to the string table once")
            << "<wml><card><p>hello world</p><p>hello world</p><p>hello world</p></card></wml>"
            << hex("03 0A 6A 0C 68656C6C6F20776F726C64 00  7F 67 60 83 00 01 60 83 00 01 60 83 00 01 01 01");
        QTest::newRow("unknown element as a literal from the table")
            << "<wml><card><p><blink>x</blink></p></card></wml>"
            << hex("03 0A 6A 06 626C696E6B 00  7F 67 60 44 00 03 78 00 01 01 01 01");
    }
    void encodesByteByByte()
    {
        QFETCH(QString, body);
        QFETCH(QByteArray, expected);
        QCOMPARE(compiled(prologue13 + body).toHex(' '), expected.toHex(' '));
    }

    void headerFollowsTheDecksVersion_data()
    {
        QTest::addColumn<QString>("version");
        QTest::addColumn<QByteArray>("header");
        QTest::newRow("1.1") << "1.1" << hex("01 04 6A");
        QTest::newRow("1.2") << "1.2" << hex("02 09 6A");
        QTest::newRow("1.3") << "1.3" << hex("03 0A 6A");
    }
    void headerFollowsTheDecksVersion()
    {
        QFETCH(QString, version);
        QFETCH(QByteArray, header);
        const QString deck = QStringLiteral("<!DOCTYPE wml PUBLIC \"-//WAPFORUM//DTD WML %1//EN\" \"x\"><wml><card/></wml>")
                                 .arg(version);
        QVERIFY(compiled(deck).startsWith(header));
    }

    // The example deck of WML 1.1, 14.4, as its tokens are printed there.
    void readsTheStandardsExample()
    {
        const QByteArray bytes
            = hex("01 04 6A 04 58 00 59 00 7F E7 55 03 616263 00 33 01 60 E8 38 01 AB 4B 03 78797A 00 88 03 73 00 01"
                  " 01 03 20583A20 00 82 00 26 03 20593A20 00 82 02 26 03 20456E746572206E616D653A20 00 AF 48 21 03 4E"
                  " 00 01 01 01 01");
        const WbxmlReader::Result result = WbxmlReader::decode(bytes);
        QVERIFY2(result.ok, qPrintable(result.error));
        QCOMPARE(shapeOf(result.text),
                 shapeOf(QStringLiteral("<wml><card id=\"abc\" ordered=\"true\"><p><do type=\"accept\">"
                                        "<go href=\"http://xyz.org/s\"/></do> X: $(X)<br/> Y: $(Y)<br/> "
                                        "Enter name: <input type=\"text\" name=\"N\"/></p></card></wml>")));
    }

    void roundTripKeepsEveryShippedDeck_data()
    {
        QTest::addColumn<QString>("deck");
        const QDir data(QStringLiteral(TARNEL_SOURCE_DIR "/data"));
        for (const QString &name : data.entryList({QStringLiteral("*.tem")}, QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << readUtf8(data.filePath(name));
        QTest::newRow("welcome") << readUtf8(QStringLiteral(TARNEL_SOURCE_DIR "/samples/welcome.wml"));
        QTest::newRow("variables, entities and literals")
            << prologue13 + "<wml><card id=\"c\" title=\"Price $$5 &amp; more\"><p>&nbsp;$(n:e)&lt;&#169;<blink a=\"1\"/>"
                            "</p><p><a href=\"http://www.x.com/?v=$(v)\">A &quot;link&quot;</a></p></card></wml>";
    }
    void roundTripKeepsEveryShippedDeck()
    {
        QFETCH(QString, deck);
        QVERIFY(WmlDocument::parse(deck)->isWellFormed());
        const WbxmlReader::Result result = WbxmlReader::decode(compiled(deck));
        QVERIFY2(result.ok, qPrintable(result.error));
        QVERIFY(WmlDocument::parse(result.text)->isWellFormed());
        QCOMPARE(shapeOf(result.text), shapeOf(deck));
    }

    void brokenBytesGiveAnError()
    {
        const QByteArray good = compiled(readUtf8(QStringLiteral(TARNEL_SOURCE_DIR "/data/form.tem")));
        QVERIFY(WbxmlReader::decode(good).ok);
        // Every truncation, and every single byte changed to 0xFF.
        for (qsizetype length = 0; length < good.size(); ++length)
            QVERIFY(!WbxmlReader::decode(good.left(length)).ok);
        for (qsizetype at = 0; at < good.size(); ++at) {
            QByteArray changed = good;
            changed[at] = char(0xFF);
            const WbxmlReader::Result result = WbxmlReader::decode(changed);
            QVERIFY(result.ok || !result.error.isEmpty());
        }
        QVERIFY(!WbxmlReader::decode(hex("03 0A 6A 7F")).ok);             // table longer than the file
        QVERIFY(!WbxmlReader::decode(hex("03 0A 6A 00 7F 83 05 01")).ok); // reference past the table
        QByteArray deep = hex("03 0A 6A 00");
        deep += QByteArray(100000, char(0x60));
        QVERIFY(!WbxmlReader::decode(deep).ok);
    }
};
TARNEL_TEST(WbxmlTest)

#include "wbxmltest.moc"
