#pragma once

#include <QWidget>

// The 16 by 16 cell grid of the quick table dialog. It follows the pointer,
// shades the cells of the table the pointer would make, reports the size
// under the pointer, and reports a released mouse button.
class QuickTableGrid : public QWidget
{
    Q_OBJECT

public:
    static constexpr int cellCount = 16;
    static constexpr int cellSize = 16;
    static constexpr int side = 275;

    explicit QuickTableGrid(QWidget *parent = nullptr);

signals:
    void hovered(int rows, int columns);
    void released();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    int m_rows = 0;
    int m_columns = 0;
};
