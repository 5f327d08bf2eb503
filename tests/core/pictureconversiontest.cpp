// Converting pictures to one bit: Qt's own dithering, sizes for the
// phone's pixels, the grey adjustments, and the result read back.
#include "testregistry.h"

#include "pictures/pictureconversion.h"
#include "pictures/wbmpcodec.h"
#include "preview/wbmpdecoder.h"

#include <QTest>

using PictureConversion::Dither;
using PictureConversion::Settings;

Q_DECLARE_METATYPE(PictureConversion::Dither)

namespace {

// A colour picture with gradients in both directions and a few hard edges.
QImage photo(const QSize &size = QSize(64, 48))
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / size.width(), y * 255 / size.height(), (x * y) % 256));
    }
    return image;
}

QImage grey(int level, const QSize &size = QSize(16, 16))
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(level, level, level));
    return image;
}

int blackCount(const QImage &picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            count += WbmpCodec::isBlack(picture, x, y) ? 1 : 0;
    return count;
}

bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if ((qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128))
                return false;
    return true;
}

} // namespace

class PictureConversionTest : public QObject
{
    Q_OBJECT

private slots:
    void ditheringIsQtsOwn_data()
    {
        QTest::addColumn<Dither>("dither");
        QTest::addColumn<int>("qtFlags");
        QTest::newRow("threshold") << Dither::Threshold << int(Qt::MonoOnly | Qt::ThresholdDither);
        QTest::newRow("ordered") << Dither::Ordered << int(Qt::MonoOnly | Qt::OrderedDither);
        QTest::newRow("diffuse") << Dither::Diffuse << int(Qt::MonoOnly | Qt::DiffuseDither);
    }
    void ditheringIsQtsOwn()
    {
        QFETCH(Dither, dither);
        QFETCH(int, qtFlags);
        const QImage source = photo();
        Settings settings;
        settings.dither = dither;
        const QImage ours = PictureConversion::convert(source, settings);
        const QImage qts = source.convertToFormat(QImage::Format_Mono, Qt::ImageConversionFlags(qtFlags));
        QVERIFY(samePixels(ours, qts));
        // The modes do differ on this picture.
        Settings other = settings;
        other.dither = dither == Dither::Diffuse ? Dither::Ordered : Dither::Diffuse;
        QVERIFY(!samePixels(ours, PictureConversion::convert(source, other)));
    }

    void convertedPictureReadsBack_data()
    {
        QTest::addColumn<Dither>("dither");
        QTest::addColumn<int>("width");
        QTest::newRow("threshold, 96 wide") << Dither::Threshold << 96;
        QTest::newRow("ordered, 130 wide") << Dither::Ordered << 130;
        QTest::newRow("diffuse, 37 wide") << Dither::Diffuse << 37;
    }
    void convertedPictureReadsBack()
    {
        QFETCH(Dither, dither);
        QFETCH(int, width);
        Settings settings;
        settings.dither = dither;
        settings.width = width;
        const QImage picture = PictureConversion::convert(photo(), settings);
        QCOMPARE(picture.width(), width);
        const QByteArray file = WbmpCodec::encode(picture);
        QVERIFY(samePixels(WbmpCodec::decode(file), picture));
        const WbmpDecoder::Result preview = WbmpDecoder::decode(file, Qt::white);
        QVERIFY(samePixels(preview.image, picture));
    }

    void targetSizes_data()
    {
        QTest::addColumn<QSize>("source");
        QTest::addColumn<int>("width");
        QTest::addColumn<QRect>("crop");
        QTest::addColumn<double>("pixelAspect");
        QTest::addColumn<QSize>("expected");
        QTest::newRow("keeps the aspect") << QSize(200, 100) << 96 << QRect() << 1.0 << QSize(96, 48);
        QTest::newRow("tall pixels need fewer rows") << QSize(200, 100) << 96 << QRect() << 1.25 << QSize(96, 38);
        QTest::newRow("no width keeps the source's") << QSize(50, 20) << 0 << QRect() << 1.0 << QSize(50, 20);
        QTest::newRow("crop sets the aspect") << QSize(200, 100) << 50 << QRect(0, 0, 50, 100) << 1.0
                                              << QSize(50, 100);
        QTest::newRow("crop outside is ignored") << QSize(40, 40) << 20 << QRect(100, 100, 5, 5) << 1.0
                                                 << QSize(20, 20);
        QTest::newRow("a line stays one row") << QSize(1000, 1) << 96 << QRect() << 1.0 << QSize(96, 1);
        QTest::newRow("huge width capped") << QSize(10, 10) << 100000 << QRect() << 1.0 << QSize(4096, 4096);
    }
    void targetSizes()
    {
        QFETCH(QSize, source);
        QFETCH(int, width);
        QFETCH(QRect, crop);
        QFETCH(double, pixelAspect);
        QFETCH(QSize, expected);
        Settings settings;
        settings.width = width;
        settings.crop = crop;
        settings.pixelAspect = pixelAspect;
        QCOMPARE(PictureConversion::targetSize(source, settings), expected);
    }

    void greyAdjustments_data()
    {
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("threshold");
        QTest::addColumn<int>("brightness");
        QTest::addColumn<int>("contrast");
        QTest::addColumn<bool>("invert");
        QTest::addColumn<bool>("black");
        QTest::newRow("100 under the cut at 128") << 100 << 128 << 0 << 0 << false << true;
        QTest::newRow("100 over a cut at 90") << 100 << 90 << 0 << 0 << false << false;
        QTest::newRow("200 under a cut at 230") << 200 << 230 << 0 << 0 << false << true;
        QTest::newRow("brighter lifts 100 over") << 100 << 128 << 20 << 0 << false << false;
        QTest::newRow("darker drops 150 under") << 150 << 128 << -20 << 0 << false << true;
        QTest::newRow("contrast pushes 120 down") << 120 << 120 << 0 << 100 << false << true;
        QTest::newRow("inverted") << 100 << 128 << 0 << 0 << true << false;
    }
    void greyAdjustments()
    {
        QFETCH(int, level);
        QFETCH(int, threshold);
        QFETCH(int, brightness);
        QFETCH(int, contrast);
        QFETCH(bool, invert);
        QFETCH(bool, black);
        Settings settings;
        settings.dither = Dither::Threshold;
        settings.thresholdLevel = threshold;
        settings.brightness = brightness;
        settings.contrast = contrast;
        settings.invert = invert;
        const QImage picture = PictureConversion::convert(grey(level), settings);
        QCOMPARE(blackCount(picture), black ? 256 : 0);
    }

    void transparentIsWhite()
    {
        QImage source(8, 8, QImage::Format_ARGB32);
        source.fill(Qt::transparent);
        QCOMPARE(blackCount(PictureConversion::convert(source, Settings())), 0);
        QVERIFY(PictureConversion::convert(QImage(), Settings()).isNull());
    }

    void ditherWords_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<Dither>("dither");
        QTest::addColumn<int>("level");
        QTest::newRow("threshold") << "threshold" << true << Dither::Threshold << 128;
        QTest::newRow("threshold:60") << "threshold:60" << true << Dither::Threshold << 60;
        QTest::newRow("Ordered") << "Ordered" << true << Dither::Ordered << 128;
        QTest::newRow("diffuse") << "diffuse" << true << Dither::Diffuse << 128;
        QTest::newRow("threshold:256") << "threshold:256" << false << Dither::Diffuse << 128;
        QTest::newRow("threshold:") << "threshold:" << false << Dither::Diffuse << 128;
        QTest::newRow("floyd") << "floyd" << false << Dither::Diffuse << 128;
    }
    void ditherWords()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(Dither, dither);
        QFETCH(int, level);
        Dither parsed = Dither::Diffuse;
        int parsedLevel = 128;
        QCOMPARE(PictureConversion::parseDither(text, &parsed, &parsedLevel), ok);
        QCOMPARE(parsed, dither);
        QCOMPARE(parsedLevel, level);
    }
};
TARNEL_TEST(PictureConversionTest)

#include "pictureconversiontest.moc"
