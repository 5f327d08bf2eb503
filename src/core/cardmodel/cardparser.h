#pragma once

#include <QString>

class CardModel;

// Builds the card model from a document's WML source: every "<card" (any
// case, comments included) starts a card whose body runs to the next
// "</card>"; each body is cut into tokens and every token becomes an
// element of the card. The parser reports nothing and rejects nothing:
// what it does not model becomes UNKNOWN elements.
namespace CardParser {

// Rebuilds model from source. Throws TarnelError when an image of the page
// ends inside its header.
void SplitCards(CardModel &model, const QString &source);

// Turns one card's body into elements of card cardNumber.
void ParseCardBody(CardModel &model, const QString &body, int cardNumber);

} // namespace CardParser
