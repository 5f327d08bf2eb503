#include "quicktablegrid.h"

#include "editor/taginsertion.h"

#include <QMouseEvent>
#include <QPainter>

QuickTableGrid::QuickTableGrid(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("StringGrid1"));
    setFixedSize(side, side);
    setMouseTracking(true);
}

void QuickTableGrid::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Mid));
    const int pitch = cellSize + 1;
    for (int row = 0; row < cellCount; ++row) {
        for (int column = 0; column < cellCount; ++column) {
            const bool chosen = row < m_rows && column < m_columns;
            painter.fillRect(column * pitch, row * pitch, cellSize, cellSize,
                             colours.color(chosen ? QPalette::Highlight : QPalette::Base));
        }
    }
}

void QuickTableGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint at = event->position().toPoint();
    const int rows = qBound(1, TagInsertion::quickTableCount(at.y()), cellCount);
    const int columns = qBound(1, TagInsertion::quickTableCount(at.x()), cellCount);
    if (rows != m_rows || columns != m_columns) {
        m_rows = rows;
        m_columns = columns;
        update();
    }
    emit hovered(rows, columns);
}

void QuickTableGrid::mouseReleaseEvent(QMouseEvent *)
{
    emit released();
}
