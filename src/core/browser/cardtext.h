#pragma once

#include <QString>

struct WmlNode;

// Text helpers of the engine: the characters under an element and WML's
// white-space rule (runs of white space show as one space).
namespace CardText {

// How deep the engine follows nested elements; deeper content is ignored,
// so a hostile deck cannot exhaust the stack.
constexpr int maximumDepth = 200;

// The text of every text node under node, in order, as written.
QString plainText(const WmlNode &node, int depth = 0);
// Runs of XML white space made one space; non-breaking spaces are kept.
QString collapse(const QString &text);
bool isXmlSpace(QChar c);

} // namespace CardText
