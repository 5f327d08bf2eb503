#pragma once

#include <QColor>
#include <QString>

// Colour texts of the skin file: "#RRGGBB", or a colour name that becomes a
// standard name with "cl" in front ("white" is clWhite): the sixteen basic
// colours, the desktop's colours of user-interface elements (clWindow,
// clBtnFace, ...; taken from the application palette) and clNone, which
// gives an invalid QColor (no colour). Names are compared ignoring case.
namespace ColorText {

// Throws TarnelError "'%s' is not a valid integer value" naming the bad
// text: the name with "cl" in front, or a bad hexadecimal pair with "$".
QColor ColorFromText(const QString &text);

} // namespace ColorText
