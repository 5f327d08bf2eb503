#pragma once

#include <QString>

struct WmlNode;

// Text helpers of the engine: the characters under an element and WML's
// white-space rule (runs of white space show as one space).
namespace CardText {

// The text of every text node under node, in order, as written.
QString plainText(const WmlNode &node);
// Runs of XML white space made one space; non-breaking spaces are kept.
QString collapse(const QString &text);
bool isXmlSpace(QChar c);

} // namespace CardText
