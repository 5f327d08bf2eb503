#include "cardtimer.h"

#include "browsercontext.h"
#include "variablesubstitution.h"
#include "wml/wmlnode.h"

namespace {

const WmlNode *timerOf(const WmlNode &card)
{
    const QList<const WmlNode *> timers = card.elements(u"timer");
    return timers.isEmpty() ? nullptr : timers.first();
}

// A positive integral number of tenths, else -1 (zero disables the timer).
int timeoutOf(const QString &text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return -1;
    for (const QChar c : trimmed) {
        if (!c.isDigit() || c.unicode() > 0x7f)
            return -1;
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    return ok ? value : -1;
}

} // namespace

void CardTimer::start(const WmlNode &card, BrowserContext &context)
{
    m_running = false;
    m_name.clear();
    const WmlNode *timer = timerOf(card);
    if (!timer)
        return;
    const QString value = VariableSubstitution::substitute(timer->value(u"value"), context);
    m_name = timer->value(u"name");
    QString initial = value;
    if (!m_name.isEmpty()) {
        if (!context.isSet(m_name))
            context.setValue(m_name, value);
        initial = context.value(m_name);
    }
    const int tenths = timeoutOf(initial);
    if (tenths <= 0)
        return;
    m_remaining = tenths;
    m_running = true;
}

void CardTimer::stop(BrowserContext &context)
{
    if (!m_running)
        return;
    m_running = false;
    if (!m_name.isEmpty())
        context.setValue(m_name, QString::number(m_remaining));
}

int CardTimer::advance(int tenths, BrowserContext &context, bool *expired)
{
    *expired = false;
    if (!m_running || tenths <= 0)
        return tenths;
    if (tenths < m_remaining) {
        m_remaining -= tenths;
        return tenths;
    }
    const int passed = m_remaining;
    m_remaining = 0;
    m_running = false;
    if (!m_name.isEmpty())
        context.setValue(m_name, QStringLiteral("0"));
    *expired = true;
    return passed;
}
