// Application icon: the handset between a pair of angle brackets.
#include "artwork.h"

#include <QPainterPath>

#include <cmath>

namespace art {

void drawAppIcon(QPainter &p, int size)
{
    p.setRenderHint(QPainter::Antialiasing);
    const bool small = size < 100;
    const qreal s = size / 256.0;

    // Brackets: thick strokes with rounded ends.  At small sizes the stroke
    // is kept to whole pixels so it does not turn to mush.
    qreal stroke = 20 * s;
    if (small)
        stroke = std::max(3.0, std::round(stroke));
    QPen bracket(pal::green, stroke);
    bracket.setCapStyle(Qt::RoundCap);
    bracket.setJoinStyle(Qt::RoundJoin);
    p.setPen(bracket);
    p.setBrush(Qt::NoBrush);

    const qreal inner = small ? 11.0 / 48 * 256 : 54;  // open end of each bracket
    const qreal tip = small ? 2.5 / 48 * 256 : 16;
    const qreal half = 40;                            // half height
    QPainterPath left;
    left.moveTo(inner * s, (128 - half) * s);
    left.lineTo(tip * s, 128 * s);
    left.lineTo(inner * s, (128 + half) * s);
    p.drawPath(left);
    QPainterPath right;
    right.moveTo(size - inner * s, (128 - half) * s);
    right.lineTo(size - tip * s, 128 * s);
    right.lineTo(size - inner * s, (128 + half) * s);
    p.drawPath(right);

    if (small) {
        const qreal w = std::round(22.0 / 48 * size);
        drawPhone(p, QRectF(std::round((size - w) / 2), 1, w, size - 2), Screen::MiniCard, true);
    } else {
        drawPhone(p, QRectF(66 * s, 6 * s, 124 * s, 244 * s), Screen::Card, false);
    }
}

} // namespace art
