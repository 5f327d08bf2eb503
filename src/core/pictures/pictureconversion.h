#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Turns any picture into the one-bit picture a phone shows: crop, scale
// to a width (keeping the aspect, corrected for the phone's pixel aspect),
// brightness and contrast, then one of Qt's own conversions to
// QImage::Format_Mono, then invert. The result is in WbmpCodec's format.
namespace PictureConversion {

enum class Dither {
    Threshold, // every pixel cut at the level (Qt::ThresholdDither)
    Ordered,   // a fixed pattern (Qt::OrderedDither)
    Diffuse,   // error diffusion (Qt::DiffuseDither)
};

struct Settings
{
    // Target width in phone pixels; 0 or less keeps the (cropped) width.
    int width = 0;
    // Part of the source to use; an empty rectangle means all of it.
    QRect crop;
    // How many times taller than wide one phone pixel is: a taller pixel
    // needs fewer rows for the same picture.
    double pixelAspect = 1.0;
    // -100 … 100; 0 leaves the picture as it is.
    int brightness = 0;
    int contrast = 0;
    Dither dither = Dither::Diffuse;
    // Grey level (0 … 255) below which Threshold makes a pixel black.
    int thresholdLevel = 128;
    bool invert = false;
};

// The width a picture is given unless the user says otherwise: the
// phone's screen width, but never wider than the picture itself.
int defaultWidth(const QSize &source, int screenWidth);

// The Qt conversion flags of a dithering mode.
Qt::ImageConversionFlags qtFlags(Dither dither);

// The part of source the settings use: the crop inside the picture.
QRect sourceRect(const QSize &source, const Settings &settings);
// The size of the result for a source of that size (at least 1 × 1).
QSize targetSize(const QSize &source, const Settings &settings);

// The grey picture the dithering starts from: cropped, scaled, brightness,
// contrast and threshold level applied (Format_RGB32, equal red, green and
// blue). At the default settings its grey is the source's own.
QImage prepared(const QImage &source, const Settings &settings);

// The finished one-bit picture. A null source gives a null picture.
QImage convert(const QImage &source, const Settings &settings);

// Parses "threshold", "threshold:LEVEL", "ordered" or "diffuse" (the
// command line's words); false for anything else.
bool parseDither(const QString &text, Dither *dither, int *level);

} // namespace PictureConversion
