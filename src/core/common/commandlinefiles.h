#pragma once

#include <QString>

// Paths named on the command line or dropped on the window.
namespace CommandLineFiles {

// The absolute, cleaned form of argument against currentFolder. The file
// system is case-preserving here, so the long form of a path is the path.
QString documentPath(const QString &argument, const QString &currentFolder);

// Creates an empty file when none exists at path. Throws TarnelError
// "Cannot create file %s" when it cannot.
void ensureExists(const QString &path);

} // namespace CommandLineFiles
