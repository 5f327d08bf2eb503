#include "rulesets.h"

#include "checkcontext.h"
#include "decktext.h"

#include "pictures/wbmpheader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QUrl>

// The pictures of a deck as the phone gets them: a WBMP type 0 file beside
// the deck, no larger than the screen, no heavier than the phone takes,
// large enough to be seen. These are warnings: the page still works
// without its pictures. (An <img> without alt is an error of the document
// type already.)

namespace PictureRules {

namespace {

// The smallest picture worth sending: below 8 × 8 pixels a phone's screen
// shows a speck.
constexpr int smallestSide = 8;

// The file an <img src> names, when it is a file beside the deck: not a
// web address, no variables, no absolute path. Empty otherwise.
QString localFile(const QString &folder, const QString &source)
{
    QString path = source.trimmed();
    if (path.isEmpty() || path.contains(QLatin1Char('$')) || path.startsWith(QLatin1Char('/'))
        || path.startsWith(QLatin1Char('#')) || QUrl(path).scheme().size() > 1)
        return QString();
    path = path.section(QLatin1Char('#'), 0, 0).section(QLatin1Char('?'), 0, 0);
    path = QUrl::fromPercentEncoding(path.toUtf8());
    if (path.isEmpty())
        return QString();
    return QDir(folder).filePath(path);
}

void checkFile(const CheckContext &context, const WmlNode &image, const WmlAttribute &source)
{
    const QString path = localFile(context.documentFolder(), source.value);
    if (path.isEmpty())
        return;
    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        context.warning(QStringLiteral("wml-picture-missing"), source.valueRange,
                        CheckContext::tr("There is no picture %1 beside the deck").arg(source.value.trimmed()));
        return;
    }
    // The header is at most a few dozen bytes even with extension headers.
    const WbmpHeader header = WbmpHeader::read(file.read(256));
    if (!header.isRead() || header.type != 0 || header.width == 0 || header.height == 0) {
        context.warning(QStringLiteral("wml-picture-type"), source.valueRange,
                        CheckContext::tr("%1 is not a WBMP type 0 picture, the one kind every WAP phone shows")
                            .arg(source.value.trimmed()));
        return;
    }
    const DeviceProfile &device = context.device();
    if ((device.screenWidth > 0 && header.width > device.screenWidth)
        || (device.screenHeight > 0 && header.height > device.screenHeight)) {
        context.warning(QStringLiteral("device-picture-size"), source.valueRange,
                        CheckContext::tr("The picture is %1 × %2 pixels; the screen of the %3 is %4 × %5")
                            .arg(header.width)
                            .arg(header.height)
                            .arg(device.name)
                            .arg(device.screenWidth)
                            .arg(device.screenHeight));
    } else if (header.width < smallestSide || header.height < smallestSide) {
        context.warning(QStringLiteral("wml-picture-small"), source.valueRange,
                        CheckContext::tr("The picture is only %1 × %2 pixels, too small to be seen on a phone "
                                         "(8 × 8 at least)")
                            .arg(header.width)
                            .arg(header.height));
    }
    // On the start tag: the file's weight is a matter of the whole picture,
    // and its size may be wrong as well.
    if (device.maxPictureBytes > 0 && info.size() > device.maxPictureBytes) {
        context.warning(QStringLiteral("device-picture-bytes"), image.startTag,
                        CheckContext::tr("The picture %1 is %2 bytes; the %3 shows pictures up to %4 bytes")
                            .arg(source.value.trimmed())
                            .arg(info.size())
                            .arg(device.name)
                            .arg(device.maxPictureBytes));
    }
}

void pictureFiles(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root || context.documentFolder().isEmpty())
        return;
    forEachElement(*root, [&](const WmlNode &element) {
        if (element.name != QLatin1String("img"))
            return;
        if (const WmlAttribute *source = element.attribute(u"src"))
            checkFile(context, element, *source);
    });
}

} // namespace

QList<Checker::Rule> rules()
{
    return {
        {"wml-picture-file", true, true, true, pictureFiles},
    };
}

} // namespace PictureRules
