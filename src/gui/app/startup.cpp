#include "startup.h"

#include "common/languagecatalog.h"
#include "common/translationset.h"
#include "common/usersettings.h"

#include <QCoreApplication>

namespace StartUp {

void configure(TranslationSet &translations, const QString &programFile)
{
    QCoreApplication::setApplicationName(QStringLiteral("tarnel"));
    translations.install(LanguageCatalog::translationBase(programFile), UserSettings::languageOverride());
}

} // namespace StartUp
