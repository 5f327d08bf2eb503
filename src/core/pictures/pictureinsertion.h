#pragma once

#include <QSize>
#include <QString>

// Where a converted picture goes and the tag that shows it on the page.
namespace PictureInsertion {

// A file name for the picture made from source: its base name with every
// character other than letters, digits, "-" and "_" made "_", then
// ".wbmp" ("Holiday photo.JPG" gives "Holiday_photo.wbmp"). "picture.wbmp"
// when nothing is left.
QString pictureFileName(const QString &sourcePath);

// The src of picturePath as a page in documentFolder writes it: relative,
// with forward slashes.
QString relativeSource(const QString &picturePath, const QString &documentFolder);

// <img src="SRC" alt="ALT" width="W" height="H"/>, the values escaped for
// an attribute in double quotes.
QString imgTag(const QString &source, const QString &alt, const QSize &size);

} // namespace PictureInsertion
