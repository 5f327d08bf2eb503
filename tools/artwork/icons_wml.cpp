// Icons for the markup insertion toolbar.
#include "artwork.h"

#include <QPainterPath>

namespace art {
namespace {

const QString sans = QStringLiteral("DejaVu Sans");
const QString serif = QStringLiteral("DejaVu Serif");

void glyph(QPainter &p, const QString &text, const QFont &f, qreal dy = 0)
{
    centredText(p, QRectF(0, dy, 16, 16), text, f, pal::ink);
}

void drawCard(QPainter &p)
{
    indexCard(p, 0, 2, 16, 12);
}

void drawBold(QPainter &p)
{
    glyph(p, QStringLiteral("B"), font(sans, 15, QFont::Bold));
}

void drawItalic(QPainter &p)
{
    glyph(p, QStringLiteral("I"), font(serif, 15, QFont::Bold, true));
}

void drawUnderline(QPainter &p)
{
    glyph(p, QStringLiteral("U"), font(sans, 13, QFont::Bold), -1.5);
    fill(p, 3, 14, 10, 1, pal::ink);
}

void drawBig(QPainter &p)
{
    glyph(p, QStringLiteral("A"), font(sans, 17, QFont::Bold));
}

void drawSmall(QPainter &p)
{
    glyph(p, QStringLiteral("a"), font(sans, 11, QFont::Bold), 2.0);
}

void drawStrong(QPainter &p)
{
    glyph(p, QStringLiteral("S"), font(sans, 15, QFont::Bold));
}

void drawParagraph(QPainter &p)
{
    glyph(p, QStringLiteral("\u00b6"), font(sans, 15, QFont::Bold));
}

void drawBreak(QPainter &p)
{
    p.save();
    QPen stroke(pal::ink, 2.0);
    stroke.setJoinStyle(Qt::MiterJoin);
    p.setPen(stroke);
    p.setBrush(Qt::NoBrush);
    QPainterPath bend;
    bend.moveTo(13, 2);
    bend.lineTo(13, 10);
    bend.lineTo(6, 10);
    p.drawPath(bend);
    QPainterPath head;
    head.moveTo(1.5, 10);
    head.lineTo(6.5, 6);
    head.lineTo(6.5, 14);
    head.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::ink);
    p.drawPath(head);
    p.restore();
}

void drawNbsp(QPainter &p)
{
    // a held space: a dot kept between two brackets
    pixels(p, 1, 2, {
        "###........###",
        "###........###",
        "##..........##",
        "##..........##",
        "##..........##",
        "##....##....##",
        "##....##....##",
        "##..........##",
        "##..........##",
        "##..........##",
        "###........###",
        "###........###",
    }, pal::ink);
}

void drawTable(QPainter &p)
{
    box(p, 0, 1, 16, 14, pal::paper, pal::ink);
    fill(p, 1, 2, 14, 3, pal::blueLight);
    fill(p, 1, 5, 14, 1, pal::ink);
    fill(p, 1, 10, 14, 1, pal::greyDark);
    fill(p, 5, 2, 1, 12, pal::greyDark);
    fill(p, 10, 2, 1, 12, pal::greyDark);
}

void drawLink(QPainter &p)
{
    p.save();
    p.translate(8, 8);
    p.rotate(-45);
    p.setBrush(Qt::NoBrush);
    p.setPen(pen(pal::greyDark, 2.0));
    p.drawRoundedRect(QRectF(-7.5, -2.5, 9, 5), 2.5, 2.5);
    p.setPen(pen(pal::blue, 2.0));
    p.drawRoundedRect(QRectF(-1.5, -2.5, 9, 5), 2.5, 2.5);
    p.restore();
}

void drawButton(QPainter &p)
{
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(pal::greyDark);
    p.drawRoundedRect(QRectF(0.5, 4.5, 15, 9), 3, 3);      // drop edge
    p.setPen(pen(pal::ink));
    p.setBrush(pal::paperShade);
    p.drawRoundedRect(QRectF(0.5, 3.5, 15, 8.5), 3, 3);
    p.restore();
    fill(p, 4, 7, 8, 2, pal::ink);                           // caption
}

void drawImage(QPainter &p)
{
    box(p, 0, 2, 16, 12, QColor(0xa9, 0xd3, 0xf5), pal::ink);
    p.save();
    p.setClipRect(QRectF(1, 3, 14, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(pal::yellow);
    p.drawEllipse(QPointF(11.5, 6), 1.8, 1.8);
    QPainterPath hills;
    hills.moveTo(1, 13);
    hills.lineTo(5.5, 6.5);
    hills.lineTo(9, 11);
    hills.lineTo(11, 9);
    hills.lineTo(15, 13);
    hills.closeSubpath();
    p.setBrush(pal::green);
    p.drawPath(hills);
    p.restore();
}

void drawPrev(QPainter &p)
{
    QPainterPath a;
    a.moveTo(0.8, 8);
    a.lineTo(7.5, 1.5);
    a.lineTo(7.5, 5.5);
    a.lineTo(14.5, 5.5);
    a.lineTo(14.5, 10.5);
    a.lineTo(7.5, 10.5);
    a.lineTo(7.5, 14.5);
    a.closeSubpath();
    p.save();
    p.setPen(pen(pal::greenDark));
    p.setBrush(pal::green);
    p.drawPath(a);
    p.restore();
}

void drawWmlTemplate(QPainter &p)
{
    indexCard(p, 4, 0, 12, 9);
    indexCard(p, 2, 3, 12, 9);
    indexCard(p, 0, 6, 12, 9);
}

} // namespace

void wmlIcons(std::vector<IconDef> &out)
{
    out.insert(out.end(), {
        {"card", drawCard},
        {"bold", drawBold},
        {"italic", drawItalic},
        {"underline", drawUnderline},
        {"big", drawBig},
        {"small", drawSmall},
        {"strong", drawStrong},
        {"paragraph", drawParagraph},
        {"br", drawBreak},
        {"nbsp", drawNbsp},
        {"table", drawTable},
        {"link", drawLink},
        {"button", drawButton},
        {"image", drawImage},
        {"prev", drawPrev},
        {"wmltemplate", drawWmlTemplate},
    });
}

} // namespace art
