#include "elementcontrol.h"

bool elementKindFromName(const QString &name, ElementKind &kind)
{
    static const struct
    {
        const char *name;
        ElementKind kind;
    } kinds[] = {
        {"PARAGRAPH", ElementKind::Paragraph}, {"LINK", ElementKind::Link},
        {"BUTTON", ElementKind::Button},       {"IMAGE", ElementKind::Image},
        {"POSTFIELD", ElementKind::Postfield}, {"SELECT", ElementKind::Select},
        {"UNKNOWN", ElementKind::Unknown},
    };
    for (const auto &entry : kinds) {
        if (name == QLatin1String(entry.name)) {
            kind = entry.kind;
            return true;
        }
    }
    return false;
}

void CardPage::add(ElementControl control)
{
    // The first control of a name is the one found, as with any lookup by name.
    if (!m_index.contains(control.name))
        m_index.insert(control.name, controls.size());
    controls.append(std::move(control));
}

const ElementControl *CardPage::control(const QString &name) const
{
    const auto found = m_index.constFind(name);
    return found == m_index.constEnd() ? nullptr : &controls[found.value()];
}

ElementControl *CardPage::control(const QString &name)
{
    return const_cast<ElementControl *>(std::as_const(*this).control(name));
}
