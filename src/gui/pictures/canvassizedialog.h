#pragma once

#include <QDialog>

class QSpinBox;

// Asks for a picture's new canvas size; the picture keeps its top left
// corner, and new pixels are white.
class CanvasSizeDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CanvasSizeDialog(const QSize &current, QWidget *parent = nullptr);

    QSize canvasSize() const;

private:
    QSpinBox *m_width = nullptr;
    QSpinBox *m_height = nullptr;
};
