#pragma once

#include <QString>

class TranslationSet;

// The application-wide set-up the tarnel program makes before its main
// window exists, shared with the tests so they start the program as it
// starts itself.
namespace StartUp {

// Names the application (for the per-user settings) and installs the
// translations of the user's language override: the program's own file
// beside programFile and Qt's catalogue for its dialogs. No display name
// is set, since Qt would append it to every window title.
void configure(TranslationSet &translations, const QString &programFile);

} // namespace StartUp
