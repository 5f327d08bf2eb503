#include "task.h"

#include "wml/wmlnode.h"

Task Task::go(const QString &href)
{
    Task task;
    task.kind = Kind::Go;
    task.href = href;
    return task;
}

Task Task::fromElement(const WmlNode &element)
{
    Task task;
    task.element = &element;
    if (element.name == QLatin1String("go")) {
        task.kind = Kind::Go;
        task.href = element.value(u"href");
    } else if (element.name == QLatin1String("prev")) {
        task.kind = Kind::Prev;
    } else if (element.name == QLatin1String("refresh")) {
        task.kind = Kind::Refresh;
    } else if (element.name == QLatin1String("noop")) {
        task.kind = Kind::Noop;
    } else {
        task.element = nullptr;
    }
    return task;
}

Task Task::childOf(const WmlNode &parent)
{
    for (const WmlNode &child : parent.children) {
        if (!child.isElement())
            continue;
        const Task task = fromElement(child);
        if (task.kind != Kind::None)
            return task;
    }
    return Task();
}
