#include "programfolderfixture.h"
#include "testregistry.h"

#include "cardmodel/cardmodel.h"
#include "cardmodel/cardparser.h"
#include "common/tarnelerror.h"
#include "editor/plaintextbuffer.h"
#include "preview/colortext.h"
#include "preview/deviceskin.h"
#include "preview/previewhtml.h"
#include "preview/picturereference.h"
#include "preview/previewimages.h"
#include "preview/previewpages.h"
#include "preview/previewroad.h"

#include <QCryptographicHash>
#include <QDir>
#include <QImage>
#include <QPalette>
#include <QTest>

namespace {

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const TarnelError &error) {
        return error.text();
    }
    return QString();
}

QString pageText(const QString &path)
{
    return QString::fromUtf8(ProgramFolderFixture::read(path));
}

QByteArray wbmp8x1(int byte)
{
    return QByteArray::fromHex("00000801") + QByteArray(1, char(byte));
}

} // namespace

// Colour texts, the skin file, the card pages and the image scan.
class PreviewTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { m_folder = std::make_unique<ProgramFolderFixture>(); }
    void cleanup() { m_folder.reset(); }

    void colourTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("hex") << "#7FAF90" << QColor(127, 175, 144);
        QTest::newRow("hex lower case") << "#ff0000" << QColor(255, 0, 0);
        QTest::newRow("basic name") << "white" << QColor(255, 255, 255);
        QTest::newRow("name in any case") << "SiLvEr" << QColor(192, 192, 192);
        QTest::newRow("with cl") << "Navy" << QColor(0, 0, 128);
        QTest::newRow("fuchsia") << "Fuchsia" << QColor(255, 0, 255);
    }
    void colourTexts()
    {
        QFETCH(QString, text);
        QFETCH(QColor, colour);
        QCOMPARE(ColorText::ColorFromText(text), colour);
    }

    void colourTextsThatFail_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown name") << "Mauve" << "'clMauve' is not a valid integer value";
        QTest::newRow("empty") << "" << "'cl' is not a valid integer value";
        QTest::newRow("bad pair") << "#GG0000" << "'$GG' is not a valid integer value";
        QTest::newRow("short") << "#FFF" << "'$' is not a valid integer value";
        QTest::newRow("number") << "255" << "'cl255' is not a valid integer value";
    }
    void colourTextsThatFail()
    {
        QFETCH(QString, text);
        QFETCH(QString, message);
        QCOMPARE(errorOf([&] { ColorText::ColorFromText(text); }), message);
    }

    void systemColoursAndNone()
    {
        QCOMPARE(ColorText::ColorFromText(QStringLiteral("Window")), QPalette().color(QPalette::Base));
        QCOMPARE(ColorText::ColorFromText(QStringLiteral("btnface")), QPalette().color(QPalette::Button));
        QVERIFY(!ColorText::ColorFromText(QStringLiteral("None")).isValid());
    }

    void deviceListAndDevices()
    {
        QFile::remove(SkinList::skinFile());
        QCOMPARE(SkinList::deviceNames(), QStringList{"normal"});
        m_folder->write(QStringLiteral("skins/skins.ini"),
                        "[Phones]\n1=DeviceA\n2=\n3=Device B\n[devicea]\nbmp=a.png\nleft=24\nwidth=130\n"
                        "size=x\ntitletype=bold\ncolor=#FF0000\n");
        QCOMPARE(SkinList::deviceNames(), (QStringList{"normal", "DeviceA", "Device B"}));
        const DeviceSkin skin = DeviceSkin::read(QStringLiteral("DeviceA"));
        QCOMPARE(skin.picture, QStringLiteral("a.png"));
        QCOMPARE(skin.left, 24);
        QCOMPARE(skin.width, 130);
        QCOMPARE(skin.size, 8); // malformed: the default
        QCOMPARE(skin.font, QStringLiteral("Arial"));
        QCOMPARE(skin.titleColor, QStringLiteral("#7FAF90"));
        QVERIFY(skin.boldTitle());
        QVERIFY(!DeviceSkin{.titleType = QStringLiteral("heavy")}.boldTitle());
        QVERIFY(SkinList::isPlainView(QStringLiteral("NORMAL")));
    }

    void pagesOfTwoCards()
    {
        CardModel model;
        CardParser::SplitCards(model, QStringLiteral(
            "<wml><card id=\"main\" title=\"Main\">\r\n<p>Hello</p>\r\n<p><a href=\"#card2\">Next</a></p>\r\n"
            "<p><img src=\"logo.WBMP\" alt=\"L\"/><br/><br />\r\n<select name=\"s\"><option value=\"1\">One</option>"
            "</select></p>\r\n<do type=\"accept\" label=\"Go\"><go href=\"#c\"><postfield name=\"n\" value=\"v\"/>"
            "</go></do>\r\n<!-- note -->\r\n</card><card>\r\n<p>Two</p>\r\n</card></wml>"));
        PlainTextBuffer buffer;
        const QString folder = m_folder->file(QStringLiteral("temp"));
        const PreviewPages::Result result = PreviewPages::BuildPreviewPages(model, folder, buffer);
        QCOMPARE(result.cardNames, (QStringList{"main", "Card2"}));
        QCOMPARE(result.firstPage, QDir(folder).filePath(QStringLiteral("main.htm")));
        QCOMPARE(pageText(result.firstPage),
                 QStringLiteral("<html>\r\n<body>\r\n<p>Hello</p>\r\n<a href=\"#card2\">Next</a>\r\n"
                                "<img src=\"logo.bmp\">\r\n<br>\r\n<br />\r\n"
                                "<input type=\"radio\" name=\"tarnel\">&nbsp;One<br>\r\n"
                                "<input type=\"submit\" value=\"Go\">\r\n"
                                "<input type=\"text\" value=\"v\">\r\n</go>\r\n<!-- note -->\r\n</body>\r\n</html>\r\n"));
        QCOMPARE(pageText(QDir(folder).filePath(QStringLiteral("Card2.htm"))),
                 QStringLiteral("<html>\r\n<body>\r\n<p>Two</p>\r\n</body>\r\n</html>\r\n"));
    }

    void documentWithoutCardsGivesOneEmptyPage()
    {
        CardModel model;
        CardParser::SplitCards(model, QStringLiteral("<wml></wml>"));
        PlainTextBuffer buffer;
        const PreviewPages::Result result
            = PreviewPages::BuildPreviewPages(model, m_folder->file(QStringLiteral("temp")), buffer);
        QVERIFY(result.cardNames.isEmpty());
        QCOMPARE(QFileInfo(result.firstPage).fileName(), QStringLiteral(".htm"));
        QCOMPARE(pageText(result.firstPage), QStringLiteral("<html>\r\n<body>\r\n</body>\r\n</html>\r\n"));
    }

    void lineValuesAreCutAtTheNextEquals()
    {
        const QStringList list{"a", "a", "href=\"page.wml?a=1\""};
        QCOMPARE(PreviewPages::elementLine(QStringLiteral("a"), &list, QStringLiteral("Go")),
                 QStringLiteral("<a href=\"page.wml?a\">Go</a>"));
        QCOMPARE(PreviewPages::elementLine(QString(), nullptr, QStringLiteral("</select>")), QString());
        QCOMPARE(PreviewPages::elementLine(QString(), nullptr, QStringLiteral("<img src=\"x.Wbmp\"/>")),
                 QStringLiteral("<img src=\"x.bmp\"/>"));
    }

    void pageNamesStayInTheirFolder_data()
    {
        QTest::addColumn<QString>("card");
        QTest::addColumn<QString>("file");
        QTest::newRow("plain") << "main" << "main.htm";
        QTest::newRow("dots only") << "a..b" << "a..b.htm";
        QTest::newRow("parent folder") << "../../etc/x" << ".._.._etc_x.htm";
        QTest::newRow("absolute") << "/tmp/x" << "_tmp_x.htm";
        QTest::newRow("drive") << "C:\\x" << "C__x.htm";
    }
    void pageNamesStayInTheirFolder()
    {
        QFETCH(QString, card);
        QFETCH(QString, file);
        QCOMPARE(PreviewPages::pageFileName(card), file);
    }

    void imageScanDecodesWhatThePageRefersTo()
    {
        const QString site = m_folder->file(QStringLiteral("site"));
        const QString temp = m_folder->file(QStringLiteral("temp"));
        QDir().mkpath(temp);
        m_folder->write(QStringLiteral("site/pics/logo.wbmp"), wbmp8x1(165));
        m_folder->write(QStringLiteral("site/LOGO.WBMP"), wbmp8x1(255));
        m_folder->write(QStringLiteral("secret.wbmp"), wbmp8x1(0));
        PreviewImages::scan(QStringLiteral("<img src=\"pics/logo.wbmp\"/> <img src=\"LOGO.WBMP\"/>\r\n"
                                           "<img src=\"photo.bmp\"/> <img src=\"../secret.wbmp\"/>"
                                           "<img src=\"") + m_folder->file(QStringLiteral("secret.wbmp"))
                                + QStringLiteral("\"/>"),
                            site, temp, QColor(255, 0, 0));
        const QImage copy(QDir(temp).filePath(QStringLiteral("pics/logo.bmp")));
        QCOMPARE(copy.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(copy.pixel(1, 0), qRgb(0, 0, 0));
        // An extension in capitals is not turned into ".bmp", so the scan does
        // not see it; a plain BMP reference has no WBMP to decode; references
        // out of the folder are decoded into safe names inside the page folder.
        QStringList written;
        for (const QFileInfo &entry : QDir(temp).entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
            written << entry.fileName();
        QCOMPARE(written, (QStringList{"outside", "pics"}));
        for (const QString &reference : {QStringLiteral("../secret.bmp"), m_folder->file(QStringLiteral("secret.bmp"))}) {
            const QImage outside(QDir(temp).filePath(PictureReference::pageName(reference)));
            QCOMPARE(outside.size(), QSize(8, 1));
            QCOMPARE(outside.pixel(0, 0), qRgb(0, 0, 0));
        }
        QCOMPARE(QDir(temp).entryList({QStringLiteral("*")}, QDir::Files, QDir::Name).size(), 0);
        QVERIFY(!QFile::exists(m_folder->file(QStringLiteral("secret.bmp"))));
    }

    void picturesOutsideTheDocumentGetSafeNames_data()
    {
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("name"); // "#" stands for the digest
        QTest::newRow("inside stays") << "pics/logo.bmp" << "pics/logo.bmp";
        QTest::newRow("dots in a name stay") << "pics/a..b.bmp" << "pics/a..b.bmp";
        QTest::newRow("empty stays") << "" << "";
        QTest::newRow("not a copy stays") << "../x.gif" << "../x.gif";
        QTest::newRow("parent folder") << "../img/logo.bmp" << "outside/#-logo.bmp";
        QTest::newRow("parent in the middle") << "a/../../b.bmp" << "outside/#-b.bmp";
        QTest::newRow("absolute") << "/srv/site/img/logo.bmp" << "outside/#-logo.bmp";
        QTest::newRow("backslashes") << "..\\img\\logo.bmp" << "outside/#-logo.bmp";
        QTest::newRow("drive") << "c:x.bmp" << "outside/#-x.bmp";
        QTest::newRow("odd characters") << "../my \"logo\"<1>.bmp" << "outside/#-my__logo__1_.bmp";
    }
    void picturesOutsideTheDocumentGetSafeNames()
    {
        QFETCH(QString, reference);
        QFETCH(QString, name);
        const QString digest = QString::fromLatin1(
            QCryptographicHash::hash(reference.toUtf8(), QCryptographicHash::Sha1).toHex().left(12));
        QCOMPARE(PictureReference::pageName(reference), QString(name).replace(QLatin1Char('#'), digest));
        // The page points where the scan writes.
        const QStringList attributes{"img", "img", "src=\"" + QString(reference).replace(".bmp", ".wbmp") + "\""};
        if (!reference.contains(QLatin1Char('"')))
            QCOMPARE(PreviewPages::elementLine(QStringLiteral("img"), &attributes, QString()),
                     "<img src=\"" + PictureReference::pageName(reference) + "\">");
    }

    void roadWritesPagesAndPictures()
    {
        const QString site = m_folder->file(QStringLiteral("site"));
        m_folder->write(QStringLiteral("site/dot.wbmp"), wbmp8x1(0x80));
        CardModel model;
        PlainTextBuffer buffer;
        PreviewRoad::Request request;
        request.source = QStringLiteral("<card id=\"c\">\r\n<p><img src=\"dot.wbmp\" alt=\"\"/></p>\r\n</card>");
        request.documentFolder = site;
        request.pageFolder = m_folder->file(QStringLiteral("out"));
        request.light = QColor(0, 0, 255);
        const PreviewPages::Result result = PreviewRoad::run(model, request, buffer);
        QCOMPARE(result.cardNames, QStringList{"c"});
        QVERIFY(pageText(result.firstPage).contains(QStringLiteral("<img src=\"dot.bmp\">")));
        const QImage copy(QDir(request.pageFolder).filePath(QStringLiteral("dot.bmp")));
        QCOMPARE(copy.pixel(0, 0), qRgb(0, 0, 255));
        // The designer's picture of the element is black and white.
        QCOMPARE(model.page(0).controls.value(0).picture.pixel(0, 0), qRgb(255, 255, 255));
    }

    void formControlsGetALikeness()
    {
        const QString html = PreviewHtml::forViewer(
            QStringLiteral("<input type=\"radio\" name=\"tarnel\">&nbsp;One<br>\r\n<input type=\"text\" value=\"v1\">\r\n"
                           "<input type=\"submit\" value=\"Go\">"));
        QVERIFY(!html.contains(QStringLiteral("<input")));
        QVERIFY(html.contains(QStringLiteral("&#9675;&nbsp;One")));
        QVERIFY(html.contains(QStringLiteral(">v1&nbsp;</td>")));
        QVERIFY(html.contains(QStringLiteral("&nbsp;Go&nbsp;")));
    }

private:
    std::unique_ptr<ProgramFolderFixture> m_folder;
};

TARNEL_TEST(PreviewTest)

#include "previewtest.moc"
