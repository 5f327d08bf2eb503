// tarnel-highlight: writes a WML page coloured as the editor colours it,
// either as an HTML page a page author can publish or, with --runs, as one
// line per run of one class so the highlighter can be checked from outside.
#include "common/documentfile.h"
#include "common/linebreaks.h"
#include "common/tarnelerror.h"
#include "editor/highlightexport.h"
#include "editor/wmlhighlighter.h"

#include "clioutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int exitUnreadable = 1;
using CliOutput::exitUsage;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnel-highlight"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes a WML file as an HTML page coloured by the highlighter's text classes."));
    parser.addHelpOption();
    const QCommandLineOption runsOption(
        QStringLiteral("runs"),
        QStringLiteral("Print LINE<TAB>COLUMN<TAB>LENGTH<TAB>CLASS for every run of one class instead."));
    parser.addOption(runsOption);
    parser.addPositionalArgument(QStringLiteral("FILE.wml"), QStringLiteral("The page to colour."));

    if (!parser.parse(QCoreApplication::arguments())) {
        CliOutput::write(stderr, (parser.errorText() + QLatin1Char('\n') + parser.helpText()).toLocal8Bit());
        return exitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        CliOutput::write(stdout, parser.helpText().toLocal8Bit());
        return 0;
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        CliOutput::write(stderr, (QStringLiteral("Expected exactly one file.\n") + parser.helpText()).toLocal8Bit());
        return exitUsage;
    }

    QStringList lines;
    try {
        lines = LineBreaks::split(DocumentFile::load(files.first()).text);
    } catch (const TarnelError &error) {
        CliOutput::write(stderr, (errorDisplayText(error.text()) + QLatin1Char('\n')).toLocal8Bit());
        return exitUnreadable;
    }

    const TwmlHighlighter highlighter;
    if (parser.isSet(runsOption))
        CliOutput::write(stdout, HighlightExport::runsText(highlighter, lines));
    else
        CliOutput::write(stdout, HighlightExport::htmlPage(highlighter, lines, QFileInfo(files.first()).fileName()));
    return 0;
}
