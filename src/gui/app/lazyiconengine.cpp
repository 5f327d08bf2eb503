#include "lazyiconengine.h"

#include <QPainter>

LazyIconEngine::LazyIconEngine(Loader loader) : m_loader(std::move(loader)) {}

void LazyIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    loaded().paint(painter, rect, Qt::AlignCenter, mode, state);
}

QPixmap LazyIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return loaded().pixmap(size, mode, state);
}

QPixmap LazyIconEngine::scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale)
{
    return loaded().pixmap(size, scale, mode, state);
}

QSize LazyIconEngine::actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    return loaded().actualSize(size, mode, state);
}

QList<QSize> LazyIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state)
{
    return loaded().availableSizes(mode, state);
}

bool LazyIconEngine::isNull()
{
    return m_loaded && m_icon.isNull();
}

QIconEngine *LazyIconEngine::clone() const
{
    return new LazyIconEngine(m_loader);
}

QString LazyIconEngine::key() const
{
    return QStringLiteral("TarnelLazy");
}

const QIcon &LazyIconEngine::loaded()
{
    if (!m_loaded) {
        m_loaded = true;
        if (m_loader)
            m_icon = m_loader();
    }
    return m_icon;
}
