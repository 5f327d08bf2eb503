// Feeds arbitrary bytes to the picture tools' full WBMP decoder: every
// input is either refused with a message or decoded, and a decoded picture
// survives being written and read again unchanged.
#include "common/tarnelerror.h"
#include "pictures/wbmpcodec.h"
#include "pictures/wbmpheader.h"

#include <QByteArray>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    (void)WbmpHeader::read(bytes);
    QImage picture;
    try {
        picture = WbmpCodec::decode(bytes);
    } catch (const TarnelError &error) {
        if (error.text().isEmpty())
            abort();
        return 0;
    }
    const QImage again = WbmpCodec::decode(WbmpCodec::encode(picture));
    if (again.size() != picture.size())
        abort();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (WbmpCodec::isBlack(again, x, y) != WbmpCodec::isBlack(picture, x, y))
                abort();
    return 0;
}
