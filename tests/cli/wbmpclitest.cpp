// tarnel-wbmp convert: the picture it writes, its options, and the
// messages for bad usage and unreadable pictures.
#include "testpictures.h"
#include "testregistry.h"
#include "toolrun.h"

#include "pictures/pictureconversion.h"
#include "pictures/wbmpcodec.h"

#include <QImage>
#include <QTemporaryDir>
#include <QTest>

namespace {

ToolRun wbmp(const QStringList &arguments)
{
    return ToolRun::of(QStringLiteral(TARNEL_WBMP), arguments);
}

} // namespace

class WbmpCliTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_folder.isValid());
        m_png = m_folder.filePath(QStringLiteral("in.png"));
        QVERIFY(TestPictures::gradient(QSize(300, 150), -1).save(m_png));
    }

    void convertsAsTheConverterDoes_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("dither");
        QTest::addColumn<int>("level");
        QTest::addColumn<bool>("invert");
        using D = PictureConversion::Dither;
        QTest::newRow("defaults: the generic phone's 96 pixels, diffuse") << QStringList() << 96 << int(D::Diffuse) << 128
                                                                          << false;
        QTest::newRow("width 128, threshold at 90")
            << QStringList{"--width", "128", "--dither", "threshold:90"} << 128 << int(D::Threshold) << 90 << false;
        QTest::newRow("ordered, inverted")
            << QStringList{"--dither", "ordered", "--invert"} << 96 << int(D::Ordered) << 128 << true;
    }
    void convertsAsTheConverterDoes()
    {
        QFETCH(QStringList, options);
        QFETCH(int, width);
        QFETCH(int, dither);
        QFETCH(int, level);
        QFETCH(bool, invert);
        const QString out = m_folder.filePath(QStringLiteral("out.wbmp"));
        const ToolRun run = wbmp(QStringList{"convert", m_png, out} + options);
        QCOMPARE(run.exitCode, 0);
        PictureConversion::Settings settings;
        settings.width = width;
        settings.dither = PictureConversion::Dither(dither);
        settings.thresholdLevel = level;
        settings.invert = invert;
        const QImage expected = PictureConversion::convert(QImage(m_png), settings);
        const QImage written = WbmpCodec::load(out);
        QVERIFY(TestPictures::samePixels(written, expected));
        QCOMPARE(QString::fromLocal8Bit(run.out).trimmed(),
                 QStringLiteral("%1: %2 x %3 pixels, %4 bytes")
                     .arg(out)
                     .arg(expected.width())
                     .arg(expected.height())
                     .arg(WbmpCodec::fileSize(expected.size())));
    }

    void refusesBadUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("message");
        QTest::newRow("no command") << QStringList() << 2 << "Unknown command";
        QTest::newRow("unknown command") << QStringList{"shrink", "a", "b"} << 2 << "Unknown command: shrink";
        QTest::newRow("no output") << QStringList{"convert", "in.png"} << 2 << "convert takes";
        QTest::newRow("bad width") << QStringList{"convert", "in.png", "o.wbmp", "--width", "0"} << 2
                                   << "from 1 to 4096";
        QTest::newRow("bad dithering") << QStringList{"convert", "in.png", "o.wbmp", "--dither", "floyd"} << 2
                                       << "Unknown dithering: floyd";
        QTest::newRow("unknown phone") << QStringList{"convert", "in.png", "o.wbmp", "--device", "brick"} << 2
                                       << "Unknown device: brick";
        QTest::newRow("missing picture") << QStringList{"convert", "none.png", "o.wbmp"} << 1
                                         << "Cannot read picture none.png";
        QTest::newRow("not a picture") << QStringList{"convert", "text.png", "o.wbmp"} << 1
                                       << "Cannot read picture text.png";
        QTest::newRow("output folder missing") << QStringList{"convert", "in.png", "no/o.wbmp"} << 1
                                               << "Cannot create file";
    }
    void refusesBadUsage()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, exitCode);
        QFETCH(QString, message);
        QFile text(m_folder.filePath(QStringLiteral("text.png")));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("this is no picture\n");
        text.close();
        for (QString &argument : arguments) {
            if (argument.endsWith(QLatin1String(".png")) || argument.endsWith(QLatin1String(".wbmp")))
                argument = m_folder.filePath(argument);
        }
        message.replace(QLatin1String("none.png"), m_folder.filePath(QStringLiteral("none.png")));
        message.replace(QLatin1String("text.png"), m_folder.filePath(QStringLiteral("text.png")));
        const ToolRun run = wbmp(arguments);
        QCOMPARE(run.exitCode, exitCode);
        QVERIFY2(QString::fromLocal8Bit(run.err).contains(message), run.err.constData());
        QVERIFY(!QFile::exists(m_folder.filePath(QStringLiteral("o.wbmp"))));
    }

private:
    QTemporaryDir m_folder;
    QString m_png;
};
TARNEL_TEST(WbmpCliTest)

#include "wbmpclitest.moc"
