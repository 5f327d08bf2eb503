#include "pictureconversion.h"

#include "wbmpcodec.h"
#include "wbmpheader.h"

#include <QtMath>
#include <algorithm>

namespace PictureConversion {

Qt::ImageConversionFlags qtFlags(Dither dither)
{
    switch (dither) {
    case Dither::Threshold:
        return Qt::MonoOnly | Qt::ThresholdDither;
    case Dither::Ordered:
        return Qt::MonoOnly | Qt::OrderedDither;
    case Dither::Diffuse:
        break;
    }
    return Qt::MonoOnly | Qt::DiffuseDither;
}

int defaultWidth(const QSize &source, int screenWidth)
{
    if (screenWidth <= 0)
        return std::max(source.width(), 1);
    return std::clamp(source.width(), 1, screenWidth);
}

QRect sourceRect(const QSize &source, const Settings &settings)
{
    const QRect all(QPoint(0, 0), source);
    if (settings.crop.isEmpty())
        return all;
    const QRect inside = settings.crop.intersected(all);
    return inside.isEmpty() ? all : inside;
}

QSize targetSize(const QSize &source, const Settings &settings)
{
    const QSize used = sourceRect(source, settings).size();
    if (used.isEmpty())
        return QSize(1, 1);
    const int width = std::clamp(settings.width > 0 ? settings.width : used.width(), 1, WbmpHeader::maximumSide);
    const double aspect = settings.pixelAspect > 0 ? settings.pixelAspect : 1.0;
    const int height = qRound(double(width) * used.height() / used.width() / aspect);
    return QSize(width, std::clamp(height, 1, WbmpHeader::maximumSide));
}

namespace {

// The grey levels after brightness, contrast and the threshold level: a
// table of 256 entries. The threshold level is moved to Qt's own cut at
// 128, so that Qt's threshold conversion cuts where the user asked.
QList<int> greyTable(const Settings &settings, bool threshold)
{
    const double contrast = 1.0 + std::clamp(settings.contrast, -100, 100) / 100.0;
    const double brightness = std::clamp(settings.brightness, -100, 100) * 2.55;
    const int shift = threshold ? 128 - std::clamp(settings.thresholdLevel, 0, 255) : 0;
    QList<int> table(256);
    for (int grey = 0; grey < 256; ++grey) {
        const double value = (grey - 127.5) * contrast + 127.5 + brightness;
        table[grey] = std::clamp(qRound(value) + shift, 0, 255);
    }
    return table;
}

} // namespace

QImage prepared(const QImage &source, const Settings &settings)
{
    if (source.isNull())
        return QImage();
    const QRect used = sourceRect(source.size(), settings);
    const QSize size = targetSize(source.size(), settings);
    // Scaled first, so that the grey levels are worked out for the phone's
    // pixels only, however large the original.
    QImage part = source.copy(used).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (part.size() != size)
        part = part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Transparent parts are shown on white, as a phone's screen is.
    const QList<int> table = greyTable(settings, settings.dither == Dither::Threshold);
    QImage grey(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(part.constScanLine(y));
        auto *out = reinterpret_cast<QRgb *>(grey.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            // Premultiplied: what is missing of the alpha is white.
            const int value = table[std::min(qGray(in[x]) + (255 - qAlpha(in[x])), 255)];
            out[x] = qRgb(value, value, value);
        }
    }
    return grey;
}

QImage convert(const QImage &source, const Settings &settings)
{
    if (source.isNull())
        return QImage();
    QImage picture = WbmpCodec::normalized(prepared(source, settings).convertToFormat(QImage::Format_Mono,
                                                                                       qtFlags(settings.dither)));
    if (settings.invert)
        picture.invertPixels();
    return picture;
}

bool parseDither(const QString &text, Dither *dither, int *level)
{
    const QString word = text.trimmed().toLower();
    if (word == QLatin1String("ordered")) {
        *dither = Dither::Ordered;
        return true;
    }
    if (word == QLatin1String("diffuse")) {
        *dither = Dither::Diffuse;
        return true;
    }
    if (word == QLatin1String("threshold")) {
        *dither = Dither::Threshold;
        *level = 128;
        return true;
    }
    if (word.startsWith(QLatin1String("threshold:"))) {
        bool ok = false;
        const int value = word.mid(10).toInt(&ok);
        if (!ok || value < 0 || value > 255)
            return false;
        *dither = Dither::Threshold;
        *level = value;
        return true;
    }
    return false;
}

} // namespace PictureConversion
