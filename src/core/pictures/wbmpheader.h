#pragma once

#include <QByteArray>
#include <QString>

// The header of a WBMP file: its type, the fixed header byte, the size in
// pixels and where the pixel rows begin. Type, width and height are the
// format's multi-byte integers (seven bits a byte, most significant first,
// the top bit set on every byte but the last); extension headers, which
// the fixed header's top bit announces, are skipped.
struct WbmpHeader
{
    enum class Status {
        Read,      // every field was read
        TooShort,  // the file ends inside the header
        Malformed, // a multi-byte integer longer than four bytes
        TooLarge,  // a side larger than maximumSide
    };

    // The largest width or height read; larger pictures are refused, so a
    // hostile file cannot make the program ask for gigabytes.
    static constexpr int maximumSide = 4096;

    Status status = Status::TooShort;
    quint32 type = 0;
    quint8 fixHeader = 0;
    int width = 0;
    int height = 0;
    // Offset of the first pixel row.
    int dataOffset = 0;

    bool isRead() const { return status == Status::Read; }
    // Bytes of one row: eight pixels a byte, the last byte padded.
    int rowBytes() const { return (width + 7) / 8; }
    // Bytes of all rows.
    qint64 dataBytes() const { return qint64(rowBytes()) * height; }

    static WbmpHeader read(const QByteArray &bytes);

    // The multi-byte integer of value, as a WBMP header writes it.
    static QByteArray multiByte(quint32 value);
};
