#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

// Decoding of WBMP type 0 pictures (black and white, uncompressed). Sizes
// are the format's multi-byte integers; extension headers are skipped.
// Rows are read from the top until the data ends: rows beyond the height
// are ignored, pixels the data does not reach stay white. Within a row the
// most significant bit is the leftmost pixel; 0 is black, 1 the light
// colour.
namespace WbmpDecoder {

// The largest width or height decoded; larger pictures count as files
// that cannot be decoded, so a hostile file cannot exhaust memory.
constexpr int maximumSide = 4096;

enum class Status {
    Decoded,    // image holds the picture (it is null for a width or height of 0)
    TooShort,   // the file ends inside the header
    Undecodable // a size beyond the limit or a malformed size field
};

struct Result
{
    Status status = Status::Undecodable;
    QImage image;
};

Result decode(const QByteArray &bytes, const QColor &light);

} // namespace WbmpDecoder
