#include "pictureinsertion.h"

#include <QDir>
#include <QFileInfo>

namespace PictureInsertion {

namespace {

QString attributeText(QString value)
{
    return value.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('"'), QLatin1String("&quot;"));
}

} // namespace

QString pictureFileName(const QString &sourcePath)
{
    QString name = QFileInfo(sourcePath).completeBaseName();
    for (QChar &character : name) {
        const bool plain = (character.unicode() < 128 && character.isLetterOrNumber()) || character == QLatin1Char('-')
                           || character == QLatin1Char('_');
        if (!plain)
            character = QLatin1Char('_');
    }
    if (name.isEmpty() || name.count(QLatin1Char('_')) == name.size())
        name = QStringLiteral("picture");
    return name + QStringLiteral(".wbmp");
}

QString relativeSource(const QString &picturePath, const QString &documentFolder)
{
    if (documentFolder.isEmpty())
        return QDir::fromNativeSeparators(picturePath);
    return QDir::fromNativeSeparators(QDir(documentFolder).relativeFilePath(picturePath));
}

QString imgTag(const QString &source, const QString &alt, const QSize &size)
{
    return QStringLiteral("<img src=\"%1\" alt=\"%2\" width=\"%3\" height=\"%4\"/>")
        .arg(attributeText(source), attributeText(alt))
        .arg(size.width())
        .arg(size.height());
}

} // namespace PictureInsertion
