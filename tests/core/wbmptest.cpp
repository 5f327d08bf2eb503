#include "programfolderfixture.h"
#include "testregistry.h"

#include "common/tarnelerror.h"
#include "preview/wbmpdecoder.h"
#include "preview/wbmpfile.h"

#include <QDir>
#include <QImage>
#include <QTest>

namespace {

const QColor light(127, 175, 144);

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray data;
    for (int value : values)
        data.append(char(value));
    return data;
}

// A picture as rows of "#" (black) and "." (light), "w" for white.
QStringList rows(const QImage &image)
{
    QStringList picture;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            row += pixel == qRgb(0, 0, 0) ? QLatin1Char('#') : pixel == light.rgb() ? QLatin1Char('.')
                 : pixel == qRgb(255, 255, 255) ? QLatin1Char('w') : QLatin1Char('?');
        }
        picture << row;
    }
    return picture;
}

} // namespace

// WBMP pictures: header, pixels, file names and the preview's copies.
class WbmpTest : public QObject
{
    Q_OBJECT

private slots:
    void decodesPixels_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("picture");
        QTest::newRow("165, most significant bit first") << bytes({0, 0, 8, 1, 165}) << QStringList{".#.##.#."};
        QTest::newRow("width 9: two bytes a row")
            << bytes({0, 0, 9, 2, 0xff, 0x00, 0x00, 0x80}) << QStringList{"........#", "########."};
        QTest::newRow("width 10: padding bits dropped")
            << bytes({0, 0, 10, 1, 0x00, 0xff}) << QStringList{"########.."};
        QTest::newRow("16 x 2 with a third row ignored")
            << bytes({0, 0, 16, 2, 0xf0, 0x0f, 0x0f, 0xf0, 0xff, 0xff})
            << QStringList{"....########....", "####........####"};
        QTest::newRow("short last row stays white")
            << bytes({0, 0, 16, 2, 0x00, 0x00, 0xff}) << QStringList{"################", "........wwwwwwww"};
        QTest::newRow("missing rows stay white") << bytes({0, 0, 3, 2, 0x00}) << QStringList{"###", "www"};
        QTest::newRow("type and fix header values ignored") << bytes({7, 0, 2, 1, 0x40}) << QStringList{"#."};
    }
    void decodesPixels()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, picture);
        const WbmpDecoder::Result result = WbmpDecoder::decode(data, light);
        QCOMPARE(int(result.status), int(WbmpDecoder::Status::Decoded));
        QCOMPARE(rows(result.image), picture);
    }

    void readsMultiByteSizesAndSkipsExtensionHeaders()
    {
        // 0x81 0x20 is 160 pixels wide.
        QByteArray wide = bytes({0, 0, 0x81, 0x20, 1});
        wide.append(QByteArray(20, char(0xff)));
        WbmpDecoder::Result result = WbmpDecoder::decode(wide, light);
        QCOMPARE(result.image.size(), QSize(160, 1));
        QCOMPARE(result.image.pixel(159, 0), light.rgb());

        // A bit-field extension header of two bytes, then a parameter header
        // with a 2-byte identifier and a 3-byte value.
        result = WbmpDecoder::decode(bytes({0, 0x80, 0x81, 0x05, 4, 1, 0x80}), light);
        QCOMPARE(rows(result.image), QStringList{".###"});
        result = WbmpDecoder::decode(bytes({0, 0xe0, 0x23, 'i', 'd', 'v', 'a', 'l', 2, 1, 0x40}), light);
        QCOMPARE(rows(result.image), QStringList{"#."});
    }

    void refusesWhatItCannotDecode_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("status");
        const int shortHeader = int(WbmpDecoder::Status::TooShort);
        const int undecodable = int(WbmpDecoder::Status::Undecodable);
        QTest::newRow("empty") << QByteArray() << shortHeader;
        QTest::newRow("three bytes") << bytes({0, 0, 8}) << shortHeader;
        QTest::newRow("size field cut") << bytes({0, 0, 0x81}) << shortHeader;
        QTest::newRow("extension cut") << bytes({0, 0x80, 0x81}) << shortHeader;
        QTest::newRow("wider than 4096") << bytes({0, 0, 0xa0, 0x01, 1}) << undecodable;
        QTest::newRow("size field of five bytes") << bytes({0, 0, 0x80, 0x80, 0x80, 0x80, 0x01, 1}) << undecodable;
        QTest::newRow("huge height") << bytes({0, 0, 1, 0x8f, 0xff, 0xff, 0x7f}) << undecodable;
    }
    void refusesWhatItCannotDecode()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, status);
        QCOMPARE(int(WbmpDecoder::decode(data, light).status), status);
    }

    void widthZeroGivesAnEmptyPicture()
    {
        const WbmpDecoder::Result result = WbmpDecoder::decode(bytes({0, 0, 0, 5, 1, 2, 3}), light);
        QCOMPARE(int(result.status), int(WbmpDecoder::Status::Decoded));
        QVERIFY(result.image.isNull());
    }

    void pathsAndBaseNames_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("mapped");
        QTest::addColumn<QString>("base");
        QTest::newRow("bmp name maps to the wbmp file") << "/site/logo.bmp" << "/site" << "/site/logo.wbmp" << "logo";
        QTest::newRow("capitals are not mapped") << "/site/LOGO.BMP" << "/site" << "/site/LOGO.BMP" << "LOGO.BMP";
        QTest::newRow("reference in a sub-folder") << "/site/pics/logo.wbmp" << "/site" << "/site/pics/logo.wbmp"
                                                   << "pics/logo";
        QTest::newRow("folder with a trailing slash") << "/site/a.wbmp" << "/site/" << "/site/a.wbmp" << "a";
        QTest::newRow("backslash path") << "C:\\pages\\logo.bmp" << "" << "C:\\pages\\logo.wbmp" << "logo";
        QTest::newRow("no folder") << "pics/x.wbmp" << "" << "pics/x.wbmp" << "pics/x";
    }
    void pathsAndBaseNames()
    {
        QFETCH(QString, path);
        QFETCH(QString, folder);
        QFETCH(QString, mapped);
        QFETCH(QString, base);
        QCOMPARE(WbmpFile::mappedPath(path), mapped);
        QCOMPARE(WbmpFile::baseName(path, folder), base);
    }

    void previewCopiesHaveTheLightColourExactly()
    {
        ProgramFolderFixture folder;
        QDir().mkpath(folder.file(QStringLiteral("temp/pics")));
        const QString site = folder.file(QStringLiteral("site"));
        folder.write(QStringLiteral("site/pics/logo.wbmp"), bytes({0, 0, 8, 1, 165}));
        WbmpFile::writePreviewCopy(site + QStringLiteral("/pics/logo.bmp"), site, light);
        const QImage copy(folder.file(QStringLiteral("temp/pics/logo.bmp")));
        QCOMPARE(rows(copy), QStringList{".#.##.#."});
        // The designer's variant is black and white.
        const QImage designer = WbmpFile::load(site + QStringLiteral("/pics/logo.wbmp"), Qt::white);
        QCOMPARE(designer.pixel(0, 0), qRgb(255, 255, 255));
        QCOMPARE(designer.pixel(1, 0), qRgb(0, 0, 0));
    }

    void previewCopyFailures()
    {
        ProgramFolderFixture folder;
        const QString site = folder.file(QStringLiteral("site"));
        QDir().mkpath(folder.file(QStringLiteral("temp")));
        // Missing file or a folder: silently nothing.
        WbmpFile::writePreviewCopy(site + QStringLiteral("/none.bmp"), site, light);
        QDir().mkpath(site + QStringLiteral("/dir.wbmp"));
        WbmpFile::writePreviewCopy(site + QStringLiteral("/dir.bmp"), site, light);
        QVERIFY(QDir(folder.file(QStringLiteral("temp"))).isEmpty());

        // A header cut short is an error the user sees.
        folder.write(QStringLiteral("site/short.wbmp"), bytes({0, 0, 8}));
        try {
            WbmpFile::writePreviewCopy(site + QStringLiteral("/short.bmp"), site, light);
            QFAIL("no error for a short header");
        } catch (const TarnelError &error) {
            QCOMPARE(error.text(), QStringLiteral("Read beyond end of file"));
        }

        // A sub-folder the reference names is made inside the temp folder.
        folder.write(QStringLiteral("site/pics/logo.wbmp"), bytes({0, 0, 8, 1, 165}));
        WbmpFile::writePreviewCopy(site + QStringLiteral("/pics/logo.bmp"), site, light);
        QVERIFY(QFile::exists(folder.file(QStringLiteral("temp/pics/logo.bmp"))));

        // A temp folder that takes no files is reported.
        QDir().mkpath(folder.file(QStringLiteral("locked")));
        if (folder.makeUnwritable(folder.file(QStringLiteral("locked")))) {
            try {
                WbmpFile::writePreviewCopy(site + QStringLiteral("/pics/logo.bmp"), site, light,
                                           folder.file(QStringLiteral("locked")));
                QFAIL("no error for a folder that takes no files");
            } catch (const TarnelError &error) {
                QVERIFY2(error.text().startsWith(QStringLiteral("Cannot create file ")), qPrintable(error.text()));
            }
        }

        // A reference leading out of the temp folder writes nothing.
        folder.write(QStringLiteral("up.wbmp"), bytes({0, 0, 8, 1, 165}));
        WbmpFile::writePreviewCopy(site + QStringLiteral("/../up.bmp"), site, light);
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("up.bmp"))));
        QVERIFY(!QFile::exists(folder.file(QStringLiteral("temp/../up.bmp"))));
    }
};

TARNEL_TEST(WbmpTest)

#include "wbmptest.moc"
