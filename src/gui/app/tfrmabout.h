#pragma once

#include <QDialog>

class QLabel;

// "About": the about picture and the program's name and version. Enter,
// Esc or a click anywhere closes it.
class TfrmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAbout(QWidget *parent = nullptr);

    QLabel *info() const { return m_info; }
    void Image1Click();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *m_info;
};
