#pragma once

#include <QWidget>

class QLabel;
class QProgressBar;
class QPushButton;

// The status bar's part while a transfer runs: the bytes moved so far, a
// bar once the size is known, and a Cancel button. It lies over a panel of
// the status bar and takes that panel's size, so showing it never makes the
// status bar, or the window, any wider.
class TransferProgress : public QWidget
{
    Q_OBJECT

public:
    // Shown over panel, following its size.
    explicit TransferProgress(QWidget *panel);

    // total is -1 while the size is not known.
    void showProgress(qint64 done, qint64 total);

    QLabel *bytesLabel() const { return m_bytes; }
    QProgressBar *bar() const { return m_bar; }
    QPushButton *cancelButton() const { return m_cancel; }

signals:
    void cancelRequested();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_bytes;
    QProgressBar *m_bar;
    QPushButton *m_cancel;
};
