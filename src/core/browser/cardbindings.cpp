#include "cardbindings.h"

#include "cardtext.h"
#include "wml/wmlnode.h"

namespace CardBindings {

namespace {

// The do elements under parent, not descending into nested cards.
void collectDos(const WmlNode &parent, QList<DoBinding> *dos, int depth = 0)
{
    if (depth > CardText::maximumDepth)
        return;
    for (const WmlNode &child : parent.children) {
        if (!child.isElement())
            continue;
        if (child.name == QLatin1String("do")) {
            DoBinding binding;
            binding.element = &child;
            binding.type = child.value(u"type");
            if (binding.type.isEmpty())
                binding.type = QStringLiteral("unknown");
            binding.name = child.hasAttribute(u"name") ? child.value(u"name") : binding.type;
            binding.label = child.value(u"label");
            binding.optional = child.value(u"optional") == QLatin1String("true");
            binding.task = Task::childOf(child);
            dos->append(binding);
        } else if (child.name != QLatin1String("onevent") && child.name != QLatin1String("select")
                   && child.name != QLatin1String("input")) {
            collectDos(child, dos, depth + 1);
        }
    }
}

} // namespace

const WmlNode *templateOf(const WmlNode &wml)
{
    const QList<const WmlNode *> templates = wml.elements(u"template");
    return templates.isEmpty() ? nullptr : templates.first();
}

Task ownEvent(const WmlNode &element, const QString &type)
{
    for (const WmlNode *onevent : element.elements(u"onevent")) {
        if (onevent->value(u"type") == type)
            return Task::childOf(*onevent);
    }
    if (element.hasAttribute(type))
        return Task::go(element.value(type));
    return Task();
}

Task cardEvent(const WmlNode &card, const WmlNode *deckTemplate, const QString &type)
{
    Task task = ownEvent(card, type);
    if (task.kind == Task::Kind::None && deckTemplate)
        task = ownEvent(*deckTemplate, type);
    return task.kind == Task::Kind::Noop ? Task() : task;
}

QList<DoBinding> activeDos(const WmlNode &card, const WmlNode *deckTemplate)
{
    QList<DoBinding> cardDos;
    collectDos(card, &cardDos);
    QList<DoBinding> active;
    for (const DoBinding &binding : cardDos) {
        if (binding.task.kind != Task::Kind::Noop && binding.task.kind != Task::Kind::None)
            active.append(binding);
    }
    if (deckTemplate) {
        QList<DoBinding> deckDos;
        collectDos(*deckTemplate, &deckDos);
        for (const DoBinding &binding : deckDos) {
            bool shadowed = false;
            for (const DoBinding &own : cardDos)
                shadowed = shadowed || own.name == binding.name;
            if (!shadowed && binding.task.kind != Task::Kind::Noop && binding.task.kind != Task::Kind::None)
                active.append(binding);
        }
    }
    return active;
}

} // namespace CardBindings
