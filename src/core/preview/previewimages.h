#pragma once

#include <QColor>
#include <QString>

class SourceEditor;

// The image scan of the Preview: every reference to a ".bmp" or ".wbmp"
// picture in the source (the text after the nearest double quote before
// the extension) is decoded from the document's folder into a BMP copy in
// the page folder, under the reference as the page writes it. References
// that leave their folder (".."), absolute paths and drives are skipped.
namespace PreviewImages {

// Whether a reference stays inside the folder it is taken from.
bool isConfined(const QString &reference);

// Scans source through buffer and writes the copies into pageFolder with
// light as the colour of 1 bits. Throws TarnelError when a picture ends
// inside its header or a copy cannot be written.
void scan(const QString &source, const QString &documentFolder, const QString &pageFolder, const QColor &light,
          SourceEditor &buffer);

} // namespace PreviewImages
