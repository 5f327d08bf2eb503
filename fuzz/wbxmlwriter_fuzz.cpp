// Compiles arbitrary well-formed text as a deck and reads it back: the
// reader must take every deck the writer makes.
#include "wbxml/wbxmlreader.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include <QString>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const auto document
        = WmlDocument::parse(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!document->isWellFormed() || !document->root())
        return 0;
    if (!WbxmlReader::decode(WbxmlWriter::encode(*document)).ok)
        __builtin_trap();
    return 0;
}
