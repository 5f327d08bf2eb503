#pragma once

#include <QString>

class BrowserContext;

// Fills in WML variable references at run time (WML 1.3, 10.3.1): an
// undefined variable gives the empty string, "$$" gives "$". In an href
// (HREF context) a reference without a conversion is URL-escaped; in text
// and other attributes it is inserted as it is.
namespace VariableSubstitution {

enum class Context { Text, Href };

QString substitute(const QString &value, const BrowserContext &context, Context where = Context::Text);

// URL-escaping: every character outside the unreserved set
// (letters, digits and - _ . ! ~ * ' ( )) as %XX of its UTF-8 bytes.
QString escape(const QString &value);
QString unescape(const QString &value);

} // namespace VariableSubstitution
