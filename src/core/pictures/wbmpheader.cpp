#include "wbmpheader.h"

namespace {

class ByteReader
{
public:
    explicit ByteReader(const QByteArray &bytes) : m_bytes(bytes) {}

    int position() const { return m_position; }

    bool byte(quint8 &value)
    {
        if (m_position >= m_bytes.size())
            return false;
        value = quint8(m_bytes.at(m_position++));
        return true;
    }

    bool skip(int count)
    {
        if (m_bytes.size() - m_position < count)
            return false;
        m_position += count;
        return true;
    }

    WbmpHeader::Status multiByte(quint32 &value)
    {
        value = 0;
        for (int count = 0; count < 4; ++count) {
            quint8 next;
            if (!byte(next))
                return WbmpHeader::Status::TooShort;
            value = (value << 7) | (next & 0x7f);
            if (!(next & 0x80))
                return WbmpHeader::Status::Read;
        }
        return WbmpHeader::Status::Malformed;
    }

private:
    const QByteArray &m_bytes;
    int m_position = 0;
};

// Type 3 extension fields are parameter and value pairs whose lengths the
// field byte gives (three bits and four bits); the other types are bit
// fields continued by the top bit.
bool skipExtensionHeaders(ByteReader &reader, quint8 fixHeader)
{
    if (!(fixHeader & 0x80))
        return true;
    const int type = (fixHeader >> 5) & 0x03;
    quint8 field;
    do {
        if (!reader.byte(field))
            return false;
        if (type == 3 && !reader.skip(((field >> 4) & 0x07) + (field & 0x0f)))
            return false;
    } while (field & 0x80);
    return true;
}

} // namespace

WbmpHeader WbmpHeader::read(const QByteArray &bytes)
{
    WbmpHeader header;
    ByteReader reader(bytes);
    header.status = reader.multiByte(header.type);
    if (header.status != Status::Read)
        return header;
    if (!reader.byte(header.fixHeader) || !skipExtensionHeaders(reader, header.fixHeader)) {
        header.status = Status::TooShort;
        return header;
    }
    quint32 sides[2] = {0, 0};
    for (quint32 &side : sides) {
        header.status = reader.multiByte(side);
        if (header.status != Status::Read)
            return header;
    }
    if (sides[0] > quint32(maximumSide) || sides[1] > quint32(maximumSide)) {
        header.status = Status::TooLarge;
        return header;
    }
    header.width = int(sides[0]);
    header.height = int(sides[1]);
    header.dataOffset = reader.position();
    return header;
}

QByteArray WbmpHeader::multiByte(quint32 value)
{
    QByteArray bytes(1, char(value & 0x7f));
    for (value >>= 7; value; value >>= 7)
        bytes.prepend(char(0x80 | (value & 0x7f)));
    return bytes;
}
