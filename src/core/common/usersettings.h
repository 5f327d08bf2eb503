#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

class QSettings;

// The per-user settings of the program (the language override, the help
// window's placement, the 8-bit character set of undeclared pages), kept in the platform's native settings store under
// the program's name rather than in "tarnel.ini".
namespace UserSettings {

std::unique_ptr<QSettings> open();

QString languageOverride();
void setLanguageOverride(const QString &code);

// The 8-bit character set a page is read in when its bytes are not UTF-8
// and it declares none. Until the user chooses one it follows the language:
// windows-1250 for Czech, windows-1252 otherwise.
QByteArray fallbackCharset();
void setFallbackCharset(const QByteArray &name);
// The first value for a language override code ("CS") or, without one, for
// the system's language.
QByteArray fallbackCharsetForLanguage(const QString &code);

// Whether the Preview tab shows the running phone ("Phone") rather than
// the cards ("Cards", the default), and whether the phone's inspector shows.
bool phoneMode();
void setPhoneMode(bool on);
bool phoneInspector();
void setPhoneInspector(bool on);

} // namespace UserSettings
