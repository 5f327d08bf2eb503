// The full WBMP codec of the picture tools: headers with multi-byte sizes
// and extension headers, files it refuses, and files written by it that
// other readers (Qt's plugin, ImageMagick) read back pixel for pixel.
#include "testregistry.h"

#include "common/tarnelerror.h"
#include "pictures/wbmpcodec.h"
#include "pictures/wbmpheader.h"
#include "preview/wbmpdecoder.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray bytes(std::initializer_list<int> values)
{
    QByteArray data;
    for (int value : values)
        data.append(char(value));
    return data;
}

// "#" black, "." white.
QStringList rows(const QImage &image)
{
    QStringList picture;
    for (int y = 0; y < image.height(); ++y) {
        QString row;
        for (int x = 0; x < image.width(); ++x)
            row += qGray(image.pixel(x, y)) < 128 ? QLatin1Char('#') : QLatin1Char('.');
        picture << row;
    }
    return picture;
}

// A picture with a pattern no row or column repeats: every reader that
// gets one bit wrong shows it.
QImage pattern(const QSize &size)
{
    QImage picture = WbmpCodec::blank(size);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            if ((x * 7 + y * 3) % 5 == 0 || x == y)
                picture.setPixel(x, y, 0);
        }
    }
    return picture;
}

} // namespace

class WbmpCodecTest : public QObject
{
    Q_OBJECT

private slots:
    void multiByteIntegers_data()
    {
        QTest::addColumn<quint32>("value");
        QTest::addColumn<QByteArray>("encoded");
        QTest::newRow("0") << 0u << bytes({0x00});
        QTest::newRow("127, one byte") << 127u << bytes({0x7f});
        QTest::newRow("128, two bytes") << 128u << bytes({0x81, 0x00});
        QTest::newRow("200") << 200u << bytes({0x81, 0x48});
        QTest::newRow("4096") << 4096u << bytes({0xa0, 0x00});
        QTest::newRow("16384, three bytes") << 16384u << bytes({0x81, 0x80, 0x00});
    }
    void multiByteIntegers()
    {
        QFETCH(quint32, value);
        QFETCH(QByteArray, encoded);
        QCOMPARE(WbmpHeader::multiByte(value), encoded);
    }

    void decodesHeaders_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QStringList>("picture");
        QTest::newRow("plain 8 x 1") << bytes({0, 0, 8, 1, 0xa5}) << QStringList{".#.##.#."};
        QTest::newRow("width 10, padding ignored") << bytes({0, 0, 10, 1, 0x00, 0x7f}) << QStringList{"#########."};
        QTest::newRow("bit field extension, continued")
            << bytes({0, 0x80, 0x81, 0x01, 3, 1, 0x5f}) << QStringList{"#.#"};
        QTest::newRow("parameter extension: 2-byte name, 3-byte value, then another")
            << bytes({0, 0xe0, 0xa3, 'a', 'b', '1', '2', '3', 0x11, 'x', 'y', 2, 2, 0x40, 0x80})
            << QStringList{"#.", ".#"};
        QTest::newRow("trailing bytes ignored") << bytes({0, 0, 1, 1, 0x00, 0xff, 0xff}) << QStringList{"#"};
    }
    void decodesHeaders()
    {
        QFETCH(QByteArray, data);
        QFETCH(QStringList, picture);
        QCOMPARE(rows(WbmpCodec::decode(data)), picture);
    }

    void decodesMultiByteSizes()
    {
        // 200 x 130: both sides need two bytes.
        QByteArray data = bytes({0, 0, 0x81, 0x48, 0x81, 0x02});
        data.append(QByteArray(25 * 130, char(0xff)));
        data[6 + 25 * 129 + 24] = char(0xfe); // the last pixel black
        const QImage picture = WbmpCodec::decode(data);
        QCOMPARE(picture.size(), QSize(200, 130));
        QVERIFY(WbmpCodec::isBlack(picture, 199, 129));
        QVERIFY(!WbmpCodec::isBlack(picture, 198, 129));
    }

    void refusesBrokenFiles_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("type only") << bytes({0});
        QTest::newRow("no height") << bytes({0, 0, 8});
        QTest::newRow("size of five bytes") << bytes({0, 0, 0x81, 0x81, 0x81, 0x81, 0x01, 1});
        QTest::newRow("wider than 4096") << bytes({0, 0, 0xa0, 0x01, 1, 0});
        QTest::newRow("type 2") << bytes({2, 0, 1, 1, 0});
        QTest::newRow("multi-byte type 128") << bytes({0x81, 0x00, 0, 1, 1, 0});
        QTest::newRow("no pixels") << bytes({0, 0, 0, 5});
        QTest::newRow("rows end early") << bytes({0, 0, 16, 2, 0, 0, 0});
        QTest::newRow("extension never ends") << bytes({0, 0x80, 0x81, 0x81});
        QTest::newRow("parameter runs past the end") << bytes({0, 0xe0, 0x7f, 'a'});
        QTest::newRow("a PNG") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    }
    void refusesBrokenFiles()
    {
        QFETCH(QByteArray, data);
        bool refused = false;
        try {
            WbmpCodec::decode(data);
        } catch (const TarnelError &error) {
            refused = !error.text().isEmpty();
        }
        QVERIFY(refused);
    }

    void loadNamesTheFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("bad.wbmp"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes({3, 0, 1, 1, 0}));
        file.close();
        try {
            WbmpCodec::load(path);
            QFAIL("a type 3 file was loaded");
        } catch (const TarnelError &error) {
            QVERIFY(error.text().contains(path));
            QVERIFY(error.text().contains(QLatin1String("type 3")));
        }
        QVERIFY_THROWS_EXCEPTION(TarnelError, WbmpCodec::load(folder.filePath(QStringLiteral("none.wbmp"))));
    }

    void writesTypeZeroWithMultiByteSizes()
    {
        const QByteArray data = WbmpCodec::encode(pattern(QSize(200, 130)));
        QCOMPARE(data.left(6), bytes({0, 0, 0x81, 0x48, 0x81, 0x02}));
        QCOMPARE(data.size(), WbmpCodec::fileSize(QSize(200, 130)));
        QCOMPARE(data.size(), 6 + 25 * 130);
    }

    void fileSizes_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<qint64>("bytes");
        QTest::newRow("8 x 8") << QSize(8, 8) << qint64(4 + 8);
        QTest::newRow("9 x 1: a padded byte") << QSize(9, 1) << qint64(4 + 2);
        QTest::newRow("96 x 65") << QSize(96, 65) << qint64(4 + 12 * 65);
        QTest::newRow("128 x 128: two-byte sides") << QSize(128, 128) << qint64(6 + 16 * 128);
    }
    void fileSizes()
    {
        QFETCH(QSize, size);
        QFETCH(qint64, bytes);
        QCOMPARE(WbmpCodec::fileSize(size), bytes);
        QCOMPARE(qint64(WbmpCodec::encode(WbmpCodec::blank(size)).size()), bytes);
    }

    void readersAgree_data()
    {
        QTest::addColumn<QSize>("size");
        QTest::newRow("1 x 1") << QSize(1, 1);
        QTest::newRow("13 x 7: padding") << QSize(13, 7);
        QTest::newRow("96 x 65") << QSize(96, 65);
        QTest::newRow("200 x 130: multi-byte sides") << QSize(200, 130);
        QTest::newRow("128 x 256: sides ending in a zero byte") << QSize(128, 256);
    }
    void readersAgree()
    {
        QFETCH(QSize, size);
        const QImage written = pattern(size);
        const QByteArray data = WbmpCodec::encode(written);
        const QStringList expected = rows(written);

        QCOMPARE(rows(WbmpCodec::decode(data)), expected);
        const WbmpDecoder::Result preview = WbmpDecoder::decode(data, Qt::white);
        QCOMPARE(preview.status, WbmpDecoder::Status::Decoded);
        QCOMPARE(rows(preview.image), expected);

        QBuffer buffer;
        buffer.setData(data);
        QImageReader qtReader(&buffer, "wbmp");
        QCOMPARE(rows(qtReader.read()), expected);

        const QString convert = QStringLiteral("/usr/bin/convert");
        if (!QFile::exists(convert))
            QSKIP("ImageMagick is not installed");
        QTemporaryDir folder;
        const QString wbmp = folder.filePath(QStringLiteral("x.wbmp"));
        const QString png = folder.filePath(QStringLiteral("x.png"));
        WbmpCodec::save(written, wbmp);
        QProcess process;
        process.start(convert, {wbmp, png});
        QVERIFY(process.waitForFinished(60000));
        QCOMPARE(process.exitCode(), 0);
        QCOMPARE(rows(QImage(png)), expected);
    }

    void savesOverAnOldFile()
    {
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("p.wbmp"));
        WbmpCodec::save(pattern(QSize(20, 20)), path);
        WbmpCodec::save(pattern(QSize(9, 3)), path);
        QCOMPARE(WbmpCodec::load(path).size(), QSize(9, 3));
        QVERIFY_THROWS_EXCEPTION(TarnelError,
                                 WbmpCodec::save(pattern(QSize(2, 2)), folder.filePath(QStringLiteral("no/p.wbmp"))));
    }
};
TARNEL_TEST(WbmpCodecTest)

#include "wbmpcodectest.moc"
