#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

// The full WBMP codec of the picture tools (the preview keeps its own,
// lenient decoder). Pictures are QImage::Format_Mono images whose colour
// table is {black, white}, so a pixel's index is its WBMP bit: 0 black,
// 1 white.
namespace WbmpCodec {

// The picture in bytes, or a TarnelError naming what is wrong: a type
// other than 0, a header cut short or malformed, a side of 0 or beyond
// WbmpHeader::maximumSide, pixel rows that end early. Bytes after the last
// row are ignored.
QImage decode(const QByteArray &bytes);

// image as a WBMP type 0 file: no extension headers, multi-byte sizes,
// padding bits white. Pictures that are not one bit deep are cut at the
// middle grey (Qt::ThresholdDither). Throws TarnelError for a null
// picture or one larger than WbmpHeader::maximumSide.
QByteArray encode(const QImage &image);

// The size in bytes of a type 0 file of that many pixels.
qint64 fileSize(const QSize &size);

// A blank (white) picture in the codec's format.
QImage blank(const QSize &size);
// image in the codec's format, one bit deep, colour table {black, white}.
QImage normalized(const QImage &image);

// Whether the pixel at (x, y) is black.
bool isBlack(const QImage &picture, int x, int y);

// The file at path, decoded. Throws TarnelError when it cannot be read or
// decoded (the message names the file).
QImage load(const QString &path);
// Writes picture to path as a whole (an existing file is replaced only
// once the new one is complete). Throws TarnelError.
void save(const QImage &picture, const QString &path);

} // namespace WbmpCodec
