#pragma once

#include "previewpages.h"

#include <QColor>

class CardModel;
class SourceEditor;

// Everything entering the Preview does, without any window: the card model
// rebuilt from the source (when asked), a page per card written into the
// page folder, and the pictures the source refers to decoded beside them.
namespace PreviewRoad {

struct Request
{
    QString source;
    QString documentFolder; // empty: references are taken as they stand
    QString pageFolder;     // the temp folder, or a tool's output folder
    QColor light;           // the screen colour, for the pictures' 1 bits
    bool rebuildModel = true;
};

// Throws TarnelError at the first failure; what was done before it stays.
PreviewPages::Result run(CardModel &model, const Request &request, SourceEditor &buffer);

} // namespace PreviewRoad
