#include "startup.h"

#include "deferrediconstyle.h"

#include "common/languagecatalog.h"
#include "common/translationset.h"
#include "common/usersettings.h"

#include <QApplication>

namespace StartUp {

void configure(TranslationSet &translations, const QString &programFile)
{
    QCoreApplication::setApplicationName(QStringLiteral("tarnel"));
    // The application takes the style over and deletes it at the end.
    QApplication::setStyle(new DeferredIconStyle);
    translations.install(LanguageCatalog::translationBase(programFile), UserSettings::languageOverride());
}

} // namespace StartUp
