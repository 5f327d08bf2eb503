#pragma once

#include <QString>
#include <QStringList>

// A document is a list of lines. Loading divides text at CR LF, LF CR, a
// lone CR or a lone LF; the editor joins lines with CR LF and puts no break
// after the last line, so a text that ended in a break keeps it as an empty
// last line. Saving writes the breaks in the style the file was loaded with.
namespace LineBreaks {

// The break a file's lines are joined with.
enum class Style { CrLf, Lf, Cr };

QStringList split(QStringView text);
QString join(const QStringList &lines);
// split() followed by join(), in one pass.
QString normalized(QStringView text);

// The style of text's breaks when every break is of one kind (CR LF, LF or
// CR); CR LF for a text with mixed breaks, LF CR breaks or none at all.
Style detect(QStringView text);
// text's lines joined by the style's break.
QString joined(QStringView text, Style style);
// "CR LF", "LF" or "CR".
QString styleName(Style style);

} // namespace LineBreaks
