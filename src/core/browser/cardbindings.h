#pragma once

#include "task.h"

#include <QList>
#include <QString>

struct WmlNode;

// A do element that is active on a card: declared in the card, or in the
// deck's template and not shadowed by a card do of the same name.
struct DoBinding
{
    const WmlNode *element = nullptr;
    QString type;  // "accept", "prev", "options", ... ("unknown" when empty)
    QString name;  // the name, or the type when it has none
    QString label; // as written, variables not yet filled in
    bool optional = false;
    Task task;
};

// Which event bindings and do elements are active on a card (WML 1.3, 9.6
// and 9.10): a card binding shadows the template's binding of the same
// event type (or do name), whichever syntax either uses; a binding whose
// task is noop masks the event entirely.
namespace CardBindings {

// The template of the deck the card belongs to, or null.
const WmlNode *templateOf(const WmlNode &wml);

// The active task for onenterforward, onenterbackward or ontimer; a task
// of kind None when nothing is bound or a noop masks it.
Task cardEvent(const WmlNode &card, const WmlNode *deckTemplate, const QString &type);
// The task bound to event type on element itself (an onevent child or the
// attribute of the same name), kind None when none.
Task ownEvent(const WmlNode &element, const QString &type);

// The active do elements: the card's in document order, then the
// template's that the card does not shadow.
QList<DoBinding> activeDos(const WmlNode &card, const WmlNode *deckTemplate);

} // namespace CardBindings
