#include "picturefiles.h"

#include "common/tarnelerror.h"

#include <QCoreApplication>
#include <QImageReader>
#include <QStringList>

namespace PictureFiles {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("PictureFiles", text);
}
} // namespace

QString openFilter()
{
    QStringList patterns;
    for (const QByteArray &format : QImageReader::supportedImageFormats())
        patterns << QStringLiteral("*.") + QString::fromLatin1(format).toLower();
    patterns.removeDuplicates();
    const QString list = patterns.join(QLatin1Char(' '));
    return tr("Pictures (%1)").arg(list) + QLatin1Char('|') + list + QLatin1Char('|') + tr("All files (*.*)")
           + QStringLiteral("|*.*");
}

QImage read(const QString &path)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QImage image = reader.read();
    if (image.isNull())
        throw TarnelError(tr("Cannot read picture %1: %2").arg(path, reader.errorString()));
    return image;
}

} // namespace PictureFiles
