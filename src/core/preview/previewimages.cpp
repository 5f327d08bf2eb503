#include "previewimages.h"

#include "picturereference.h"
#include "wbmpfile.h"

#include "common/linebreaks.h"
#include "editor/textsearch.h"

#include <QDir>

namespace PreviewImages {

void scan(const QString &source, const QString &documentFolder, const QString &pageFolder, const QColor &light)
{
    // One normalised, one upper-cased copy: every search below is a plain
    // index scan, so a one-line deck with thousands of pictures costs one pass.
    const QString text = LineBreaks::normalized(QString(source).replace(QLatin1String(".wbmp"), QLatin1String(".bmp")));
    const QString upper = TextSearch::upperCased(text);
    const QLatin1String extension(".BMP");
    for (qsizetype at = upper.indexOf(extension); at >= 0; at = upper.indexOf(extension, at + extension.size())) {
        const qsizetype end = at + extension.size();
        // The reference is what follows the nearest double quote before the
        // extension, even when that quote is on an earlier line.
        const qsizetype quote = text.lastIndexOf(QLatin1Char('"'), end - 1);
        const QString reference = quote >= 0 ? text.mid(quote + 1, end - quote - 1) : QString();
        if (PictureReference::isConfined(reference)) {
            const QString path = documentFolder.isEmpty() ? reference : documentFolder + QLatin1Char('/') + reference;
            WbmpFile::writePreviewCopy(path, documentFolder, light, pageFolder);
        } else if (!reference.isEmpty()) {
            // Absolute paths stand as they are; the rest is taken from the document's folder.
            const QString path = QDir::cleanPath(documentFolder.isEmpty() ? reference : QDir(documentFolder).filePath(reference));
            const QString folder = QDir::cleanPath(pageFolder);
            WbmpFile::writeCopyAs(path, folder + QLatin1Char('/') + PictureReference::pageName(reference), light, folder);
        }
    }
}

} // namespace PreviewImages
