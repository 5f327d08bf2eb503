#include "picturecanvas.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <algorithm>

PictureCanvas::PictureCanvas(PictureEdits &edits, QWidget *parent) : QWidget(parent), m_edits(edits)
{
    setObjectName(QStringLiteral("PictureCanvas"));
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCursor(Qt::CrossCursor);
    pictureChanged();
}

void PictureCanvas::setZoom(int zoom)
{
    m_zoom = std::clamp(zoom, minimumZoom, maximumZoom);
    pictureChanged();
}

void PictureCanvas::setGrid(bool on)
{
    m_grid = on;
    update();
}

QPoint PictureCanvas::pixelAt(const QPoint &position) const
{
    // Floor division, so points left of or above the picture stay outside.
    const auto cell = [this](int value) { return value >= 0 ? value / m_zoom : (value - m_zoom + 1) / m_zoom; };
    return QPoint(cell(position.x()), cell(position.y()));
}

QRect PictureCanvas::pixelRect(const QPoint &pixel) const
{
    return QRect(pixel.x() * m_zoom, pixel.y() * m_zoom, m_zoom, m_zoom);
}

QSize PictureCanvas::sizeHint() const
{
    return m_edits.size() * m_zoom;
}

void PictureCanvas::pictureChanged()
{
    setFixedSize(sizeHint());
    update();
}

void PictureCanvas::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    const QImage &picture = m_edits.picture();
    if (picture.isNull())
        return;
    const QRect dirty = event->rect();
    // Only the pixels of the damaged part, each one a filled square.
    const QPoint first = pixelAt(dirty.topLeft());
    const QPoint last = pixelAt(dirty.bottomRight());
    const int right = std::min(last.x(), picture.width() - 1);
    const int bottom = std::min(last.y(), picture.height() - 1);
    painter.fillRect(dirty, Qt::white);
    for (int y = std::max(first.y(), 0); y <= bottom; ++y) {
        for (int x = std::max(first.x(), 0); x <= right; ++x) {
            if (m_edits.isBlack(QPoint(x, y)))
                painter.fillRect(pixelRect(QPoint(x, y)), Qt::black);
        }
    }
    if (!gridShown())
        return;
    painter.setPen(QColor(190, 190, 190));
    for (int x = std::max(first.x(), 0); x <= right + 1; ++x)
        painter.drawLine(x * m_zoom, dirty.top(), x * m_zoom, dirty.bottom());
    for (int y = std::max(first.y(), 0); y <= bottom + 1; ++y)
        painter.drawLine(dirty.left(), y * m_zoom, dirty.right(), y * m_zoom);
}

void PictureCanvas::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint pixel = pixelAt(event->position().toPoint());
    m_edits.press(pixel);
    update(pixelRect(pixel));
}

void PictureCanvas::mouseMoveEvent(QMouseEvent *event)
{
    if (!(event->buttons() & Qt::LeftButton) || !m_edits.inStroke())
        return;
    const QPoint pixel = pixelAt(event->position().toPoint());
    m_edits.drag(pixel);
    update(pixelRect(pixel));
}

void PictureCanvas::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_edits.inStroke())
        return;
    m_edits.release();
    emit edited();
}
