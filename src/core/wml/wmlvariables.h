#pragma once

#include <QList>
#include <QString>
#include <QStringView>

// WML's variable references in text and %vdata/%HREF attribute values
// (WML 1.3, 10.3): "$name", "$(name)", "$(name:escape|noesc|unesc)" and
// their one-letter or mixed-case forms, with "$$" standing for one "$".
namespace WmlVariables {

enum class Conversion { None, Escape, Unescape, NoEscape };

struct Piece
{
    enum class Kind { Text, Variable };
    Kind kind = Kind::Text;
    QString text; // the characters of a text piece, or the variable's name
    Conversion conversion = Conversion::None;
};

// The value cut into text and variables, "$$" already made one "$". A
// reference whose syntax is broken stays text, as written.
QList<Piece> split(QStringView value);

// Whether name is a legal variable name: a letter or "_", then letters,
// digits or "_".
bool isName(QStringView name);

} // namespace WmlVariables
