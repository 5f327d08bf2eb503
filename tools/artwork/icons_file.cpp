// File menu and file toolbar icons.
#include "artwork.h"

#include <QPainterPath>

namespace art {
namespace {

void drawNew(QPainter &p)
{
    page(p, 2, 0, 12, 16);
}

void drawOpen(QPainter &p)
{
    // back of the folder with its tab
    QPainterPath back;
    back.moveTo(0.5, 2.5);
    back.lineTo(5.5, 2.5);
    back.lineTo(7.5, 4.5);
    back.lineTo(13.5, 4.5);
    back.lineTo(13.5, 13.5);
    back.lineTo(0.5, 13.5);
    back.closeSubpath();

    // front flap, opened towards the viewer
    QPainterPath front;
    front.moveTo(3.5, 7.5);
    front.lineTo(15.5, 7.5);
    front.lineTo(12.5, 13.5);
    front.lineTo(0.5, 13.5);
    front.closeSubpath();

    p.save();
    p.setPen(pen(pal::yellowDark));
    p.setBrush(pal::amber);
    p.drawPath(back);
    fill(p, 2, 5, 5, 1, pal::yellow);           // sheet peeking out
    p.setBrush(pal::yellow);
    p.drawPath(front);
    p.restore();
}

void drawSave(QPainter &p)
{
    floppy(p, 1, 1, 14);
}

void drawClose(QPainter &p)
{
    page(p, 1, 0, 11, 14);
    p.save();
    p.setPen(pen(pal::redDark));
    p.setBrush(pal::red);
    p.drawEllipse(QPointF(11.5, 11.5), 4.0, 4.0);
    QPen cross(pal::paper, 1.6);
    cross.setCapStyle(Qt::RoundCap);
    p.setPen(cross);
    p.drawLine(QPointF(9.8, 9.8), QPointF(13.2, 13.2));
    p.drawLine(QPointF(13.2, 9.8), QPointF(9.8, 13.2));
    p.restore();
}

void drawPrint(QPainter &p)
{
    printer(p, 1, 1, 14, 14);
}

void drawExit(QPainter &p)
{
    // door frame and an open door
    box(p, 1, 1, 9, 15, pal::ink, pal::ink);
    fill(p, 2, 2, 7, 14, QColor(0x2b, 0x33, 0x3b));  // dark doorway
    QPainterPath door;
    door.moveTo(1.5, 1.5);
    door.lineTo(6.5, 3.5);
    door.lineTo(6.5, 15.5);
    door.lineTo(1.5, 15.5);
    door.closeSubpath();
    p.save();
    p.setPen(pen(pal::woodDark));
    p.setBrush(pal::wood);
    p.drawPath(door);
    p.restore();
    fill(p, 5, 9, 1, 1, pal::yellow);                  // knob

    // green arrow leading out
    QPainterPath arrow;
    arrow.moveTo(7.5, 7.5);
    arrow.lineTo(11.5, 7.5);
    arrow.lineTo(11.5, 4.5);
    arrow.lineTo(15.5, 9.0);
    arrow.lineTo(11.5, 13.5);
    arrow.lineTo(11.5, 10.5);
    arrow.lineTo(7.5, 10.5);
    arrow.closeSubpath();
    p.save();
    p.setPen(pen(pal::greenDark));
    p.setBrush(pal::green);
    p.drawPath(arrow);
    p.restore();
}

void drawTemplate(QPainter &p)
{
    page(p, 2, 0, 12, 16);
    // dashed placeholder frame
    for (int i = 0; i < 7; ++i) {
        if (i % 2 == 0) {
            fill(p, 4 + i, 5, 1, 1, pal::blue);
            fill(p, 4 + i, 13, 1, 1, pal::blue);
        }
    }
    for (int j = 0; j < 9; ++j) {
        if (j % 2 == 0) {
            fill(p, 4, 5 + j, 1, 1, pal::blue);
            fill(p, 10, 5 + j, 1, 1, pal::blue);
        }
    }
    fill(p, 6, 8, 3, 1, pal::rule);
    fill(p, 6, 10, 3, 1, pal::rule);
}

void drawOpenUrl(QPainter &p)
{
    p.save();
    const QPointF c(8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x7c, 0xb4, 0xea));
    p.drawEllipse(c, 7.0, 7.0);

    // land masses, clipped to the sphere
    QPainterPath sphere;
    sphere.addEllipse(c, 7.0, 7.0);
    p.setClipPath(sphere);
    p.setBrush(pal::green);
    QPainterPath land;
    land.moveTo(3, 3);
    land.cubicTo(6, 2, 8, 4, 7, 6);
    land.cubicTo(6, 8, 4, 7, 4, 10);
    land.cubicTo(2, 10, 1, 7, 3, 3);
    land.moveTo(10, 8);
    land.cubicTo(13, 8, 14, 10, 12, 13);
    land.cubicTo(10, 14, 9, 11, 10, 8);
    p.drawPath(land);
    p.setClipping(false);

    // meridian and parallels
    QColor grid(0x1d, 0x47, 0x8c, 150);
    p.setPen(pen(grid, 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 3.0, 6.8);
    p.drawLine(QPointF(1.2, 8), QPointF(14.8, 8));
    p.drawLine(QPointF(8, 1.2), QPointF(8, 14.8));

    p.setPen(pen(pal::blueDark, 1.0));
    p.drawEllipse(c, 7.0, 7.0);
    p.restore();
}

void upArrow(QPainter &p, qreal cx, qreal top)
{
    QPainterPath a;
    a.moveTo(cx, top);
    a.lineTo(cx + 3.5, top + 3.5);
    a.lineTo(cx + 1.5, top + 3.5);
    a.lineTo(cx + 1.5, top + 7.0);
    a.lineTo(cx - 1.5, top + 7.0);
    a.lineTo(cx - 1.5, top + 3.5);
    a.lineTo(cx - 3.5, top + 3.5);
    a.closeSubpath();
    p.save();
    p.setPen(pen(pal::greenDark));
    p.setBrush(pal::green);
    p.drawPath(a);
    p.restore();
}

void drawSaveFtp(QPainter &p)
{
    floppy(p, 0, 3, 12);
    upArrow(p, 12.0, 0.5);
}

void drawSaveAll(QPainter &p)
{
    floppy(p, 5, 0, 11);
    floppy(p, 0, 5, 11);
}

void drawPrintSetup(QPainter &p)
{
    printer(p, 0, 0, 12, 12);
    // a small gear in the lower right corner
    pixels(p, 8, 8, {
        "...##...",
        ".######.",
        ".##..##.",
        "##....##",
        "##....##",
        ".##..##.",
        ".######.",
        "...##...",
    }, pal::ink);
    pixels(p, 8, 8, {
        "........",
        "........",
        "...##...",
        "..#..#..",
        "..#..#..",
        "...##...",
        "........",
        "........",
    }, pal::grey);
}

} // namespace

void fileIcons(std::vector<IconDef> &out)
{
    out.insert(out.end(), {
        {"new", drawNew},
        {"open", drawOpen},
        {"save", drawSave},
        {"close", drawClose},
        {"print", drawPrint},
        {"exit", drawExit},
        {"template", drawTemplate},
        {"openurl", drawOpenUrl},
        {"saveftp", drawSaveFtp},
        {"saveall", drawSaveAll},
        {"printsetup", drawPrintSetup},
    });
}

} // namespace art
