#include "phonesession.h"

#include "textmetrics.h"
#include "wml/wmldocument.h"

#include <algorithm>

namespace {

// Marks the time the engine runs for one of the session's calls: a fetch
// may wait in an event loop, and a timer or a click must not drive the
// engine again from inside it.
struct EngineCall
{
    explicit EngineCall(bool &flag) : m_flag(flag) { m_flag = true; }
    ~EngineCall() { m_flag = false; }
    bool &m_flag;
};

// The pixel row each line starts at, and the total height after the last.
QList<int> lineTops(const Screen &screen)
{
    QList<int> tops;
    int y = 0;
    for (const ScreenLine &line : screen.lines) {
        tops.append(y);
        y += line.height;
    }
    tops.append(y);
    return tops;
}

QString methodText(bool post)
{
    return post ? QStringLiteral("POST") : QStringLiteral("GET");
}

} // namespace

PhoneSession::PhoneSession(Fetcher &network, QObject *parent)
    : QObject(parent)
    , m_network(network)
    , m_fetcher(std::make_unique<DocumentFetcher>(network))
{
}

PhoneSession::~PhoneSession() = default;

void PhoneSession::open(const QString &text, const QUrl &documentUrl, const DeviceProfile &profile)
{
    if (m_inEngine)
        return;
    const EngineCall call(m_inEngine);
    const bool sameDocument = m_browser && m_fetcher->documentUrl() == documentUrl.adjusted(QUrl::RemoveFragment)
                              && m_profileId == profile.id;
    m_fetcher->setDocument(documentUrl, text);
    m_draft.clear();
    m_wasEditing = false;
    m_message.clear();
    if (sameDocument && m_browser->hasCard()) {
        const int top = m_scrollTop;
        m_browser->reload();
        m_scrollTop = top;
        followFocus();
        emit changed();
        return;
    }
    m_browser = std::make_unique<Browser>(*m_fetcher, profile);
    m_profileId = profile.id;
    start();
}

void PhoneSession::restart()
{
    if (m_inEngine)
        return;
    const EngineCall call(m_inEngine);
    start();
}

void PhoneSession::start()
{
    if (!m_browser)
        return;
    m_draft.clear();
    m_wasEditing = false;
    m_message.clear();
    m_browser->load(m_fetcher->documentUrl().toString());
    m_scrollTop = 0;
    followFocus();
    emit changed();
}

const Screen &PhoneSession::screen() const
{
    static const Screen none;
    return m_browser ? m_browser->screen() : none;
}

int PhoneSession::rowHeight(const DeviceProfile &profile)
{
    return TextMetrics(profile).lineHeight(0);
}

int PhoneSession::bodyHeight(const Screen &screen, const DeviceProfile &profile)
{
    int height = profile.screenHeight;
    if (!screen.title.isEmpty())
        height -= rowHeight(profile);
    if (profile.softKeys > 0)
        height -= rowHeight(profile);
    return std::max(1, height);
}

bool PhoneSession::isEditing() const
{
    return m_browser && m_browser->screen().editing;
}

bool PhoneSession::done(const Browser::Outcome &outcome)
{
    m_message = outcome.accepted ? QString() : outcome.reason;
    const bool editing = isEditing();
    if (editing && !m_wasEditing) {
        // The field opens with its value, to be changed at the end.
        const Screen &shown = screen();
        const ScreenItem *item = shown.focus >= 0 ? &shown.items[shown.focus] : nullptr;
        m_draft = item && item->node ? m_browser->context().value(item->node->value(u"name")) : QString();
    }
    m_wasEditing = editing;
    if (!editing)
        m_draft.clear();
    followFocus();
    emit changed();
    return outcome.accepted;
}

bool PhoneSession::press(Browser::Key key)
{
    if (m_inEngine)
        return false;
    const EngineCall call(m_inEngine);
    return pressKey(key);
}

bool PhoneSession::keyboardBack()
{
    if (m_inEngine)
        return false;
    const EngineCall call(m_inEngine);
    return backKey();
}

bool PhoneSession::pressKey(Browser::Key key)
{
    if (!m_browser)
        return false;
    if (isEditing() && (key == Browser::Key::Select || key == Browser::Key::Soft1)) {
        const Browser::Outcome typed = m_browser->type(m_draft);
        if (!typed.accepted) {
            m_message = typed.reason;
            emit changed();
            return false;
        }
        return done(typed);
    }
    const Screen &shown = screen();
    const bool list = shown.menuOpen || isEditing() || !shown.error.isEmpty();
    if (!list && (key == Browser::Key::Up || key == Browser::Key::Down)) {
        // A phone moves to the next link only when it shows on the next
        // screenful; until then the arrow scrolls the card by a line.
        const int step = key == Browser::Key::Down ? 1 : -1;
        const int next = shown.focus + step;
        const QList<int> tops = lineTops(shown);
        const int body = bodyHeight(shown, m_browser->profile());
        bool scroll = next < 0 || next >= shown.items.size();
        if (!scroll) {
            const int line = std::clamp(shown.items[next].line, 0, int(shown.lines.size()) - 1);
            scroll = step > 0 ? tops[line] >= m_scrollTop + 2 * body : tops[line + 1] <= m_scrollTop - body;
        }
        if (scroll) {
            m_message.clear();
            scrollBy(step);
            emit changed();
            return true;
        }
    }
    return done(m_browser->press(key));
}

bool PhoneSession::typeText(const QString &text)
{
    if (m_inEngine)
        return false;
    const EngineCall call(m_inEngine);
    if (!m_browser || text.isEmpty())
        return false;
    const Screen &open = screen();
    if (open.menuOpen && text.size() == 1 && text[0] >= QLatin1Char('1') && text[0] <= QLatin1Char('9')) {
        // In a list a digit chooses that entry, as on the handset.
        return done(m_browser->pick(text[0].digitValue()));
    }
    if (!isEditing()) {
        const Screen &shown = screen();
        if (shown.menuOpen || shown.focus < 0 || shown.items[shown.focus].kind != ScreenItem::Kind::Input) {
            m_message = tr("No input field is open");
            emit changed();
            return false;
        }
        done(m_browser->press(Browser::Key::Select));
        m_draft.clear();
    }
    m_draft += text;
    m_message.clear();
    emit changed();
    return true;
}

bool PhoneSession::erase()
{
    if (m_inEngine)
        return false;
    const EngineCall call(m_inEngine);
    if (isEditing()) {
        if (m_draft.isEmpty())
            return done(m_browser->press(Browser::Key::Back));
        m_draft.chop(m_draft.size() >= 2 && m_draft.back().isLowSurrogate() ? 2 : 1);
        m_message.clear();
        emit changed();
        return true;
    }
    return backKey();
}

bool PhoneSession::backKey()
{
    if (!m_browser)
        return false;
    const DeviceProfile &profile = m_browser->profile();
    if (profile.backKey)
        return pressKey(Browser::Key::Back);
    const Screen &shown = screen();
    if (!shown.error.isEmpty())
        return pressKey(Browser::Key::Soft1);
    if (shown.menuOpen || isEditing())
        return pressKey(Browser::Key::Soft2);
    bool prevOnRight = false, anyOnRight = false;
    for (const DoBinding &binding : m_browser->activeDos()) {
        if (profile.rightTypes.contains(binding.type)) {
            anyOnRight = true;
            prevOnRight = prevOnRight || binding.type == QLatin1String("prev");
        }
    }
    if (prevOnRight || (!anyOnRight && m_browser->context().history().size() > 1))
        return pressKey(Browser::Key::Soft2);
    return pressKey(Browser::Key::Back);
}

bool PhoneSession::pick(int n)
{
    if (m_inEngine)
        return false;
    const EngineCall call(m_inEngine);
    return m_browser && done(m_browser->pick(n));
}

void PhoneSession::advance(int tenths)
{
    if (m_inEngine)
        return;
    const EngineCall call(m_inEngine);
    if (!m_browser || m_browser->timerRemaining() < 0)
        return;
    const QUrl before = m_browser->url();
    m_browser->advance(tenths);
    if (m_browser->url() != before)
        done(Browser::Outcome());
    else
        emit changed();
}

void PhoneSession::setVariable(const QString &name, const QString &value)
{
    if (m_inEngine)
        return;
    const EngineCall call(m_inEngine);
    if (!m_browser)
        return;
    m_browser->setVariable(name, value);
    followFocus();
    emit changed();
}

bool PhoneSession::scrollBy(int lines)
{
    const Screen &shown = screen();
    const QList<int> tops = lineTops(shown);
    const int body = bodyHeight(shown, m_browser->profile());
    int line = 0;
    while (line + 1 < tops.size() && tops[line + 1] <= m_scrollTop)
        ++line;
    // Down stops at the line top that shows the end of the card.
    int last = 0;
    while (last + 1 < tops.size() && tops[last] < tops.last() - body)
        ++last;
    line = std::clamp(line + lines, 0, last);
    const int top = tops[line];
    const bool moved = top != m_scrollTop;
    m_scrollTop = top;
    return moved;
}

void PhoneSession::followFocus()
{
    if (!m_browser)
        return;
    const Screen &shown = screen();
    const QList<int> tops = lineTops(shown);
    const int body = bodyHeight(shown, m_browser->profile());
    if (m_browser->url() != QUrl(m_lastUrl)) {
        m_lastUrl = m_browser->url().toString();
        m_scrollTop = 0;
    }
    if (shown.focus >= 0 && !shown.lines.isEmpty()) {
        const ScreenItem &item = shown.items[shown.focus];
        const int first = std::clamp(item.line, 0, int(shown.lines.size()) - 1);
        int last = first;
        // The item's runs may go on over further lines.
        for (int line = first + 1; line < shown.lines.size(); ++line) {
            const bool continues = std::any_of(shown.lines[line].runs.begin(), shown.lines[line].runs.end(),
                                               [&](const ScreenRun &run) { return run.item == shown.focus; });
            if (!continues)
                break;
            last = line;
        }
        if (tops[last + 1] > m_scrollTop + body) {
            // Scrolled by whole lines, as a phone does: the first line top
            // that brings the item's last line in.
            const int needed = tops[last + 1] - body;
            int line = 0;
            while (line < first && tops[line] < needed)
                ++line;
            m_scrollTop = tops[line];
        }
        if (tops[first] < m_scrollTop)
            m_scrollTop = tops[first];
    }
    m_scrollTop = std::max(0, m_scrollTop);
}

QList<QPair<QString, QString>> PhoneSession::variables() const
{
    QList<QPair<QString, QString>> list;
    if (!m_browser)
        return list;
    const QHash<QString, QString> &all = m_browser->context().variables();
    for (auto it = all.begin(); it != all.end(); ++it)
        list.append({it.key(), it.value()});
    std::sort(list.begin(), list.end());
    return list;
}

QStringList PhoneSession::history() const
{
    QStringList list;
    if (!m_browser)
        return list;
    for (const HistoryEntry &entry : m_browser->context().history()) {
        QString text = entry.url.toString();
        if (entry.post)
            text = QStringLiteral("POST ") + text;
        list.append(text);
    }
    return list;
}

int PhoneSession::timerRemaining() const
{
    return m_browser ? m_browser->timerRemaining() : -1;
}

QStringList PhoneSession::activeDos() const
{
    QStringList list;
    if (!m_browser)
        return list;
    for (const DoBinding &binding : m_browser->activeDos()) {
        QString text = binding.type;
        if (binding.name != binding.type)
            text += QLatin1Char(' ') + binding.name;
        if (!binding.label.isEmpty())
            text += QStringLiteral(": ") + binding.label;
        list.append(text);
    }
    return list;
}

QString PhoneSession::lastRequest() const
{
    const FetchRequest &request = m_fetcher->lastRequest();
    if (request.url.isEmpty())
        return QString();
    QString text = methodText(request.post) + QLatin1Char(' ') + request.url.toString();
    if (request.post && !request.body.isEmpty())
        text += QLatin1Char('\n') + QString::fromUtf8(request.body);
    return text;
}
