// tarnel-preview: the Preview of a deck without any window. Writes the
// card pages and the decoded pictures into a folder, as the program writes
// them into its temp folder, and prints the card names one per line.
#include "cardmodel/cardmodel.h"
#include "common/documentfile.h"
#include "common/tarnelerror.h"
#include "editor/plaintextbuffer.h"
#include "preview/colortext.h"
#include "preview/deviceskin.h"
#include "preview/previewroad.h"

#include "clioutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cstdio>

namespace {

constexpr int exitFailure = 1;
using CliOutput::exitUsage;

int fail(const QString &message)
{
    CliOutput::write(stderr, QStringLiteral("tarnel-preview: ") + message + QLatin1Char('\n'));
    return exitFailure;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnel-preview"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Writes the preview pages of a WML deck and its decoded WBMP pictures into OUTDIR."));
    parser.addHelpOption();
    const QCommandLineOption colorOption(
        QStringLiteral("color"),
        QStringLiteral("Screen colour, the light colour of the pictures (\"#RRGGBB\" or a colour name)."),
        QStringLiteral("COLOUR"), SkinList::plainColor());
    parser.addOption(colorOption);
    parser.addPositionalArgument(QStringLiteral("DECK.wml"), QStringLiteral("The deck to preview."));
    parser.addPositionalArgument(QStringLiteral("OUTDIR"), QStringLiteral("The folder the pages go into."));

    if (!parser.parse(QCoreApplication::arguments()) || parser.positionalArguments().size() != 2) {
        const QString problem = parser.errorText().isEmpty() ? QStringLiteral("a deck and a folder are needed")
                                                             : parser.errorText();
        CliOutput::write(stderr, problem + QLatin1Char('\n') + parser.helpText());
        return exitUsage;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        CliOutput::write(stdout, parser.helpText());
        return 0;
    }
    const QString deck = parser.positionalArguments().at(0);
    const QString outFolder = parser.positionalArguments().at(1);

    try {
        const QColor light = ColorText::ColorFromText(parser.value(colorOption));
        const LoadedDocument document = DocumentFile::load(deck);
        if (!QDir().mkpath(outFolder) || !QFileInfo(outFolder).isDir())
            return fail(QStringLiteral("Cannot create folder ") + outFolder);

        CardModel model;
        PlainTextBuffer buffer;
        PreviewRoad::Request request;
        request.source = document.text;
        request.documentFolder = QFileInfo(deck).absolutePath();
        request.pageFolder = QFileInfo(outFolder).absoluteFilePath();
        request.light = light;
        const PreviewPages::Result result = PreviewRoad::run(model, request, buffer);
        for (const QString &name : result.cardNames)
            CliOutput::write(stdout, name + QLatin1Char('\n'));
    } catch (const TarnelError &error) {
        return fail(error.text());
    }
    return 0;
}
