// Reloading the deck an editor changed, and variables set from outside.
#include "browser.h"

#include "browsertexts.h"

namespace {

const WmlNode *cardOrFirst(const WmlNode &wml, const QString &id)
{
    const QList<const WmlNode *> cards = wml.elements(u"card");
    if (!id.isEmpty()) {
        for (const WmlNode *card : cards) {
            if (card->value(u"id") == id)
                return card;
        }
    }
    return cards.isEmpty() ? nullptr : cards.first();
}

} // namespace

bool Browser::reload()
{
    if (!m_document || m_deckUrl.isEmpty())
        return false;
    m_chain = 0;
    const Fetched fetched = fetchDeck(m_deckUrl, false, QByteArray(), true, QUrl());
    if (!fetched.document) {
        fail(fetched.error);
        return false;
    }
    const WmlNode *card = cardOrFirst(*fetched.document->root(), cardId());
    if (!card) {
        fail(BrowserTexts::tr("The deck has no card"));
        return false;
    }
    const bool sameCard = m_card && card->value(u"id") == cardId() && !cardId().isEmpty();
    const int focus = m_focus;
    exitCard();
    setCard(fetched.document, m_deckUrl, card);
    if (sameCard) {
        m_focus = focus; // clamped to the new items when laid out
    } else if (!m_context.history().isEmpty()) {
        // The card the history named is gone: its entry now names the one shown.
        HistoryEntry top = m_context.pop();
        top.url = url();
        m_context.push(top);
    }
    enterCard();
    return true;
}

void Browser::setVariable(const QString &name, const QString &value)
{
    m_context.setValue(name, value);
    initialiseForms();
    markDirty();
}
