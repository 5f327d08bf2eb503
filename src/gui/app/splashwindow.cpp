#include "splashwindow.h"

#include "artwork.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

SplashWindow::SplashWindow(const QPixmap &picture)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint), m_picture(picture)
{
    setObjectName(QStringLiteral("StartDialog1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

SplashWindow *SplashWindow::showSplash()
{
    auto *splash = new SplashWindow(Artwork::pixmap(QStringLiteral("splash")));
    splash->show();
    splash->repaint();
    QTimer::singleShot(showMilliseconds, splash, &QWidget::close);
    return splash;
}

void SplashWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_picture);
}

void SplashWindow::mousePressEvent(QMouseEvent *)
{
    close();
}
