#pragma once

#include <QString>
#include <QUrl>

// The shortest reference that names target from base: a sendreferer go
// sends the referring deck's URL this way ("../menu.wml"), and in full
// only when scheme, host or port differ.
namespace RelativeUrl {

QString between(const QUrl &base, const QUrl &target);

} // namespace RelativeUrl
