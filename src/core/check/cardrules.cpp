#include "deckchecks.h"
#include "deckattributes.h"
#include "decktext.h"

#include <QHash>
#include <QSet>
#include <QUrl>

// Cards: unique ids, and links within the deck that lead to a card.

namespace DeckChecks {

namespace {

QList<const WmlNode *> cards(const WmlNode &root)
{
    return root.elements(u"card");
}

} // namespace

void cardIds(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    QHash<QString, const WmlNode *> seen;
    for (const WmlNode *card : cards(*root)) {
        const WmlAttribute *id = card->attribute(u"id");
        if (!id)
            continue;
        const auto first = seen.constFind(id->value);
        if (first == seen.constEnd()) {
            seen.insert(id->value, card);
            continue;
        }
        context.error(QStringLiteral("wml-card-id"), id->valueRange,
                      CheckContext::tr("Another card already has the id \"%1\" (line %2)")
                          .arg(id->value)
                          .arg((*first)->startTag.start.line));
    }
}

void linkTargets(const CheckContext &context)
{
    const WmlNode *root = context.document().root();
    if (!root)
        return;
    QSet<QString> ids;
    for (const WmlNode *card : cards(*root)) {
        if (card->hasAttribute(u"id"))
            ids.insert(card->value(u"id"));
    }
    forEachElement(*root, [&](const WmlNode &element) {
        for (const WmlAttribute &attribute : element.attributes) {
            if (!attribute.value.startsWith(QLatin1Char('#')) || !DeckAttributes::isHref(element.name, attribute.name)
                || element.name == QLatin1String("img") || attribute.value.contains(QLatin1Char('$')))
                continue;
            const QString fragment = attribute.value.mid(1);
            if (ids.contains(fragment) || ids.contains(QUrl::fromPercentEncoding(fragment.toUtf8())))
                continue;
            // Not a fault of the document itself (WML has no rule for it), but
            // the phone fails the task when it follows the link.
            if (fragment.isEmpty()) {
                context.warning(QStringLiteral("wml-link-target"), attribute.valueRange,
                              CheckContext::tr("The link names no card after \"#\""));
            } else {
                context.warning(QStringLiteral("wml-link-target"), attribute.valueRange,
                              CheckContext::tr("No card has the id \"%1\"").arg(fragment));
            }
        }
    });
}

} // namespace DeckChecks
