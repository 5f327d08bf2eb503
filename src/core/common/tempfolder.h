#pragma once

#include <QString>

// The folder "temp" beside the program holds the preview's pages and
// decoded images for the length of a run.
namespace TempFolder {

// Deletes every file in folder (subfolders and files that cannot be
// deleted are skipped without a word), then removes folder itself when it
// has become empty.
void clear(const QString &folder);

} // namespace TempFolder
