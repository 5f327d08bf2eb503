// tarnel-wbxml: compiles WML decks to WBXML as a WAP gateway does, reads
// compiled decks back, and tells whether decks fit a phone.
//   tarnel-wbxml compile DECK.wml [-o OUT.wmlc]
//   tarnel-wbxml decompile DECK.wmlc
//   tarnel-wbxml size [--limit BYTES] DECK...
// Exit codes: 0 done (size: every deck fits), 1 a deck does not compile
// or is over the limit, 2 bad usage or a file that cannot be read.
#include "devices/deviceprofile.h"
#include "common/documentfile.h"
#include "common/tarnelerror.h"
#include "wbxml/wbxmlreader.h"
#include "wbxml/wbxmlwriter.h"
#include "wml/wmldocument.h"

#include "clidevice.h"
#include "clioutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace {

constexpr int exitDone = 0;
constexpr int exitFailed = 1;
using CliOutput::exitUsage;

int unreadable(const QString &file, const QString &why)
{
    CliOutput::write(stderr, file + QStringLiteral(": ") + why + QLatin1Char('\n'));
    return exitUsage;
}

// The deck parsed, or null after saying why on stderr.
std::shared_ptr<const WmlDocument> parsed(const QString &file, int *exitCode)
{
    LoadedDocument loaded;
    try {
        loaded = DocumentFile::load(file);
    } catch (const TarnelError &error) {
        *exitCode = unreadable(file, errorDisplayText(error.text()));
        return nullptr;
    }
    auto document = WmlDocument::parse(loaded.text);
    if (!document->isWellFormed()) {
        const WmlParseError &error = document->errors().first();
        CliOutput::write(stderr, QStringLiteral("%1:%2:%3: error: %4\n")
                                     .arg(file)
                                     .arg(error.range.start.line)
                                     .arg(error.range.start.column)
                                     .arg(error.message));
        *exitCode = exitFailed;
        return nullptr;
    }
    return document;
}

int compile(const QString &file, const QString &output)
{
    int exitCode = exitDone;
    const auto document = parsed(file, &exitCode);
    if (!document)
        return exitCode;
    const QByteArray bytes = WbxmlWriter::encode(*document);
    if (output.isEmpty()) {
        CliOutput::write(stdout, bytes);
        return exitDone;
    }
    QSaveFile out(output);
    if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit())
        return unreadable(output, QStringLiteral("cannot be written"));
    return exitDone;
}

int decompile(const QString &file)
{
    QFile in(file);
    if (QFileInfo(file).isDir() || !in.open(QIODevice::ReadOnly))
        return unreadable(file, QStringLiteral("cannot be read"));
    const WbxmlReader::Result result = WbxmlReader::decode(in.readAll());
    if (!result.ok) {
        CliOutput::write(stderr, file + QStringLiteral(": error: ") + result.error + QLatin1Char('\n'));
        return exitFailed;
    }
    CliOutput::write(stdout, result.text.toUtf8());
    return exitDone;
}

int size(const QStringList &files, int limit)
{
    int exitCode = exitDone;
    for (const QString &file : files) {
        int fileExit = exitDone;
        const auto document = parsed(file, &fileExit);
        if (!document) {
            exitCode = std::max(exitCode, fileExit);
            continue;
        }
        const qsizetype bytes = WbxmlWriter::encode(*document).size();
        const bool fits = bytes <= limit;
        CliOutput::write(stdout, QStringLiteral("%1\t%2\t%3\t%4\n")
                                     .arg(file)
                                     .arg(bytes)
                                     .arg(limit)
                                     .arg(fits ? QStringLiteral("fits") : QStringLiteral("too large")));
        if (!fits)
            exitCode = std::max(exitCode, exitFailed);
    }
    return exitCode;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnel-wbxml"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "compile DECK.wml [-o OUT.wmlc]   writes the deck compiled to WBXML\n"
        "decompile DECK.wmlc             prints a compiled deck as WML\n"
        "size [--device NAME | --limit BYTES] DECK...\n"
        "                                prints FILE, compiled bytes, limit and whether it fits"));
    parser.addHelpOption();
    const QCommandLineOption outputOption(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                          QStringLiteral("Where compile writes (standard output if not given)."),
                                          QStringLiteral("OUT.wmlc"));
    const QCommandLineOption limitOption(QStringLiteral("limit"),
                                         QStringLiteral("The largest compiled deck the phone takes, in bytes."),
                                         QStringLiteral("BYTES"), QString::number(DeviceProfile().maxDeckBytes));
    const QCommandLineOption deviceOption(QStringLiteral("device"),
                                          QStringLiteral("The phone whose limit applies: \"generic\" or a phone "
                                                         "of data/devices.ini (nokia7110, ...)."),
                                          QStringLiteral("NAME"));
    parser.addOptions({outputOption, limitOption, deviceOption});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("compile, decompile or size"));
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("The decks."), QStringLiteral("FILE..."));

    if (!parser.parse(QCoreApplication::arguments()))
        return CliOutput::usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        CliOutput::write(stdout, parser.helpText());
        return exitDone;
    }
    QStringList arguments = parser.positionalArguments();
    const QString command = arguments.isEmpty() ? QString() : arguments.takeFirst();
    if (command == QLatin1String("compile") && arguments.size() == 1)
        return compile(arguments.first(), parser.value(outputOption));
    if (command == QLatin1String("decompile") && arguments.size() == 1 && !parser.isSet(outputOption))
        return decompile(arguments.first());
    if (command == QLatin1String("size") && !arguments.isEmpty() && !parser.isSet(outputOption)) {
        if (parser.isSet(deviceOption) && parser.isSet(limitOption))
            return CliOutput::usageError(parser, QStringLiteral("Give --device or --limit, not both."));
        if (parser.isSet(deviceOption)) {
            QString error;
            const std::optional<DeviceProfile> device = CliDevice::byName(parser.value(deviceOption), &error);
            if (!device)
                return CliOutput::usageError(parser, error);
            return size(arguments, device->maxDeckBytes);
        }
        bool number = false;
        const int limit = parser.value(limitOption).toInt(&number);
        if (!number || limit <= 0)
            return CliOutput::usageError(parser, QStringLiteral("--limit takes a number of bytes."));
        return size(arguments, limit);
    }
    return CliOutput::usageError(parser, QStringLiteral("Expected compile, decompile or size with their files."));
}
