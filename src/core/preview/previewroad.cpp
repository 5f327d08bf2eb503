#include "previewroad.h"

#include "previewimages.h"

#include "cardmodel/cardmodel.h"
#include "cardmodel/cardparser.h"

namespace PreviewRoad {

PreviewPages::Result run(CardModel &model, const Request &request, SourceEditor &buffer)
{
    if (request.rebuildModel) {
        model.setImageFolder(request.documentFolder);
        CardParser::SplitCards(model, request.source);
    }
    const PreviewPages::Result pages = PreviewPages::BuildPreviewPages(model, request.pageFolder, buffer);
    // A colour the skin leaves out ("clNone") paints the pictures white.
    const QColor light = request.light.isValid() ? request.light : QColor(Qt::white);
    PreviewImages::scan(request.source, request.documentFolder, request.pageFolder, light);
    return pages;
}

} // namespace PreviewRoad
