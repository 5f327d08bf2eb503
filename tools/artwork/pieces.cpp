// Building blocks shared by several toolbar icons.
#include "artwork.h"

#include <QPainterPath>

#include <cmath>

namespace art {

void page(QPainter &p, int x, int y, int w, int h)
{
    const qreal l = x + 0.5, t = y + 0.5, r = x + w - 0.5, b = y + h - 0.5;
    const qreal f = qMax(3, w / 3);

    QPainterPath sheet;
    sheet.moveTo(l, t);
    sheet.lineTo(r - f, t);
    sheet.lineTo(r, t + f);
    sheet.lineTo(r, b);
    sheet.lineTo(l, b);
    sheet.closeSubpath();

    QPainterPath fold;
    fold.moveTo(r - f, t);
    fold.lineTo(r - f, t + f);
    fold.lineTo(r, t + f);
    fold.closeSubpath();

    p.save();
    p.setPen(pen(pal::ink));
    p.setBrush(pal::paper);
    p.drawPath(sheet);
    p.setBrush(pal::paperShade);
    p.drawPath(fold);
    p.restore();
}

void floppy(QPainter &p, int x, int y, int s)
{
    const qreal l = x + 0.5, t = y + 0.5, r = x + s - 0.5, b = y + s - 0.5;
    const qreal cut = qMax(1, s / 6);

    QPainterPath shell;
    shell.moveTo(l, t);
    shell.lineTo(r - cut, t);
    shell.lineTo(r, t + cut);
    shell.lineTo(r, b);
    shell.lineTo(l, b);
    shell.closeSubpath();

    p.save();
    p.setPen(pen(pal::blueDark));
    p.setBrush(pal::blue);
    p.drawPath(shell);
    p.restore();

    // metal shutter with its window, hanging from the top edge
    const int sx = x + qRound(s * 0.28), sw = s - 2 * qRound(s * 0.28) + 1;
    const int sh = qRound(s * 0.36);
    fill(p, sx, y + 1, sw, sh - 1, pal::grey);
    fill(p, sx + sw - 1 - qMax(1, sw / 3), y + 2, qMax(1, sw / 4), qMax(1, sh - 3),
         pal::blueDark);

    // paper label
    const int lx = x + qRound(s * 0.2), lw = s - 2 * qRound(s * 0.2);
    const int ly = y + qRound(s * 0.5), lh = y + s - 1 - ly;
    fill(p, lx, ly, lw, lh, pal::paper);
    for (int ry = ly + 2; ry < ly + lh - 1; ry += 2)
        fill(p, lx + 1, ry, lw - 2, 1, pal::rule);
}

void printer(QPainter &p, int x, int y, int w, int h)
{
    const int paperX = x + qRound(w * 0.22), paperW = w - 2 * qRound(w * 0.22);
    const int bodyY = y + qRound(h * 0.3), bodyH = qRound(h * 0.5);

    box(p, paperX, y, paperW, bodyY - y + 1, pal::paper, pal::ink);
    box(p, x, bodyY, w, bodyH, pal::grey, pal::ink);
    fill(p, x + 1, bodyY + 1, w - 2, 1, pal::paperShade);          // top highlight
    fill(p, x + w - 3, bodyY + 2, 1, 1, pal::green);               // power light

    // printed sheet coming out of the front slot
    const int outY = bodyY + bodyH - 3;
    fill(p, x + 2, outY, w - 4, 1, pal::ink);
    box(p, paperX, outY, paperW, y + h - outY, pal::paper, pal::ink);
    for (int ry = outY + 2; ry < y + h - 1; ry += 2)
        fill(p, paperX + 1, ry, paperW - 2, 1, pal::rule);
}

void window(QPainter &p, int x, int y, int w, int h, bool active)
{
    box(p, x, y, w, h, pal::paper, pal::ink);
    fill(p, x + 1, y + 1, w - 2, 2, active ? pal::blue : pal::greyDark);
}

void indexCard(QPainter &p, int x, int y, int w, int h)
{
    box(p, x, y, w, h, pal::paper, pal::ink);
    fill(p, x + 1, y + 3, w - 2, 1, pal::red);
    for (int ry = y + 5; ry < y + h - 1; ry += 2)
        fill(p, x + 2, ry, w - 4, 1, pal::rule);
}

void magnifier(QPainter &p, qreal cx, qreal cy, qreal r, qreal handle)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal d = std::sqrt(0.5);

    QPen grip(pal::woodDark, 3.0);
    grip.setCapStyle(Qt::RoundCap);
    p.setPen(grip);
    p.drawLine(QPointF(cx + (r + 1.2) * d, cy + (r + 1.2) * d),
               QPointF(cx + (r + handle) * d, cy + (r + handle) * d));

    QColor glass = pal::blueLight;
    glass.setAlpha(220);
    p.setPen(pen(pal::ink, 1.5));
    p.setBrush(glass);
    p.drawEllipse(QPointF(cx, cy), r, r);

    QPen glint(QColor(255, 255, 255, 230), 1.2);
    glint.setCapStyle(Qt::RoundCap);
    p.setPen(glint);
    p.setBrush(Qt::NoBrush);
    const qreal gr = r * 0.55;
    p.drawArc(QRectF(cx - gr, cy - gr, 2 * gr, 2 * gr), 100 * 16, 70 * 16);
    p.restore();
}

} // namespace art
