#pragma once

#include <QByteArray>
#include <QString>

// Files the program makes for itself (preview pages, picture copies). A
// file that cannot be written whole is removed, so no reader finds half a
// page. Unlike a saved document such a file is rewritten in place and not
// forced to the disk: a preview of hundreds of cards would otherwise wait
// on the disk hundreds of times.
namespace ScratchFile {

// Throws TarnelError "Cannot create file %s".
void write(const QString &path, const QByteArray &bytes);

} // namespace ScratchFile
