// Start-up splash and the About box picture.
#include "artwork.h"

#include <QFontMetricsF>

namespace art {
namespace {

const QString sans = QStringLiteral("DejaVu Sans");

void backdrop(QPainter &p, const QRectF &area, const QPointF &glowCentre, qreal glowRadius)
{
    p.fillRect(area, pal::backdrop);
    p.setPen(Qt::NoPen);
    p.setBrush(pal::backdropGlow);
    p.drawEllipse(glowCentre, glowRadius, glowRadius);
}

// Draws text with its left end at x and its baseline at y, with optional
// extra spacing between letters.
void textAt(QPainter &p, qreal x, qreal y, const QString &text, QFont f,
            const QColor &c, qreal spacing = 0)
{
    if (spacing != 0)
        f.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    p.setFont(f);
    p.setPen(c);
    p.drawText(QPointF(x, y), text);
}

// The product name in two lines: a lighter "Orvane" above a bold "Tarnel"
// whose baseline is at y.
void productName(QPainter &p, qreal x, qreal baseline, qreal size)
{
    textAt(p, x + size * 0.05, baseline - size * 0.95, QStringLiteral("Orvane"),
           font(sans, size * 0.44), pal::muted, size * 0.04);
    textAt(p, x, baseline, QStringLiteral("Tarnel"), font(sans, size, QFont::Bold),
           pal::title);
}

} // namespace

void drawSplash(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    backdrop(p, QRectF(0, 0, 420, 260), QPointF(110, 130), 118);

    drawPhone(p, QRectF(52, 20, 116, 220), Screen::Card, true);

    const qreal x = 200;
    productName(p, x, 134, 50);
    p.fillRect(QRectF(x + 2, 152, 44, 3), pal::accent);
    textAt(p, x + 2, 180, QStringLiteral("WML editor"), font(sans, 17), pal::accent);

    const QFont small = font(sans, 12);
    const QString version = QStringLiteral("version 3.0.1");
    const qreal vw = QFontMetricsF(small).horizontalAdvance(version);
    textAt(p, 420 - 18 - vw, 240, version, small, pal::muted);
}

void drawAbout(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    backdrop(p, QRectF(0, 0, 321, 220), QPointF(80, 110), 100);

    drawPhone(p, QRectF(30, 10, 104, 200), Screen::Card, true);

    const qreal x = 160;
    productName(p, x, 118, 40);
    p.fillRect(QRectF(x + 2, 133, 36, 3), pal::accent);
    textAt(p, x + 2, 157, QStringLiteral("WML editor"), font(sans, 14), pal::accent);
}

} // namespace art
