#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QuickTableGrid;

// The quick table dialog: the user moves the pointer over a grid to size a table
// and releases a mouse button to take it. The size is known only once the
// pointer has been over the grid; the fill text goes into every cell.
class TfrmQTABLE : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmQTABLE(QWidget *parent = nullptr);

    bool hasSize() const { return m_rows > 0; }
    int rows() const { return m_rows; }
    int columns() const { return m_columns; }
    QString fillText() const;

    QuickTableGrid *grid() const { return m_grid; }
    QLineEdit *fillEdit() const { return m_fill; }
    QLabel *sizeLabel() const { return m_label3; }

private:
    void StringGrid1MouseMove(int rows, int columns);

    QuickTableGrid *m_grid;
    QLineEdit *m_fill;
    QLabel *m_label1;
    QLabel *m_label2;
    QLabel *m_label3;
    int m_rows = 0;
    int m_columns = 0;
};
