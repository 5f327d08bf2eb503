#pragma once

#include <QString>

namespace DeckSize {

// The bytes a deck's text takes in UTF-8 without its comments and without
// the white space a phone does not show (runs of spaces count once, the
// spaces between two tags not at all). A compiled deck is smaller: this
// stands in for its size until decks are compiled here.
int textEstimate(const QString &text);

} // namespace DeckSize
