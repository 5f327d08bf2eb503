#include "artwork.h"

#include <QFontInfo>
#include <QFontMetricsF>

#include <cmath>
#include <cstdio>
#include <set>

namespace art {

void fill(QPainter &p, qreal x, qreal y, qreal w, qreal h, const QColor &c)
{
    p.fillRect(QRectF(x, y, w, h), c);
}

void box(QPainter &p, int x, int y, int w, int h, const QColor &fillColor,
         const QColor &line)
{
    fill(p, x, y, w, h, line);
    if (w > 2 && h > 2)
        fill(p, x + 1, y + 1, w - 2, h - 2, fillColor);
}

QPen pen(const QColor &c, qreal width)
{
    QPen result(c, width);
    result.setCapStyle(Qt::FlatCap);
    result.setJoinStyle(Qt::MiterJoin);
    return result;
}

void line(QPainter &p, qreal x1, qreal y1, qreal x2, qreal y2,
          const QColor &c, qreal width)
{
    p.save();
    p.setPen(pen(c, width));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
    p.restore();
}

void pixels(QPainter &p, int x, int y, std::initializer_list<const char *> rows,
            const QColor &c)
{
    int row = 0;
    for (const char *r : rows) {
        for (int col = 0; r[col]; ++col) {
            if (r[col] == '#')
                fill(p, x + col, y + row, 1, 1, c);
        }
        ++row;
    }
}

QFont font(const QString &family, qreal pixelSize, int weight, bool italic)
{
    QFont f(family);
    f.setPixelSize(qMax(1, qRound(pixelSize)));
    f.setWeight(QFont::Weight(weight));
    f.setItalic(italic);
    f.setStyleStrategy(QFont::PreferAntialias);
    f.setHintingPreference(QFont::PreferNoHinting);

    static std::set<QString> warned;
    const QString actual = QFontInfo(f).family();
    if (!actual.startsWith(family, Qt::CaseInsensitive) && !warned.count(family)) {
        warned.insert(family);
        std::fprintf(stderr, "tarnel-artwork: font \"%s\" not found, using \"%s\"\n",
                     qPrintable(family), qPrintable(actual));
    }
    return f;
}

void centredText(QPainter &p, const QRectF &r, const QString &text,
                 const QFont &f, const QColor &c)
{
    // Hinted glyphs on a whole-pixel origin keep toolbar letters sharp.
    QFont hinted = f;
    hinted.setHintingPreference(QFont::PreferVerticalHinting);
    const QRectF ink = QFontMetricsF(hinted).tightBoundingRect(text);
    const QPointF origin = r.center() - ink.center();
    p.save();
    p.setFont(hinted);
    p.setPen(c);
    p.drawText(QPointF(std::round(origin.x()), std::round(origin.y())), text);
    p.restore();
}

} // namespace art
