#include "previewimages.h"

#include "picturereference.h"
#include "wbmpfile.h"

#include "editor/sourceeditor.h"
#include "editor/textsearch.h"

#include <QDir>

namespace PreviewImages {

void scan(const QString &source, const QString &documentFolder, const QString &pageFolder, const QColor &light,
          SourceEditor &buffer)
{
    buffer.setText(QString(source).replace(QLatin1String(".wbmp"), QLatin1String(".bmp")));
    buffer.setCaret(0);
    SearchOptions forward;
    SearchOptions backward;
    backward.forward = false;
    const QString extension = QStringLiteral(".bmp");
    int from = 0;
    for (;;) {
        const TextSearch::Match match = TextSearch::find(buffer, extension, from, forward);
        if (!match.found())
            break;
        const int end = match.start + match.length;
        const TextSearch::Match quote = TextSearch::find(buffer, QStringLiteral("\""), end, backward);
        QString reference;
        if (quote.found()) {
            buffer.setSelection(quote.start + 1, end);
            reference = buffer.selectedText();
        }
        if (PictureReference::isConfined(reference)) {
            const QString path = documentFolder.isEmpty() ? reference : documentFolder + QLatin1Char('/') + reference;
            WbmpFile::writePreviewCopy(path, documentFolder, light, pageFolder);
        } else if (!reference.isEmpty()) {
            // Absolute paths stand as they are; the rest is taken from the document's folder.
            const QString path = QDir::cleanPath(documentFolder.isEmpty() ? reference : QDir(documentFolder).filePath(reference));
            const QString folder = QDir::cleanPath(pageFolder);
            WbmpFile::writeCopyAs(path, folder + QLatin1Char('/') + PictureReference::pageName(reference), light, folder);
        }
        buffer.setCaret(end);
        from = end;
    }
}

} // namespace PreviewImages
