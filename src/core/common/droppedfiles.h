#pragma once

#include <QStringList>

class QMimeData;

// Files dragged from the desktop's file manager: what a drop on the main
// window or on a document's editor opens.
namespace DroppedFiles {

// The local file paths a drag carries, in the order delivered; empty when
// it carries none (a drag of text, or of web addresses only).
QStringList localPaths(const QMimeData *data);

} // namespace DroppedFiles
