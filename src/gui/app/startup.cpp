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
    // Only a program with windows has a style (--help and --version run
    // without); the application takes it over and deletes it at the end.
    if (qobject_cast<QApplication *>(QCoreApplication::instance()))
        QApplication::setStyle(new DeferredIconStyle);
    translations.install(LanguageCatalog::translationBase(programFile), UserSettings::languageOverride());
}

} // namespace StartUp
