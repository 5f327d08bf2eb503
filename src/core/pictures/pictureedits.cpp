#include "pictureedits.h"

#include "wbmpcodec.h"
#include "wbmpheader.h"

#include <algorithm>

PictureEdits::PictureEdits(const QImage &picture) : m_picture(WbmpCodec::normalized(picture)) {}

bool PictureEdits::isBlack(const QPoint &pixel) const
{
    return m_picture.valid(pixel) && WbmpCodec::isBlack(m_picture, pixel.x(), pixel.y());
}

void PictureEdits::beginStep()
{
    m_undo.append({m_picture, m_revision});
    m_redo.clear();
    m_revision = m_nextRevision++;
}

void PictureEdits::setPixel(const QPoint &pixel, bool black)
{
    if (!m_picture.valid(pixel) || isBlack(pixel) == black)
        return;
    m_picture.setPixel(pixel, black ? 0 : 1);
    m_strokeChanged = true;
}

void PictureEdits::press(const QPoint &pixel)
{
    if (m_inStroke)
        release();
    if (!m_picture.valid(pixel))
        return;
    m_inStroke = true;
    m_strokeChanged = false;
    m_beforeStroke = m_picture;
    m_strokeBlack = !isBlack(pixel);
    setPixel(pixel, m_strokeBlack);
}

void PictureEdits::drag(const QPoint &pixel)
{
    if (m_inStroke)
        setPixel(pixel, m_strokeBlack);
}

void PictureEdits::release()
{
    if (!m_inStroke)
        return;
    m_inStroke = false;
    if (!m_strokeChanged)
        return;
    const QImage after = m_picture;
    m_picture = m_beforeStroke;
    beginStep();
    m_picture = after;
    m_beforeStroke = QImage();
}

void PictureEdits::invert()
{
    release();
    if (m_picture.isNull())
        return;
    beginStep();
    m_picture.invertPixels();
}

void PictureEdits::resizeCanvas(const QSize &size)
{
    release();
    const QSize bounded(std::clamp(size.width(), 1, WbmpHeader::maximumSide),
                        std::clamp(size.height(), 1, WbmpHeader::maximumSide));
    if (bounded == m_picture.size())
        return;
    beginStep();
    QImage resized = WbmpCodec::blank(bounded);
    const int width = std::min(bounded.width(), m_picture.width());
    const int height = std::min(bounded.height(), m_picture.height());
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            if (WbmpCodec::isBlack(m_picture, x, y))
                resized.setPixel(x, y, 0);
        }
    }
    m_picture = resized;
}

void PictureEdits::undo()
{
    release();
    if (m_undo.isEmpty())
        return;
    m_redo.append({m_picture, m_revision});
    const Step step = m_undo.takeLast();
    m_picture = step.picture;
    m_revision = step.revision;
}

void PictureEdits::redo()
{
    release();
    if (m_redo.isEmpty())
        return;
    m_undo.append({m_picture, m_revision});
    const Step step = m_redo.takeLast();
    m_picture = step.picture;
    m_revision = step.revision;
}
