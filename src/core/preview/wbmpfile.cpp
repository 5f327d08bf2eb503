#include "wbmpfile.h"

#include "wbmpdecoder.h"

#include "common/programfolder.h"
#include "common/scratchfile.h"
#include "common/tarnelerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QBuffer>

namespace WbmpFile {

namespace {

// Image files are small; anything far beyond the largest picture the
// decoder takes is not read whole.
constexpr qint64 largestFile = qint64(WbmpDecoder::maximumSide) * WbmpDecoder::maximumSide / 8 + 64;

} // namespace

QString mappedPath(const QString &path)
{
    QString mapped = path;
    const int at = mapped.indexOf(QStringLiteral(".bmp"));
    if (at >= 0)
        mapped.replace(at, 4, QStringLiteral(".wbmp"));
    return mapped;
}

QString baseName(const QString &path, const QString &documentFolder)
{
    QString base = mappedPath(path);
    const int at = base.indexOf(QStringLiteral(".wbmp"));
    if (at >= 0)
        base.remove(at, 5);
    if (!documentFolder.isEmpty()) {
        QString folder = documentFolder;
        if (!folder.endsWith(QLatin1Char('/')))
            folder += QLatin1Char('/');
        if (base.startsWith(folder))
            return base.mid(folder.size());
    }
    const int separator = qMax(base.lastIndexOf(QLatin1Char('\\')), base.lastIndexOf(QLatin1Char(':')));
    return base.mid(separator + 1);
}

QImage load(const QString &path, const QColor &light)
{
    // Only plain files: a page naming a device or a pipe must not block.
    const QString mapped = mappedPath(path);
    if (!QFileInfo(mapped).isFile())
        return QImage();
    QFile file(mapped);
    if (!file.open(QIODevice::ReadOnly))
        return QImage();
    const WbmpDecoder::Result result = WbmpDecoder::decode(file.read(largestFile), light);
    switch (result.status) {
    case WbmpDecoder::Status::Decoded:
        return result.image;
    case WbmpDecoder::Status::TooShort:
        throw TarnelError(QStringLiteral("Read beyond end of file"));
    case WbmpDecoder::Status::Undecodable:
        break;
    }
    return QImage();
}

void writePreviewCopy(const QString &path, const QString &documentFolder, const QColor &light,
                      const QString &pageFolder)
{
    const QString temp = QDir::cleanPath(pageFolder.isEmpty() ? ProgramFolder::tempFolder() : pageFolder);
    writeCopyAs(path, temp + QLatin1Char('/') + baseName(path, documentFolder) + QStringLiteral(".bmp"), light, temp);
}

void writeCopyAs(const QString &path, const QString &target, const QColor &light, const QString &pageFolder)
{
    const QString folder = QDir::cleanPath(pageFolder);
    const QString cleanTarget = QDir::cleanPath(target);
    // A reference such as ../../x.wbmp must not write outside the page folder.
    if (!cleanTarget.startsWith(folder + QLatin1Char('/')))
        return;
    const QImage picture = load(path, light);
    if (picture.isNull())
        return;
    QDir().mkpath(QFileInfo(cleanTarget).absolutePath());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!picture.save(&buffer, "BMP"))
        throw TarnelError::cannotCreate(cleanTarget);
    // Written whole or not at all: a viewer never finds half a picture.
    ScratchFile::write(cleanTarget, bytes);
}

} // namespace WbmpFile
