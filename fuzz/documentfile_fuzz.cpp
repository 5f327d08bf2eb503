// Decodes arbitrary bytes as a document and encodes the text back: a page
// loaded and saved unchanged keeps its characters, and its bytes whenever
// its line breaks were all LF or all CR.
#include "common/documentfile.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const LoadedDocument document = DocumentFile::decode(bytes);
    bool lossless = false;
    const QByteArray saved = DocumentFile::encode(document.text, document.encoding, &lossless, document.lineBreaks);
    if (!lossless)
        __builtin_trap();
    if (saved != bytes && document.lineBreaks != LineBreaks::Style::CrLf)
        __builtin_trap();
    return 0;
}
