#pragma once

#include <QString>

// Character references of WML text (WML 1.3, 10.2): the named entities
// &amp; &lt; &gt; &quot; &apos; &nbsp; &shy; and the numeric &#N; and
// &#xN;. The preview's pages leave them to the viewer; text the program
// shows by itself (a card's title) is decoded here so both read alike.
namespace EntityText {

// text with every known reference replaced by its character; an unknown
// or malformed reference is kept as written.
QString decode(const QString &text);

} // namespace EntityText
