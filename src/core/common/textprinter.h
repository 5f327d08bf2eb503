#pragma once

#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>

class QPagedPaintDevice;

// Prints a document's source as plain text: the editor's font, tabs
// expanded to the editor's tab stops, margins of 0.75 inch left, top and
// bottom and 0.5 inch right, lines 1.5 times the height of "A" apart, lines
// too wide for the page wrapped, no header or footer, one job.
class TextPrinter
{
public:
    struct PlacedLine
    {
        int page = 0;
        QPointF baselineStart; // in device pixels from the paper's corner
        QString text;
    };

    TextPrinter(QFont screenFont, int tabWidth);

    // The print font: the screen font at the same physical size.
    QFont printFont() const { return m_printFont; }

    // Where each printed line goes on paper of the given size and resolution.
    QList<PlacedLine> layout(const QString &text, QSizeF paperPixels, qreal dpi) const;
    qreal lineSpacing(qreal dpi) const;
    QRectF textArea(QSizeF paperPixels, qreal dpi) const;

    // Paints all pages on device (margins of the device are set to zero).
    // Throws TarnelError when the device cannot be painted on.
    void print(const QString &text, QPagedPaintDevice *device) const;

private:
    QString expandTabs(const QString &line) const;
    QFont fontAt(qreal dpi) const; // the print font in the device's pixels

    QFont m_printFont;
    int m_tabWidth;
};
