#pragma once

#include <QColor>
#include <QImage>
#include <QString>

// The WBMP pictures a page refers to, found and decoded. A path may name
// the WBMP file itself or the name a preview page uses for its BMP copy
// (".bmp" in place of ".wbmp"). Files that cannot be opened or decoded are
// passed over silently: the page simply shows no picture.
namespace WbmpFile {

// The file to decode: the first ".bmp" (exact case) becomes ".wbmp".
QString mappedPath(const QString &path);

// The name of the BMP copy without its extension: the mapped path without
// its first ".wbmp", taken relative to documentFolder when it lies inside
// it, otherwise from after its last backslash or colon. For a page in
// /site that refers to pics/logo.wbmp this is "pics/logo".
QString baseName(const QString &path, const QString &documentFolder);

// The decoded picture, with light as the colour of 1 bits; null when the
// file cannot be opened or decoded. Throws TarnelError "Read beyond end of
// file" when the file ends inside its header.
QImage load(const QString &path, const QColor &light);

// Decodes the picture and writes it as base name + ".bmp" into pageFolder
// (the temp folder when empty), replacing an older copy; a sub-folder the
// base name names is created there. Nothing is written for a file that
// cannot be opened or decoded, for an empty picture, or for a base name
// that would lead out of the page folder. Throws TarnelError for a short
// header and "Cannot create file %s" when the copy cannot be written.
void writePreviewCopy(const QString &path, const QString &documentFolder, const QColor &light,
                      const QString &pageFolder = QString());

// Decodes the picture at path and writes it as the BMP file target, which
// must lie inside pageFolder (sub-folders are created); as above, nothing
// is written for a picture that cannot be read or for a target outside.
void writeCopyAs(const QString &path, const QString &target, const QColor &light, const QString &pageFolder);

} // namespace WbmpFile
