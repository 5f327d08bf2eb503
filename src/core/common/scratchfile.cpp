#include "scratchfile.h"

#include "tarnelerror.h"

#include <QFile>

namespace ScratchFile {

void write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    // Overwritten and then cut to size rather than emptied first: file
    // systems flush a file emptied and rewritten at once, which is slow.
    if (!file.open(QIODevice::ReadWrite))
        throw TarnelError::cannotCreate(path);
    const bool written = file.write(bytes) == bytes.size() && file.flush() && file.resize(bytes.size());
    file.close();
    if (!written || file.error() != QFileDevice::NoError) {
        file.remove();
        throw TarnelError::cannotCreate(path);
    }
}

} // namespace ScratchFile
