#include "picturereference.h"

#include <QCryptographicHash>
#include <QStringList>

namespace PictureReference {

bool isConfined(const QString &reference)
{
    if (reference.isEmpty() || reference.startsWith(QLatin1Char('/')) || reference.startsWith(QLatin1Char('\\'))
        || reference.contains(QLatin1Char(':')))
        return false;
    const QStringList parts = QString(reference).replace(QLatin1Char('\\'), QLatin1Char('/')).split(QLatin1Char('/'));
    return !parts.contains(QStringLiteral(".."));
}

QString pageName(const QString &reference)
{
    // Only BMP copies are made; any other reference is the viewer's own.
    if (isConfined(reference) || !reference.contains(QLatin1String(".bmp"), Qt::CaseInsensitive))
        return reference;
    // The digest keeps ../a/logo.bmp and ../b/logo.bmp apart.
    const QByteArray digest = QCryptographicHash::hash(reference.toUtf8(), QCryptographicHash::Sha1).toHex().left(12);
    const qsizetype cut = qMax(qMax(reference.lastIndexOf(QLatin1Char('/')), reference.lastIndexOf(QLatin1Char('\\'))),
                               reference.lastIndexOf(QLatin1Char(':')));
    QString name = reference.mid(cut + 1);
    for (QChar &c : name) {
        const bool plain = (c >= QLatin1Char('a') && c <= QLatin1Char('z')) || (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
                        || (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')
                        || c == QLatin1Char('-') || c == QLatin1Char('_');
        if (!plain)
            c = QLatin1Char('_');
    }
    return QStringLiteral("outside/") + QString::fromLatin1(digest) + QLatin1Char('-') + name;
}

} // namespace PictureReference
