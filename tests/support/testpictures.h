#pragma once

#include "pictures/wbmpcodec.h"

#include <QImage>

// Pictures the picture tests convert, and how they compare results.
namespace TestPictures {

// A colour gradient with detail in both directions, so every dithering
// mode gives a picture of its own.
inline QImage gradient(const QSize &size, int green = 128)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / size.width(), green < 0 ? (x + y) % 256 : green,
                                      y * 255 / size.height()));
    return image;
}

// Whether two one-bit pictures have the same size and the same black pixels.
inline bool samePixels(const QImage &a, const QImage &b)
{
    if (a.size() != b.size())
        return false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (WbmpCodec::isBlack(a, x, y) != WbmpCodec::isBlack(b, x, y))
                return false;
    return true;
}

} // namespace TestPictures
