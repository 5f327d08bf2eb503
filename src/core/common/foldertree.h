#pragma once

#include <QString>

// Removing a folder with everything in it, at the speed of the file
// system: each folder is read once, each entry unlinked by name relative
// to its open folder. Symbolic links are removed, never followed, so a
// link inside the tree cannot lead the removal elsewhere.
namespace FolderTree {

// Removes path and all it holds. Returns true when path is gone
// afterwards (a path that did not exist counts as gone); entries that
// cannot be removed are passed over and leave their folders behind.
bool remove(const QString &path);

} // namespace FolderTree
