#pragma once

#include "checker.h"

// The rules, by family; checker.cpp runs them in this order.
namespace DocumentTypeRules {
// Content models, required and allowed attributes, enumerated values and
// attribute types of WML 1.1, 1.2 and 1.3.
QList<Checker::Rule> rules();
} // namespace DocumentTypeRules

namespace DeckRules {
// What the document type cannot say: variables, card ids and links, do
// names, tasks, events, prologue and character set, and the like.
QList<Checker::Rule> rules();
} // namespace DeckRules

namespace DeviceRules {
// What the chosen phone takes: deck size, picture size, URL length.
QList<Checker::Rule> rules();
} // namespace DeviceRules

namespace PictureRules {
// The pictures an <img> shows, read from beside the deck: too large for
// the phone's screen or too heavy for it, too small to see, not a WBMP
// type 0 picture, missing.
QList<Checker::Rule> rules();
} // namespace PictureRules
