#pragma once

#include <QString>
#include <QStringView>

// What WML's document types say an attribute holds, as far as variables
// and URLs go.
namespace DeckAttributes {
// Whether the attribute of that element may hold variables (%vdata and
// %HREF in the WML document types).
bool isVdata(QStringView element, QStringView attribute);
// Whether it holds a URL (%HREF).
bool isHref(QStringView element, QStringView attribute);
// Whether it is a plain CDATA attribute, where a dollar sign must be
// written $$ (WML 1.3, 10.3.5). Name tokens, ids and enumerations are the
// document type's concern.
bool isPlainCdata(QStringView element, QStringView attribute);
// Whether it takes a name, a number or one of fixed words (ID, NMTOKEN and
// enumerations), where no dollar sign fits.
bool isNameToken(QStringView element, QStringView attribute);
} // namespace DeckAttributes
