#pragma once

#include <QString>
#include <QStringList>

// Cuts a card body into the tokens the card parser reads: every tag, and
// every line of text between tags, one token each. A tag written over
// several lines gives one token per line; lines of text keep their leading
// blanks; text before the first tag becomes a piece that starts with "<".
namespace CardTokenizer {

QStringList tokens(const QString &body);

} // namespace CardTokenizer
