#include "commandlineoptions.h"

#include <QCoreApplication>

namespace CommandLineOptions {

namespace {
QString tr(const char *text)
{
    return QCoreApplication::translate("CommandLineOptions", text);
}
} // namespace

Parsed parse(const QStringList &arguments)
{
    Parsed parsed;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && argument.startsWith(QLatin1String("--"))) {
            if (argument == QLatin1String("--")) {
                optionsEnded = true;
                continue;
            }
            // The first option decides; files around it do not matter.
            if (argument == QLatin1String("--help"))
                parsed.action = Action::Help;
            else if (argument == QLatin1String("--version"))
                parsed.action = Action::Version;
            else {
                parsed.action = Action::Unknown;
                parsed.unknown = argument;
            }
            parsed.files.clear();
            return parsed;
        }
        parsed.files.append(argument);
    }
    return parsed;
}

QString usageText()
{
    return tr("Usage: tarnel [--help] [--version] [--] [FILE]...\n"
              "Opens each FILE in its own document window; a file that does not exist is created empty.\n"
              "\n"
              "  --help     print this text and exit\n"
              "  --version  print the program's name and version and exit\n"
              "  --         every argument after it is a file name (also one that begins with \"--\")\n");
}

QString versionText()
{
    return QStringLiteral("Orvane Tarnel %1\n").arg(QLatin1String(programVersion));
}

QString unknownOptionText(const QString &option)
{
    return tr("tarnel: unknown option %1\nTry \"tarnel --help\"; a file of that name opens as \"./%1\".\n")
        .arg(option);
}

int exitCode(Action action)
{
    return action == Action::Unknown ? 2 : 0;
}

} // namespace CommandLineOptions
