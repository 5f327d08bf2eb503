// The whole Preview road over arbitrary deck text, writing into a scratch
// folder, and checking that nothing is written outside it.
#include "cardmodel/cardmodel.h"
#include "common/tarnelerror.h"
#include "editor/plaintextbuffer.h"
#include "preview/previewroad.h"

#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {
QTemporaryDir *scratch = nullptr;
}

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    scratch = new QTemporaryDir;
    QDir(scratch->path()).mkpath(QStringLiteral("program/temp"));
    QDir(scratch->path()).mkpath(QStringLiteral("site/pics"));
    setenv("TARNEL_PROGRAM_DIR", QFile::encodeName(scratch->filePath(QStringLiteral("program"))).constData(), 1);
    QFile picture(scratch->filePath(QStringLiteral("site/pics/a.wbmp")));
    if (picture.open(QIODevice::WriteOnly))
        picture.write(QByteArray::fromHex("0000080255aa"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    CardModel model;
    PlainTextBuffer buffer;
    PreviewRoad::Request request;
    request.source = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    request.documentFolder = scratch->filePath(QStringLiteral("site"));
    request.pageFolder = scratch->filePath(QStringLiteral("program/temp"));
    request.light = QColor(127, 175, 144);
    try {
        PreviewRoad::run(model, request, buffer);
    } catch (const TarnelError &) {
        // Reported to the user.
    }
    // Only the page folder may have gained files.
    QDirIterator everything(scratch->path(), QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot,
                            QDirIterator::Subdirectories);
    while (everything.hasNext()) {
        const QString path = everything.next();
        if (!path.startsWith(request.pageFolder + QLatin1Char('/')) && !path.endsWith(QLatin1String("/a.wbmp")))
            __builtin_trap();
    }
    QDir(request.pageFolder).removeRecursively();
    QDir().mkpath(request.pageFolder);
    return 0;
}
