#pragma once

#include <QString>
#include <QStringList>

// New pages: their names and the comment that marks their creation.
namespace NewPage {

// "Noname" + number.
QString name(int number);
// The name of the next new page: "Noname" + (the number of open windows +
// 1), or the next higher number when a window already has that caption
// (letter case ignored), so no two windows share a name.
QString nextName(const QStringList &openCaptions);
// A name whose first six characters, upper-cased, are "NONAME" stands for
// a new page; every other name is a file path.
bool isNewPageName(const QString &name);

QString productAddress();
// "<!-- created by Orvane Tarnel (address) -->\r\n<wml>"
QString creationComment();

// The blank-page template's text with its first "<wml>" (any letter case)
// replaced by the creation comment; without one the comment goes first.
QString fromBlankTemplate(const QString &templateText);

} // namespace NewPage
