#pragma once

#include <QString>
#include <QStringList>

// A document is a list of lines. Loading divides text at CR LF, LF CR, a
// lone CR or a lone LF; the editor and saving join lines with CR LF and put
// no break after the last line, so a text that ended in a break keeps it as
// an empty last line.
namespace LineBreaks {

QStringList split(QStringView text);
QString join(const QStringList &lines);
// split() followed by join(), in one pass.
QString normalized(QStringView text);

} // namespace LineBreaks
