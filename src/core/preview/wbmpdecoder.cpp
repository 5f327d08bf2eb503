#include "wbmpdecoder.h"

namespace WbmpDecoder {

namespace {

// Reads the bytes of a WBMP header in order and notices the end of data.
class HeaderReader
{
public:
    explicit HeaderReader(const QByteArray &bytes) : m_bytes(bytes) {}

    bool atEnd() const { return m_position >= m_bytes.size(); }
    int position() const { return m_position; }

    bool byte(quint8 &value)
    {
        if (atEnd())
            return false;
        value = quint8(m_bytes.at(m_position++));
        return true;
    }

    // A multi-byte integer: seven bits a byte, most significant first, the
    // top bit set on every byte but the last. At most four bytes.
    enum class Read { Ok, End, Malformed };
    Read multiByte(quint32 &value)
    {
        value = 0;
        for (int count = 0; count < 4; ++count) {
            quint8 next;
            if (!byte(next))
                return Read::End;
            value = (value << 7) | (next & 0x7f);
            if (!(next & 0x80))
                return Read::Ok;
        }
        return Read::Malformed;
    }

    bool skip(int count)
    {
        if (m_bytes.size() - m_position < count)
            return false;
        m_position += count;
        return true;
    }

private:
    const QByteArray &m_bytes;
    int m_position = 0;
};

// Skips the extension headers a fix header with its top bit announces.
HeaderReader::Read skipExtensionHeaders(HeaderReader &reader, quint8 fixHeader)
{
    if (!(fixHeader & 0x80))
        return HeaderReader::Read::Ok;
    const int type = (fixHeader >> 5) & 0x03;
    quint8 field;
    do {
        if (!reader.byte(field))
            return HeaderReader::Read::End;
        // Type 3 fields are parameter and value pairs whose sizes the field
        // byte gives; the other types are bit fields continued by the top bit.
        if (type == 3 && !reader.skip(((field >> 4) & 0x07) + (field & 0x0f)))
            return HeaderReader::Read::End;
    } while (field & 0x80);
    return HeaderReader::Read::Ok;
}

} // namespace

Result decode(const QByteArray &bytes, const QColor &light)
{
    HeaderReader reader(bytes);
    quint8 type;
    quint8 fixHeader;
    if (!reader.byte(type) || !reader.byte(fixHeader))
        return {Status::TooShort, {}};
    switch (skipExtensionHeaders(reader, fixHeader)) {
    case HeaderReader::Read::Ok:
        break;
    case HeaderReader::Read::End:
        return {Status::TooShort, {}};
    case HeaderReader::Read::Malformed:
        return {Status::Undecodable, {}};
    }
    quint32 width;
    quint32 height;
    for (quint32 *side : {&width, &height}) {
        switch (reader.multiByte(*side)) {
        case HeaderReader::Read::Ok:
            break;
        case HeaderReader::Read::End:
            return {Status::TooShort, {}};
        case HeaderReader::Read::Malformed:
            return {Status::Undecodable, {}};
        }
    }
    if (width > quint32(maximumSide) || height > quint32(maximumSide))
        return {Status::Undecodable, {}};
    if (width == 0 || height == 0)
        return {Status::Decoded, {}};

    QImage image(int(width), int(height), QImage::Format_RGB32);
    image.fill(Qt::white);
    const QRgb lightPixel = light.rgb();
    const QRgb blackPixel = qRgb(0, 0, 0);
    const int rowBytes = int((width + 7) / 8);
    const char *data = bytes.constData() + reader.position();
    const qsizetype available = bytes.size() - reader.position();
    for (int y = 0; y < int(height); ++y) {
        const qsizetype rowStart = qsizetype(y) * rowBytes;
        if (rowStart >= available)
            break;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < int(width); ++x) {
            const qsizetype at = rowStart + x / 8;
            if (at >= available)
                break;
            const bool on = quint8(data[at]) & (0x80 >> (x % 8));
            line[x] = on ? lightPixel : blackPixel;
        }
    }
    return {Status::Decoded, image};
}

} // namespace WbmpDecoder
