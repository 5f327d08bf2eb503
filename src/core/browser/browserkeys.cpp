// The keys of the phone: moving the focus, the middle key, the soft keys,
// the back key, typing into a field and choosing from a list.
#include "browser.h"

#include "browsertexts.h"
#include "inputmask.h"

#include <algorithm>

Browser::Outcome Browser::press(Key key)
{
    m_chain = 0;
    const Screen &shown = screen();
    if (key == Key::Back && !m_profile.backKey)
        return Outcome(); // the phone has no such key: nothing happens
    if (key == Key::Soft2 && m_profile.softKeys < 2)
        return Outcome::refused(BrowserTexts::tr("The phone has no right soft key"));
    switch (m_overlay) {
    case Overlay::Error:
        if (key == Key::Select || key == Key::Soft1 || key == Key::Back) {
            m_overlay = Overlay::None;
            m_error.clear();
            markDirty();
            return Outcome();
        }
        if (key == Key::Soft2)
            return Outcome::refused(BrowserTexts::tr("The right soft key does nothing on an error screen"));
        return Outcome();
    case Overlay::Options:
    case Overlay::Select: {
        const int count = int(shown.menu.entries.size());
        switch (key) {
        case Key::Up:
            m_highlight = std::max(0, shown.menu.highlight - 1);
            break;
        case Key::Down:
            m_highlight = std::min(std::max(0, count - 1), shown.menu.highlight + 1);
            break;
        case Key::Select:
        case Key::Soft1:
            if (count == 0)
                return Outcome::refused(BrowserTexts::tr("The list is empty"));
            return chooseMenuEntry(shown.menu.highlight);
        case Key::Soft2:
        case Key::Back:
            m_overlay = Overlay::None;
            break;
        }
        markDirty();
        return Outcome();
    }
    case Overlay::Editing:
        if (key == Key::Select || key == Key::Soft1 || key == Key::Soft2 || key == Key::Back) {
            m_overlay = Overlay::None;
            markDirty();
        }
        return Outcome();
    case Overlay::None:
        break;
    }
    if (!m_card)
        return Outcome::refused(BrowserTexts::tr("No card is shown"));
    const int count = int(shown.items.size());
    switch (key) {
    case Key::Up:
        m_focus = std::max(0, shown.focus - 1);
        break;
    case Key::Down:
        m_focus = std::min(std::max(0, count - 1), shown.focus + 1);
        break;
    case Key::Select:
        if (shown.focus < 0)
            return Outcome::refused(BrowserTexts::tr("There is no link or field to select on this card"));
        return activateItem(shown.focus);
    case Key::Soft1:
        if (m_softKeys.left.kind == SoftKeyAction::Kind::None)
            return Outcome::refused(BrowserTexts::tr("The left soft key does nothing on this card"));
        return activateSoftKey(m_softKeys.left);
    case Key::Soft2:
        if (m_softKeys.right.kind == SoftKeyAction::Kind::None)
            return Outcome::refused(BrowserTexts::tr("The right soft key does nothing on this card"));
        return activateSoftKey(m_softKeys.right);
    case Key::Back:
        return goBack();
    }
    markDirty();
    return Outcome();
}

Browser::Outcome Browser::goBack()
{
    Task prev;
    prev.kind = Task::Kind::Prev;
    runTask(prev);
    markDirty();
    return Outcome();
}

Browser::Outcome Browser::activateSoftKey(const SoftKeyAction &action)
{
    switch (action.kind) {
    case SoftKeyAction::Kind::Do:
        return runDo(action.binding);
    case SoftKeyAction::Kind::Options:
        m_overlay = Overlay::Options;
        m_highlight = 0;
        markDirty();
        return Outcome();
    case SoftKeyAction::Kind::Back:
        return goBack();
    case SoftKeyAction::Kind::None:
        break;
    }
    return Outcome();
}

Browser::Outcome Browser::runDo(int binding)
{
    if (binding < 0 || binding >= m_dos.size())
        return Outcome();
    const Task task = m_dos[binding].task; // a copy: the task may replace the card
    m_overlay = Overlay::None;
    runTask(task);
    markDirty();
    return Outcome();
}

Browser::Outcome Browser::activateItem(int index)
{
    const ScreenItem item = m_screen.items.value(index);
    if (!item.node)
        return Outcome::refused(BrowserTexts::tr("There is no link or field to select on this card"));
    switch (item.kind) {
    case ScreenItem::Kind::Link: {
        const Task task = item.node->name == QLatin1String("a") ? Task::go(item.node->value(u"href"))
                                                                : Task::childOf(*item.node);
        runTask(task);
        break;
    }
    case ScreenItem::Kind::Input:
        m_overlay = Overlay::Editing;
        m_overlayField = item.node;
        break;
    case ScreenItem::Kind::Select: {
        m_overlay = Overlay::Select;
        m_overlayField = item.node;
        const SelectList list = m_selects.value(item.node);
        m_highlight = list.chosen().isEmpty() ? 0 : list.chosen().first() - 1;
        break;
    }
    }
    markDirty();
    return Outcome();
}

Browser::Outcome Browser::chooseMenuEntry(int index)
{
    if (m_overlay == Overlay::Options) {
        m_overlay = Overlay::None;
        markDirty();
        return runDo(m_softKeys.options.value(index, -1));
    }
    auto found = m_selects.find(m_overlayField);
    if (found == m_selects.end())
        return Outcome::refused(BrowserTexts::tr("No list is open"));
    if (!found->pick(index + 1, m_context))
        return Outcome::refused(BrowserTexts::tr("The list has no option %1").arg(index + 1));
    const WmlNode *option = found->options()[index].node;
    if (!found->isMultiple())
        m_overlay = Overlay::None;
    m_highlight = index;
    markDirty();
    const Task task = CardBindings::ownEvent(*option, QStringLiteral("onpick"));
    if (task.isActive()) {
        m_overlay = Overlay::None;
        runTask(task);
    }
    return Outcome();
}

Browser::Outcome Browser::type(const QString &text)
{
    m_chain = 0;
    const Screen &shown = screen();
    const WmlNode *field = nullptr;
    if (m_overlay == Overlay::Editing)
        field = m_overlayField;
    else if (m_overlay == Overlay::None && shown.focus >= 0 && shown.items[shown.focus].kind == ScreenItem::Kind::Input)
        field = shown.items[shown.focus].node;
    if (!field)
        return Outcome::refused(BrowserTexts::tr("No input field is open"));
    const InputRules rules = InputRules::of(field->value(u"format"), field->value(u"emptyok"),
                                            field->value(u"maxlength"));
    if (!rules.accepts(text))
        return Outcome::refused(BrowserTexts::tr("\"%1\" does not fit the field's format").arg(text));
    m_context.setValue(field->value(u"name"), text);
    m_overlay = Overlay::None;
    markDirty();
    return Outcome();
}

Browser::Outcome Browser::pick(int n)
{
    m_chain = 0;
    const Screen &shown = screen();
    const bool opened = m_overlay == Overlay::None && shown.focus >= 0
                        && shown.items[shown.focus].kind == ScreenItem::Kind::Select;
    if (opened) {
        m_overlay = Overlay::Select;
        m_overlayField = shown.items[shown.focus].node;
        markDirty();
    }
    if (m_overlay != Overlay::Options && m_overlay != Overlay::Select)
        return Outcome::refused(BrowserTexts::tr("No list is open"));
    const int count = int(screen().menu.entries.size());
    if (n < 1 || n > count) {
        if (opened) { // a refused key changes nothing
            m_overlay = Overlay::None;
            markDirty();
        }
        return Outcome::refused(BrowserTexts::tr("The list has no option %1").arg(n));
    }
    const Outcome outcome = chooseMenuEntry(n - 1);
    // Picking from a focused multiple list leaves it as it was: closed.
    if (opened && m_overlay == Overlay::Select)
        m_overlay = Overlay::None;
    return outcome;
}
