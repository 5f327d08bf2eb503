#include "deckchecks.h"
#include "decktext.h"

// Card timers (WML 1.3, 11.7): a timer whose expiry nothing handles, an
// ontimer no timer starts, and a timeout the phone cannot read.

namespace DeckChecks {

namespace {

bool handlesTimer(const WmlNode &element)
{
    if (element.hasAttribute(u"ontimer"))
        return true;
    for (const WmlNode *onevent : element.elements(u"onevent")) {
        if (onevent->value(u"type") == QLatin1String("ontimer"))
            return true;
    }
    return false;
}

const WmlAttribute *ontimerBinding(const WmlNode &card)
{
    if (const WmlAttribute *attribute = card.attribute(u"ontimer"))
        return attribute;
    for (const WmlNode *onevent : card.elements(u"onevent")) {
        const WmlAttribute *type = onevent->attribute(u"type");
        if (type && type->value == QLatin1String("ontimer"))
            return type;
    }
    return nullptr;
}

bool isTimeout(const QString &value)
{
    const QString trimmed = value.trimmed();
    if (trimmed.isEmpty())
        return false;
    for (const QChar c : trimmed) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return true;
}

} // namespace

void timers(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    bool templateHandles = false;
    for (const WmlNode *deckTemplate : root->elements(u"template"))
        templateHandles = templateHandles || handlesTimer(*deckTemplate);
    for (const WmlNode *card : root->elements(u"card")) {
        const QList<const WmlNode *> cardTimers = card->elements(u"timer");
        for (const WmlNode *timer : cardTimers) {
            const WmlAttribute *value = timer->attribute(u"value");
            if (value && !value->value.contains(QLatin1Char('$')) && !isTimeout(value->value)) {
                context.warning(QStringLiteral("wml-timer"), value->valueRange,
                                CheckContext::tr("\"%1\" is no timeout in tenths of a second, so the phone ignores "
                                                 "this timer")
                                    .arg(value->value));
            }
        }
        const WmlAttribute *binding = ontimerBinding(*card);
        if (!cardTimers.isEmpty() && !binding && !templateHandles) {
            context.warning(QStringLiteral("wml-timer"), cardTimers.front()->startTag,
                            CheckContext::tr("Nothing happens when this timer runs out: give the card or the "
                                             "template an ontimer"));
        } else if (cardTimers.isEmpty() && binding) {
            context.warning(QStringLiteral("wml-timer"), binding->range,
                            CheckContext::tr("No timer starts in this card, so its ontimer never fires"));
        }
    }
}

} // namespace DeckChecks
