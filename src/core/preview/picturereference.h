#pragma once

#include <QString>

// Where the preview keeps the BMP copy of a picture a page refers to,
// relative to the page folder. A reference inside the document's folder
// keeps its own name, so "pics/logo.bmp" is copied to pics/logo.bmp beside
// the pages. One that leaves that folder ("../img/logo.bmp", an absolute
// path, a drive or a scheme) could not be copied under its own name
// without writing outside the page folder, so it gets a safe name of its
// own, which the page's image then points at instead.
namespace PictureReference {

// Whether a reference stays inside the folder it is taken from.
bool isConfined(const QString &reference);

// The copy's name for reference (as the page writes it, ending ".bmp"):
// the reference itself when it is confined or names no ".bmp" (in any
// letter case; the preview makes no copy of other pictures), otherwise "outside/" + twelve
// hexadecimal digits of a digest of the whole reference + "-" + its last
// part with everything but letters, digits, ".", "-" and "_" made "_".
QString pageName(const QString &reference);

} // namespace PictureReference
