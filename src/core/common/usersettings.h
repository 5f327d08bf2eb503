#pragma once

#include <QString>
#include <memory>

class QSettings;

// The per-user settings of the program (the language override, the help
// window's placement), kept in the platform's native settings store under
// the program's name rather than in "tarnel.ini".
namespace UserSettings {

std::unique_ptr<QSettings> open();

QString languageOverride();
void setLanguageOverride(const QString &code);

} // namespace UserSettings
