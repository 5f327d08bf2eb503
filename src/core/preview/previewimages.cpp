#include "previewimages.h"

#include "wbmpfile.h"

#include "editor/sourceeditor.h"
#include "editor/textsearch.h"

#include <QDir>

namespace PreviewImages {

bool isConfined(const QString &reference)
{
    if (reference.isEmpty() || reference.startsWith(QLatin1Char('/')) || reference.startsWith(QLatin1Char('\\'))
        || reference.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = QString(reference).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

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
        if (isConfined(reference)) {
            const QString path = documentFolder.isEmpty() ? reference : documentFolder + QLatin1Char('/') + reference;
            WbmpFile::writePreviewCopy(path, documentFolder, light, pageFolder);
        }
        buffer.setCaret(end);
        from = end;
    }
}

} // namespace PreviewImages
