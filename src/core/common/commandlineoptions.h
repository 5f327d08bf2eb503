#pragma once

#include <QString>
#include <QStringList>

// What the tarnel command line asks for. "--help" prints the usage and
// "--version" the program's name and version; both end the program before
// any window opens. Every other argument names a file, and "--" makes all
// arguments after it file names, so a file called "--help" opens as
// "./--help" or after "--". An unknown "--option" is an error rather than a
// file, so a mistyped option never creates a file of that name.
namespace CommandLineOptions {

constexpr const char *programVersion = "3.0.1";

enum class Action { Open, Help, Version, Unknown };

struct Parsed
{
    Action action = Action::Open;
    QStringList files;    // for Open
    QString unknown;      // the offending argument, for Unknown
};

Parsed parse(const QStringList &arguments);

// The texts printed for Help, Version and Unknown; the exit code that goes
// with each action (0, 0, 2).
QString usageText();
QString versionText();
QString unknownOptionText(const QString &option);
int exitCode(Action action);

} // namespace CommandLineOptions
