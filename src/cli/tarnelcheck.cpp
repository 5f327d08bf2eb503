// tarnel-check: checks WML decks as the editor does and prints every
// problem as FILE:LINE:COLUMN: error|warning: MESSAGE [RULE]. Exits 0 when
// no file has an error, 1 when one has, 2 on bad usage or a file that
// cannot be read.
#include "check/checker.h"
#include "check/checkreport.h"
#include "common/documentfile.h"
#include "common/tarnelerror.h"
#include "wml/wmldocument.h"

#include "clidevice.h"
#include "clioutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int exitClean = 0;
constexpr int exitErrors = 1;
using CliOutput::exitUsage;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnel-check"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Checks WML decks: XML well-formedness, the WML document type, the rules of WML and the limits "
        "of a phone."));
    parser.addHelpOption();
    const QCommandLineOption versionOption(QStringLiteral("version"),
                                           QStringLiteral("Check against WML 1.1, 1.2 or 1.3 instead of the "
                                                          "version the DOCTYPE names."),
                                           QStringLiteral("1.1|1.2|1.3"));
    const QCommandLineOption deviceOption(QStringLiteral("device"),
                                          QStringLiteral("The phone whose limits apply: \"generic\" or a phone of "
                                                         "data/devices.ini (nokia7110, ...)."),
                                          QStringLiteral("NAME"));
    const QCommandLineOption jsonOption(QStringLiteral("json"),
                                        QStringLiteral("Print one JSON object per problem instead."));
    parser.addOptions({versionOption, deviceOption, jsonOption});
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The decks to check."),
                                 QStringLiteral("FILE..."));

    if (!parser.parse(QCoreApplication::arguments()))
        return CliOutput::usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        CliOutput::write(stdout, parser.helpText().toLocal8Bit());
        return exitClean;
    }
    Checker::Options options;
    if (parser.isSet(versionOption)) {
        WmlVersion version;
        if (!parseVersionName(parser.value(versionOption), &version))
            return CliOutput::usageError(parser, QStringLiteral("Unknown WML version: %1").arg(parser.value(versionOption)));
        options.version = version;
    }
    if (parser.isSet(deviceOption)) {
        QString error;
        const std::optional<DeviceProfile> device = CliDevice::byName(parser.value(deviceOption), &error);
        if (!device)
            return CliOutput::usageError(parser, error);
        options.device = *device;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty())
        return CliOutput::usageError(parser, QStringLiteral("No file to check."));

    bool anyErrors = false;
    bool anyUnreadable = false;
    for (const QString &file : files) {
        LoadedDocument loaded;
        try {
            loaded = DocumentFile::load(file);
        } catch (const TarnelError &error) {
            CliOutput::write(stderr, (file + QStringLiteral(": ") + errorDisplayText(error.text()) + QLatin1Char('\n')).toLocal8Bit());
            anyUnreadable = true;
            continue;
        }
        WmlDocument::Options parseOptions;
        parseOptions.actualEncoding = loaded.encoding.name;
        const auto document = WmlDocument::parse(loaded.text, parseOptions);
        const QList<Diagnostic> diagnostics = Checker::check(*document, options);
        CliOutput::write(stdout, parser.isSet(jsonOption) ? CheckReport::jsonLines(file, diagnostics)
                                                 : CheckReport::lines(file, diagnostics));
        anyErrors = anyErrors || CheckReport::hasErrors(diagnostics);
    }
    if (anyUnreadable)
        return exitUsage;
    return anyErrors ? exitErrors : exitClean;
}
