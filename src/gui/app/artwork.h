#pragma once

#include <QIcon>
#include <QPixmap>
#include <QString>

// The program's own pictures, compiled in as PNG files (":/artwork/NAME.png"
// with a "NAME@2x.png" for high-density screens where there is one).
// They are read as PNG outright: an image reader left to guess the format
// loads every image format plugin installed to ask each whether it knows
// the picture, which cost a noticeable part of every start.
namespace Artwork {

QPixmap pixmap(const QString &name);
// The picture and its @2x version, if any, as one icon.
QIcon icon(const QString &name);

} // namespace Artwork
