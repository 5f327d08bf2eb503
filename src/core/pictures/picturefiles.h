#pragma once

#include <QImage>
#include <QString>

// Reading the pictures that are converted to WBMP: any format Qt's image
// readers know (PNG, JPEG, GIF, BMP, and more with Qt's image format
// plugins).
namespace PictureFiles {

// The open dialog's filter: "Pictures (*.png *.jpg …)|…|All files (*.*)|*.*".
QString openFilter();

// The picture at path, turned as its EXIF data says. Throws TarnelError
// "Cannot read picture PATH: REASON".
QImage read(const QString &path);

} // namespace PictureFiles
