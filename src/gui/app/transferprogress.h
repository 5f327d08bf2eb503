#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The status bar's part while a transfer runs: the bytes moved so far, a
// bar once the size is known, and a Cancel button.
class TransferProgress : public QWidget
{
    Q_OBJECT

public:
    explicit TransferProgress(QWidget *parent = nullptr);

    // total is -1 while the size is not known.
    void showProgress(qint64 done, qint64 total);

    QLabel *bytesLabel() const { return m_bytes; }
    QProgressBar *bar() const { return m_bar; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void cancelRequested();

private:
    QLabel *m_bytes;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
};
