#include "artwork.h"

#include "lazyiconengine.h"

#include <QFile>
#include <QImageReader>

namespace {

QPixmap readPng(const QString &path)
{
    QImageReader reader(path, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

QString pathOf(const QString &name)
{
    return QStringLiteral(":/artwork/%1.png").arg(name);
}

} // namespace

namespace Artwork {

QPixmap pixmap(const QString &name)
{
    return readPng(pathOf(name));
}

QIcon icon(const QString &name)
{
    // Read when first drawn, as an icon made from a file name would be.
    return QIcon(new LazyIconEngine([name] {
        QIcon icon;
        icon.addPixmap(pixmap(name));
        const QString doubled = pathOf(name + QStringLiteral("@2x"));
        if (QFile::exists(doubled)) {
            QPixmap large = readPng(doubled);
            large.setDevicePixelRatio(2.0);
            icon.addPixmap(large);
        }
        return icon;
    }));
}

} // namespace Artwork
