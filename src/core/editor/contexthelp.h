#pragma once

#include <QString>

class SourceEditor;

// Context help: the name of the WML tag nearest before the caret, and the
// help pages beside the program.
namespace ContextHelp {

// The text from the nearest "<" before the caret (or the caret, when there
// is none) through the next ">", cut at its first space, without its first
// "<", its first ">" and its first "/": "card" for the caret inside
// <card id="a">, "p" after </p>, "br" after <br/>. Nothing in the editor
// changes.
QString tagNameBeforeCaret(const SourceEditor &editor);

// "HELP/content.htm" and "HELP/" + name + ".htm" in the program folder.
// The pages are named in lower case, so <CARD> and <Card> find "card.htm"
// on a file system that tells cases apart too.
QString contentsPage();
QString pageOf(const QString &tagName);

} // namespace ContextHelp
