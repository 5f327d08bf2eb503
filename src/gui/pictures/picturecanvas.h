#pragma once

#include "pictures/pictureedits.h"

#include <QWidget>

// The pixels of a WBMP picture, magnified, with a grid between them from
// gridZoom up. Pressing the left button toggles the pixel under the
// pointer and starts a stroke; dragging paints the same colour; releasing
// ends it (one undo step). The edits themselves are PictureEdits'.
class PictureCanvas : public QWidget
{
    Q_OBJECT

public:
    static constexpr int minimumZoom = 1;
    static constexpr int maximumZoom = 32;
    // The smallest magnification that shows the grid.
    static constexpr int gridZoom = 8;

    explicit PictureCanvas(PictureEdits &edits, QWidget *parent = nullptr);

    int zoom() const { return m_zoom; }
    void setZoom(int zoom);
    bool gridShown() const { return m_grid && m_zoom >= gridZoom; }
    void setGrid(bool on);

    // The picture pixel under a point of the widget (may lie outside).
    QPoint pixelAt(const QPoint &position) const;
    // The widget rectangle of a picture pixel.
    QRect pixelRect(const QPoint &pixel) const;

    QSize sizeHint() const override;

    // The picture changed from outside (undo, invert, resize): repaint and
    // take its new size.
    void pictureChanged();

signals:
    // A stroke ended that changed the picture.
    void edited();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    PictureEdits &m_edits;
    int m_zoom = 8;
    bool m_grid = true;
};
