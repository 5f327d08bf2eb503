// Tarnel: a desktop editor for WML pages.
#include "app/apptexts.h"
#include "app/firstmapreport.h"
#include "app/mainform.h"

#include "common/languagecatalog.h"
#include "common/usersettings.h"

#include <QApplication>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tarnel"));
    QApplication::setApplicationDisplayName(AppTexts::applicationTitle());

    // The user's language override names a translation file beside the program.
    QTranslator translator;
    const QString translation = LanguageCatalog::translationFile(
        LanguageCatalog::translationBase(QApplication::applicationFilePath()), UserSettings::languageOverride());
    if (!translation.isEmpty() && translator.load(translation))
        QApplication::installTranslator(&translator);

    TMainForm mainForm;
    mainForm.openCommandLineFiles(QApplication::arguments().mid(1));
    mainForm.show();
    FirstMapReport::watch(mainForm);
    return application.exec();
}
