// tarnel-phone: runs a deck as a WAP phone does. Loads DECK_OR_URL, presses
// the keys given in order and prints one JSON object per line: after
// loading and after each key. Exits 0 when every key could be pressed, 1
// when a key made no sense on its screen (stderr says which), 2 on bad
// usage or a deck that cannot be shown.
#include "browser/browser.h"
#include "browser/keysequence.h"
#include "browser/phonereport.h"
#include "browser/standardfetcher.h"
#include "clidevice.h"
#include "clioutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>

namespace {

constexpr int exitClean = 0;
constexpr int exitRefused = 1;
using CliOutput::exitUsage;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnel-phone"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Runs a WML deck as a WAP phone does and prints the phone's state as one JSON object per line: "
        "after loading, and after each key."));
    parser.addHelpOption();
    const QCommandLineOption deviceOption(QStringLiteral("device"),
                                          QStringLiteral("The phone to run the deck on: \"generic\" (the default) or a "
                                                         "phone of data/devices.ini (nokia7110, ...)."),
                                          QStringLiteral("NAME"));
    const QCommandLineOption keysOption(
        QStringLiteral("keys"),
        QStringLiteral("Keys to press in order, separated by commas: up, down, select, soft1, soft2, back, "
                       "text=STRING, pick=N, wait=TENTHS (write a comma in text as \\,)."),
        QStringLiteral("K1,K2,..."));
    parser.addOptions({deviceOption, keysOption});
    parser.addPositionalArgument(QStringLiteral("DECK_OR_URL"), QStringLiteral("A deck file or an http(s) address."));

    if (!parser.parse(QCoreApplication::arguments()))
        return CliOutput::usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        CliOutput::write(stdout, parser.helpText().toLocal8Bit());
        return exitClean;
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() != 1)
        return CliOutput::usageError(parser, QStringLiteral("Give exactly one deck or address."));

    DeviceProfile profile;
    if (parser.isSet(deviceOption)) {
        QString error;
        const std::optional<DeviceProfile> device = CliDevice::byName(parser.value(deviceOption), &error);
        if (!device)
            return CliOutput::usageError(parser, error);
        profile = *device;
    }

    QList<KeySequence::Step> steps;
    QString badKey;
    if (!KeySequence::parse(parser.value(keysOption), &steps, &badKey))
        return CliOutput::usageError(parser, QStringLiteral("Unknown key: %1").arg(badKey));

    StandardFetcher fetcher;
    Browser browser(fetcher, profile);
    const bool loaded = browser.load(positional.first());
    CliOutput::write(stdout, PhoneReport::jsonLine(0, QString(), browser) + '\n');
    if (!loaded) {
        CliOutput::write(stderr, positional.first() + QStringLiteral(": ") + browser.screen().error + QLatin1Char('\n'));
        return exitUsage;
    }
    int status = exitClean;
    for (int i = 0; i < steps.size(); ++i) {
        const KeySequence::Step &step = steps[i];
        const Browser::Outcome outcome = KeySequence::apply(browser, step);
        CliOutput::write(stdout, PhoneReport::jsonLine(i + 1, step.text, browser) + '\n');
        if (!outcome.accepted) {
            CliOutput::write(stderr, QStringLiteral("Key %1 (%2): %3\n").arg(i + 1).arg(step.text, outcome.reason));
            status = exitRefused;
        }
    }
    return status;
}
