#include "phoneview.h"

#include "browser/phonepainter.h"
#include "browser/phonesession.h"

#include <QKeyEvent>
#include <QPainter>

PhoneView::PhoneView(PhoneSession &session, QWidget *parent)
    : QWidget(parent), m_session(session)
{
    setObjectName(QStringLiteral("phoneView"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_clock.setInterval(100);
    connect(&m_clock, &QTimer::timeout, this, &PhoneView::tick);
    connect(&m_session, &PhoneSession::changed, this, &PhoneView::sessionChanged);
}

void PhoneView::setProfile(const DeviceProfile &profile)
{
    m_profile = profile;
    update();
}

int PhoneView::factor() const
{
    return std::min(m_largestFactor, PhonePainter::magnification(m_profile, size()));
}

void PhoneView::sessionChanged()
{
    // The clock runs only while a timer does and the phone shows.
    if (isVisible() && m_session.timerRemaining() >= 0) {
        if (!m_clock.isActive()) {
            m_running.start();
            m_delivered = 0;
            m_clock.start();
        }
    } else {
        m_clock.stop();
    }
    update();
}

void PhoneView::tick()
{
    const qint64 due = m_running.elapsed() / m_tenth - m_delivered;
    if (due <= 0)
        return;
    m_delivered += due;
    m_session.advance(int(std::min<qint64>(due, 600)));
}

bool PhoneView::isPhoneKey(const QKeyEvent &event) const
{
    switch (event.key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F1:
    case Qt::Key_F2:
    case Qt::Key_Backspace:
    case Qt::Key_Escape:
        return event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier;
    default:
        break;
    }
    const QString text = event.text();
    return !text.isEmpty() && text.at(0).isPrint() && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

bool PhoneView::event(QEvent *event)
{
    // F1 (help), Escape and the like belong to the phone while it has the focus.
    if (event->type() == QEvent::ShortcutOverride && isPhoneKey(*static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void PhoneView::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), m_paper);
    if (!m_session.isOpen())
        return;
    PhonePainter::State state;
    state.scrollTop = m_session.scrollTop();
    state.draft = m_session.draft();
    state.paper = m_paper;
    state.ink = m_paper.lightness() < 100 ? Qt::white : Qt::black;
    if (m_session.browser()->profile().colour) {
        state.highlight = QColor(0x1f, 0x5f, 0xbf);
        state.highlightText = Qt::white;
    }
    const PhoneSession &session = m_session;
    state.picture = [&session](const QString &source) { return session.browser()->picture(source); };
    const QImage screen = PhonePainter::paint(m_session.screen(), m_session.browser()->profile(), state);
    const QSize shown = PhonePainter::magnifiedSize(m_session.browser()->profile(), factor());
    const QRect target(QPoint((width() - shown.width()) / 2, (height() - shown.height()) / 2), shown);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(target, screen);
}

void PhoneView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Up:
        m_session.press(Browser::Key::Up);
        return;
    case Qt::Key_Down:
        m_session.press(Browser::Key::Down);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m_session.press(Browser::Key::Select);
        return;
    case Qt::Key_F1:
        m_session.press(Browser::Key::Soft1);
        return;
    case Qt::Key_F2:
        m_session.press(Browser::Key::Soft2);
        return;
    case Qt::Key_Backspace:
        m_session.erase();
        return;
    case Qt::Key_Escape:
        m_session.keyboardBack();
        return;
    default:
        break;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        m_session.typeText(text);
        return;
    }
    QWidget::keyPressEvent(event);
}

void PhoneView::mousePressEvent(QMouseEvent *event)
{
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

void PhoneView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    sessionChanged();
}

void PhoneView::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_clock.stop();
}
