// Edit, search, help and window-arrangement icons.
#include "artwork.h"

#include <QPainterPath>
#include <QPolygonF>

namespace art {
namespace {

// Curved arrow bending back to the left; redo is its mirror image.
void curvedArrow(QPainter &p)
{
    p.save();
    QPen stroke(pal::blue, 2.2);
    stroke.setCapStyle(Qt::RoundCap);
    p.setPen(stroke);
    p.setBrush(Qt::NoBrush);
    QPainterPath bend;
    bend.moveTo(12.5, 13.5);
    bend.cubicTo(15.0, 8.5, 12.0, 5.0, 6.0, 5.5);
    p.drawPath(bend);

    QPainterPath head;
    head.moveTo(0.8, 5.5);
    head.lineTo(6.8, 1.0);
    head.lineTo(6.8, 10.0);
    head.closeSubpath();
    p.setPen(pen(pal::blueDark, 0.8));
    p.setBrush(pal::blue);
    p.drawPath(head);
    p.restore();
}

void drawUndo(QPainter &p)
{
    curvedArrow(p);
}

void drawRedo(QPainter &p)
{
    p.save();
    p.translate(16, 0);
    p.scale(-1, 1);
    curvedArrow(p);
    p.restore();
}

void drawFind(QPainter &p)
{
    magnifier(p, 6.5, 6.5, 4.8, 9.0);
}

void drawReplace(QPainter &p)
{
    magnifier(p, 5.0, 5.0, 4.0, 2.0);

    // two arrows swapping places, tucked under the lens
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x2f, 0x8a, 0x25));
    p.drawRect(QRectF(10, 8, 3, 2));
    p.drawPolygon(QPolygonF({QPointF(12, 5.5), QPointF(16, 9), QPointF(12, 12.5)}));
    p.setBrush(QColor(0xc9, 0x7c, 0x0c));
    p.drawRect(QRectF(8, 12, 6, 2));
    p.drawPolygon(QPolygonF({QPointF(8.5, 9.5), QPointF(4.5, 13), QPointF(8.5, 16.5)}));
    p.restore();
}

void drawHelp(QPainter &p)
{
    p.save();
    p.setPen(pen(pal::blueDark));
    p.setBrush(pal::blue);
    p.drawEllipse(QPointF(8, 8), 7.2, 7.2);
    p.restore();
    centredText(p, QRectF(0, 0.5, 16, 16), QStringLiteral("?"),
                font(QStringLiteral("DejaVu Sans"), 13, QFont::Bold), pal::paper);
}

void drawCascade(QPainter &p)
{
    window(p, 0, 0, 10, 8, false);
    window(p, 3, 4, 10, 8, false);
    window(p, 6, 8, 10, 8, true);
}

void drawTileHorz(QPainter &p)
{
    window(p, 0, 1, 16, 7, true);
    window(p, 0, 9, 16, 7, false);
}

void drawTileVert(QPainter &p)
{
    window(p, 0, 1, 8, 15, true);
    window(p, 8, 1, 8, 15, false);
}

} // namespace

void editIcons(std::vector<IconDef> &out)
{
    out.insert(out.end(), {
        {"undo", drawUndo},
        {"redo", drawRedo},
        {"find", drawFind},
        {"replace", drawReplace},
        {"help", drawHelp},
        {"cascade", drawCascade},
        {"tilehorz", drawTileHorz},
        {"tilevert", drawTileVert},
    });
}

} // namespace art
