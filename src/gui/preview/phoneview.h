#pragma once

#include "devices/deviceprofile.h"

#include <QColor>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

class PhoneSession;

// The phone's screen in the Phone mode: paints the session's Screen at
// the device's pixel size magnified by a whole factor (PhonePainter), and
// turns keys into the phone's keys: arrows, Enter (select), F1 and F2
// (soft keys), Backspace and Escape (back; Backspace erases in an open
// field), and text typed into a field. Runs the card's timer in real time
// while it shows.
class PhoneView : public QWidget
{
    Q_OBJECT

public:
    PhoneView(PhoneSession &session, QWidget *parent = nullptr);

    void setProfile(const DeviceProfile &profile);
    const DeviceProfile &profile() const { return m_profile; }
    void setPaper(const QColor &paper) { m_paper = paper; update(); }
    // How long one tenth of a second of the phone's time lasts (100 ms;
    // tests shorten it). The phone's time follows the wall clock, so a
    // late tick delivers all the tenths due.
    void setTickInterval(int milliseconds) { m_tenth = std::max(1, milliseconds); m_clock.setInterval(m_tenth); }
    bool clockRunning() const { return m_clock.isActive(); }
    // The magnification the widget's size allows, up to the largest set
    // (the plain view fills the tab, where a whole screenful of pixels
    // grows too coarse to read).
    int factor() const;
    void setLargestFactor(int factor) { m_largestFactor = factor; update(); }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;

private:
    void sessionChanged();
    // Whether the phone takes the key itself, before the window's shortcuts.
    bool isPhoneKey(const QKeyEvent &event) const;

    PhoneSession &m_session;
    DeviceProfile m_profile;
    QColor m_paper = Qt::white;
    int m_largestFactor = 16;
    void tick();

    QTimer m_clock;
    int m_tenth = 100;
    QElapsedTimer m_running; // since the clock started
    qint64 m_delivered = 0;  // tenths given to the session since then
};
