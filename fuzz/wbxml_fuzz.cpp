// Reads arbitrary bytes as a compiled deck (a .wmlc file from anywhere),
// and compiles what it decodes again: neither side may crash, and what the
// reader writes must be well-formed WML.
#include "wbxml/wbxmlreader.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include <QByteArray>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const WbxmlReader::Result result
        = WbxmlReader::decode(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!result.ok)
        return 0;
    const auto document = WmlDocument::parse(result.text);
    if (!document->isWellFormed())
        __builtin_trap();
    WbxmlWriter::encode(*document);
    return 0;
}
