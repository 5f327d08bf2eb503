#include "textprinter.h"

#include "linebreaks.h"
#include "tarnelerror.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {
constexpr qreal leftMarginInch = 0.75;
constexpr qreal rightMarginInch = 0.5;
constexpr qreal topMarginInch = 0.75;
constexpr qreal bottomMarginInch = 0.75;
constexpr qreal screenDpi = 96.0;
} // namespace

TextPrinter::TextPrinter(QFont screenFont, int tabWidth)
    : m_printFont(std::move(screenFont)), m_tabWidth(qMax(1, tabWidth))
{
    // Editor fonts are sized in screen pixels; paper wants points.
    if (m_printFont.pixelSize() > 0)
        m_printFont.setPointSizeF(m_printFont.pixelSize() * 72.0 / screenDpi);
}

QString TextPrinter::expandTabs(const QString &line) const
{
    if (!line.contains(QLatin1Char('\t')))
        return line;
    QString out;
    for (QChar c : line) {
        if (c == QLatin1Char('\t'))
            out += QString(m_tabWidth - out.size() % m_tabWidth, QLatin1Char(' '));
        else
            out += c;
    }
    return out;
}

QFont TextPrinter::fontAt(qreal dpi) const
{
    QFont font = m_printFont;
    font.setPixelSize(qMax(1, qRound(m_printFont.pointSizeF() * dpi / 72.0)));
    return font;
}

qreal TextPrinter::lineSpacing(qreal dpi) const
{
    // The height of "A" as text: the font's full line height.
    return 1.5 * QFontMetricsF(fontAt(dpi)).height();
}

QRectF TextPrinter::textArea(QSizeF paperPixels, qreal dpi) const
{
    return QRectF(QPointF(leftMarginInch * dpi, topMarginInch * dpi),
                  QPointF(paperPixels.width() - rightMarginInch * dpi, paperPixels.height() - bottomMarginInch * dpi));
}

QList<TextPrinter::PlacedLine> TextPrinter::layout(const QString &text, QSizeF paperPixels, qreal dpi) const
{
    const QFontMetricsF metrics(fontAt(dpi));
    const QRectF area = textArea(paperPixels, dpi);
    const qreal spacing = lineSpacing(dpi);
    const qreal charWidth = qMax<qreal>(1.0, metrics.horizontalAdvance(QLatin1Char('M')));
    const int charsPerLine = qMax(1, int(area.width() / charWidth));
    const int linesPerPage = qMax(1, int(area.height() / spacing));

    QList<PlacedLine> placed;
    int row = 0;
    const QStringList lines = LineBreaks::split(text);
    for (const QString &source : lines) {
        const QString line = expandTabs(source);
        int start = 0;
        do {
            PlacedLine out;
            out.page = row / linesPerPage;
            out.baselineStart = QPointF(area.left(), area.top() + (row % linesPerPage) * spacing + metrics.ascent());
            out.text = line.mid(start, charsPerLine);
            placed.append(out);
            start += charsPerLine;
            ++row;
        } while (start < line.size());
    }
    return placed;
}

void TextPrinter::print(const QString &text, QPagedPaintDevice *device) const
{
    device->setPageMargins(QMarginsF(0, 0, 0, 0));
    const qreal dpi = device->logicalDpiY();
    const QList<PlacedLine> lines = layout(text, QSizeF(device->width(), device->height()), dpi);
    QPainter painter;
    if (!painter.begin(device))
        throw TarnelError(QCoreApplication::translate("TextPrinter", "Printing failed"));
    painter.setFont(fontAt(dpi));
    painter.setPen(Qt::black);
    int page = 0;
    for (const PlacedLine &line : lines) {
        while (page < line.page) {
            device->newPage();
            ++page;
        }
        painter.drawText(line.baselineStart, line.text);
    }
    painter.end();
}
