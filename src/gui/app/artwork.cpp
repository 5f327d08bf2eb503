#include "artwork.h"

#include <QFile>
#include <QIconEngine>
#include <QImageReader>
#include <QPainter>

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

// Reads an icon's pictures the first time it is drawn, as an icon made
// from a file name would, but as PNG outright.
class ArtworkIconEngine : public QIconEngine
{
public:
    explicit ArtworkIconEngine(const QString &name) : m_name(name) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return loaded().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return loaded().availableSizes(mode, state);
    }
    QIconEngine *clone() const override { return new ArtworkIconEngine(m_name); }
    QString key() const override { return QStringLiteral("TarnelArtwork"); }
    bool isNull() override { return loaded().isNull(); }

private:
    const QIcon &loaded()
    {
        if (!m_loaded) {
            m_icon.addPixmap(readPng(pathOf(m_name)));
            const QString doubled = pathOf(m_name + QStringLiteral("@2x"));
            if (QFile::exists(doubled)) {
                QPixmap large = readPng(doubled);
                large.setDevicePixelRatio(2.0);
                m_icon.addPixmap(large);
            }
            m_loaded = true;
        }
        return m_icon;
    }

    QString m_name;
    QIcon m_icon;
    bool m_loaded = false;
};

} // namespace

namespace Artwork {

QPixmap pixmap(const QString &name)
{
    return readPng(pathOf(name));
}

QIcon icon(const QString &name)
{
    return QIcon(new ArtworkIconEngine(name));
}

} // namespace Artwork
