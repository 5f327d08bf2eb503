#include "wbmpcodec.h"

#include "wbmpheader.h"

#include "common/tarnelerror.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>

namespace WbmpCodec {

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("WbmpCodec", text);
}

const QRgb black = qRgb(0, 0, 0);
const QRgb white = qRgb(255, 255, 255);

// The largest file load() reads: a 4096 × 4096 picture with a generous header.
constexpr qint64 largestFile = qint64(WbmpHeader::maximumSide) * WbmpHeader::maximumSide / 8 + 1024;

QString headerProblem(const WbmpHeader &header)
{
    switch (header.status) {
    case WbmpHeader::Status::Read:
        break;
    case WbmpHeader::Status::TooShort:
        return tr("The file ends inside the WBMP header");
    case WbmpHeader::Status::Malformed:
        return tr("The WBMP header holds a number longer than four bytes");
    case WbmpHeader::Status::TooLarge:
        return tr("The picture is larger than %1 × %1 pixels").arg(WbmpHeader::maximumSide);
    }
    if (header.type != 0)
        return tr("The picture is WBMP type %1; only type 0 (black and white) can be read").arg(header.type);
    if (header.width == 0 || header.height == 0)
        return tr("The picture has no pixels (%1 × %2)").arg(header.width).arg(header.height);
    return QString();
}

} // namespace

QImage blank(const QSize &size)
{
    QImage picture(size, QImage::Format_Mono);
    picture.setColorTable({black, white});
    picture.fill(1);
    return picture;
}

QImage normalized(const QImage &image)
{
    if (image.isNull())
        return image;
    QImage mono = image.format() == QImage::Format_Mono
                      ? image
                      : image.convertToFormat(QImage::Format_Mono, Qt::MonoOnly | Qt::ThresholdDither);
    if (mono.colorCount() == 2 && mono.color(0) == black && mono.color(1) == white)
        return mono;
    // Re-index by colour: whatever the table says, dark pixels are black.
    QImage result = blank(mono.size());
    for (int y = 0; y < mono.height(); ++y) {
        for (int x = 0; x < mono.width(); ++x) {
            if (qGray(mono.pixel(x, y)) < 128)
                result.setPixel(x, y, 0);
        }
    }
    return result;
}

bool isBlack(const QImage &picture, int x, int y)
{
    return picture.pixelIndex(x, y) == 0;
}

QImage decode(const QByteArray &bytes)
{
    const WbmpHeader header = WbmpHeader::read(bytes);
    const QString problem = headerProblem(header);
    if (!problem.isEmpty())
        throw TarnelError(problem);
    const int rowBytes = header.rowBytes();
    const qint64 available = bytes.size() - header.dataOffset;
    if (available < header.dataBytes()) {
        throw TarnelError(tr("The picture's rows end after %1 of its %2 rows")
                              .arg(available / rowBytes)
                              .arg(header.height));
    }
    QImage picture = blank(QSize(header.width, header.height));
    // QImage's mono rows are most significant bit first too; the padding
    // bits are copied along and never shown.
    for (int y = 0; y < header.height; ++y)
        memcpy(picture.scanLine(y), bytes.constData() + header.dataOffset + qint64(y) * rowBytes, size_t(rowBytes));
    return picture;
}

QByteArray encode(const QImage &image)
{
    if (image.isNull() || image.width() > WbmpHeader::maximumSide || image.height() > WbmpHeader::maximumSide)
        throw TarnelError(tr("The picture cannot be written as WBMP: it is empty or larger than %1 × %1 pixels")
                              .arg(WbmpHeader::maximumSide));
    // Written here rather than by Qt's WBMP plugin: Qt 6.4's writer drops
    // the last byte of a size whose low seven bits are zero (128 becomes
    // the lone byte 0x81), so its pictures 128, 256, … pixels wide or high
    // cannot be read.
    const QImage picture = normalized(image);
    const int rowBytes = (picture.width() + 7) / 8;
    QByteArray bytes;
    bytes.reserve(int(fileSize(picture.size())));
    bytes.append(char(0)); // type 0: black and white, uncompressed
    bytes.append(char(0)); // fixed header: no extension headers
    bytes.append(WbmpHeader::multiByte(quint32(picture.width())));
    bytes.append(WbmpHeader::multiByte(quint32(picture.height())));
    // Padding bits are white, as phones expect nothing of them.
    const int usedBits = picture.width() % 8;
    const quint8 padding = usedBits == 0 ? 0 : quint8(0xff >> usedBits);
    for (int y = 0; y < picture.height(); ++y) {
        QByteArray row(reinterpret_cast<const char *>(picture.constScanLine(y)), rowBytes);
        row[rowBytes - 1] = char(quint8(row[rowBytes - 1]) | padding);
        bytes.append(row);
    }
    return bytes;
}

qint64 fileSize(const QSize &size)
{
    return 2 + WbmpHeader::multiByte(quint32(size.width())).size() + WbmpHeader::multiByte(quint32(size.height())).size()
           + qint64((size.width() + 7) / 8) * size.height();
}

QImage load(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw TarnelError::cannotOpen(path);
    const QByteArray bytes = file.read(largestFile);
    try {
        return decode(bytes);
    } catch (const TarnelError &error) {
        throw TarnelError(tr("%1 cannot be read as a WBMP picture: %2").arg(path, error.text()));
    }
}

void save(const QImage &picture, const QString &path)
{
    const QByteArray bytes = encode(picture);
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw TarnelError::cannotCreate(path);
}

} // namespace WbmpCodec
