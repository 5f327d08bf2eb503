#pragma once

#include <QList>
#include <QString>
#include <functional>

// The Language menu as data: one item per translation file found beside
// the program, matched against the locale table in its order.
struct LanguageItem
{
    QString name;    // object name of the menu item: code + "1", or "Dflt1"
    QString caption; // "Czech", "English (United Kingdom)", "[default]"
};

namespace LanguageCatalog {

// The program file's path with everything after its last "." removed (the
// "." stays); a program file without an extension gives its path + ".".
QString translationBase(const QString &programFile);

// "[default]" first, then one item per code whose file base + code exists,
// each code once; empty when no translation file exists.
QList<LanguageItem> menuItems(const QString &base,
                              const std::function<bool(const QString &)> &fileExists);

// The code a menu item stands for: its name without the last character;
// "Dflt1" gives the empty code (no override).
QString codeOfItem(const QString &itemName);

// The translation file for a language override; empty for no override.
QString translationFile(const QString &base, const QString &code);

} // namespace LanguageCatalog
