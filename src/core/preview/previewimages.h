#pragma once

#include <QColor>
#include <QString>

// The image scan of the Preview: every reference to a ".bmp" or ".wbmp"
// picture in the source (the text after the nearest double quote before
// the extension) is decoded from the document's folder into a BMP copy in
// the page folder, under the name PictureReference::pageName gives the
// reference as the page writes it. References that leave the document's
// folder ("..", absolute paths) are decoded from where they point and
// copied under a safe name inside the page folder; nothing is written
// outside it.
namespace PreviewImages {

// Scans source and writes the copies into pageFolder with
// light as the colour of 1 bits. Throws TarnelError when a picture ends
// inside its header or a copy cannot be written.
void scan(const QString &source, const QString &documentFolder, const QString &pageFolder, const QColor &light);

} // namespace PreviewImages
