#pragma once

#include <QString>

struct WmlNode;

// A task bound to an event, a do element or a link (WML 1.3, 9.5): go,
// prev, refresh or noop, with the element that holds its setvar and
// postfield children. A go written as an attribute (onpick="url",
// <a href="url">) has no element, only its href.
struct Task
{
    enum class Kind { None, Go, Prev, Refresh, Noop };

    Kind kind = Kind::None;
    const WmlNode *element = nullptr;
    QString href; // as written, variables not yet filled in

    bool isActive() const { return kind != Kind::None && kind != Kind::Noop; }

    static Task go(const QString &href);
    // The task element among parent's children (the first, if several).
    static Task childOf(const WmlNode &parent);
    // The task an element stands for: go, prev, refresh or noop itself.
    static Task fromElement(const WmlNode &element);
};
