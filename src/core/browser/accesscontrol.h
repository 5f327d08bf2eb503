#pragma once

#include <QString>
#include <QUrl>

struct WmlNode;

// Deck access control (WML 1.3, 11.3.1 and 12.1): a deck's access element
// names the domain and path of the decks that may navigate into it. The
// domain is suffix-matched by whole labels against the referring deck's
// host, the path prefix-matched by whole segments against its path.
namespace AccessControl {

// Whether a deck at deckUrl whose access element is access (null when it
// has none) may be entered from the deck at referer.
bool allows(const WmlNode *access, const QUrl &deckUrl, const QUrl &referer);
bool allows(const QString &domain, const QString &path, const QUrl &deckUrl, const QUrl &referer);

// The deck's access element (head/access), or null.
const WmlNode *accessElement(const WmlNode &wml);

} // namespace AccessControl
