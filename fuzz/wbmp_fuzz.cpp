// Feeds arbitrary bytes to the WBMP decoder.
#include "preview/wbmpdecoder.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const WbmpDecoder::Result result = WbmpDecoder::decode(bytes, QColor(127, 175, 144));
    if (result.status == WbmpDecoder::Status::Decoded && !result.image.isNull())
        (void)result.image.pixel(result.image.width() - 1, result.image.height() - 1);
    return 0;
}
