// Tarnel: a desktop editor for WML pages.
#include "app/firstmapreport.h"
#include "app/mainform.h"
#include "app/startup.h"

#include "common/commandlineoptions.h"
#include "common/translationset.h"

#include <QApplication>
#include <cstdio>

namespace {

QStringList rawArguments(int argc, char *argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

// --help, --version and unknown options print and end the program without
// a display; the texts follow the user's language.
int answerOption(int argc, char *argv[], const CommandLineOptions::Parsed &options)
{
    QCoreApplication core(argc, argv);
    TranslationSet translations;
    StartUp::configure(translations, QCoreApplication::applicationFilePath());
    using CommandLineOptions::Action;
    FILE *stream = options.action == Action::Unknown ? stderr : stdout;
    const QString text = options.action == Action::Help      ? CommandLineOptions::usageText()
                       : options.action == Action::Version ? CommandLineOptions::versionText()
                                                             : CommandLineOptions::unknownOptionText(options.unknown);
    std::fputs(text.toLocal8Bit().constData(), stream);
    std::fflush(stream);
    return CommandLineOptions::exitCode(options.action);
}

} // namespace

int main(int argc, char *argv[])
{
    // Qt's own options ("-platform", "-style") begin with one dash, ours
    // with two, so the raw arguments can be asked before Qt starts.
    const CommandLineOptions::Parsed early = CommandLineOptions::parse(rawArguments(argc, argv));
    if (early.action != CommandLineOptions::Action::Open)
        return answerOption(argc, argv, early);

    QApplication application(argc, argv);
    TranslationSet translations;
    StartUp::configure(translations, QCoreApplication::applicationFilePath());

    TMainForm mainForm;
    mainForm.openCommandLineFiles(CommandLineOptions::parse(QApplication::arguments().mid(1)).files);
    mainForm.show();
    FirstMapReport::watch(mainForm);
    return application.exec();
}
