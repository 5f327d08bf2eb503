#pragma once

#include <QPixmap>
#include <QWidget>

// The start-up picture: a borderless window above all others, centred on
// the screen and as large as the picture. It closes itself 3.5 s after the
// event loop starts.
class SplashWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int showMilliseconds = 3500;

    explicit SplashWindow(const QPixmap &picture);
    // Shows and paints a splash at once; it frees itself when its time is up.
    static SplashWindow *showSplash();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    QPixmap m_picture;
};
