// Decodes arbitrary bytes as a document and encodes the text back: a page
// loaded and saved unchanged keeps its bytes.
#include "common/documentfile.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LoadedDocument document = DocumentFile::decode(bytes);
    bool lossless = false;
    (void)DocumentFile::encode(document.text, document.encoding, &lossless);
    if (!lossless)
        __builtin_trap();
    return 0;
}
