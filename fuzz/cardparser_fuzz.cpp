// Feeds arbitrary page text to the card parser.
#include "cardmodel/cardmodel.h"
#include "cardmodel/cardparser.h"
#include "common/tarnelerror.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    // No tag list and no image folder: the parser's own work is what counts.
    static const QByteArray folder = QDir::tempPath().toLocal8Bit() + "/tarnel-fuzz-no-program";
    setenv("TARNEL_PROGRAM_DIR", folder.constData(), 1);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString source = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    CardModel model;
    model.setImageFolder(QStringLiteral("/nonexistent-tarnel-images"));
    try {
        CardParser::SplitCards(model, source);
    } catch (const TarnelError &) {
        // An image file that ends in its header is reported to the user.
    }
    return 0;
}
