// tarnel-wbmp: converts any picture Qt reads (PNG, JPEG, GIF, BMP, …) to a
// WBMP type 0 file for phones, as the editor's converter does. Exits 0 on
// success, 1 when the picture cannot be read or the WBMP written, 2 on bad
// usage.
#include "common/tarnelerror.h"
#include "devices/devicecatalog.h"
#include "pictures/pictureconversion.h"
#include "pictures/picturefiles.h"
#include "pictures/wbmpcodec.h"

#include "clioutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>

namespace {

constexpr int exitClean = 0;
constexpr int exitFailed = 1;

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnel-wbmp"));

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Converts a picture (PNG, JPEG, GIF, BMP, ...) to a black and white WBMP picture for WAP phones.\n"
        "Usage: tarnel-wbmp convert IN OUT.wbmp [options]"));
    parser.addHelpOption();
    const QCommandLineOption widthOption(QStringLiteral("width"),
                                         QStringLiteral("Width in phone pixels (default: the phone's screen width, "
                                                        "never wider than the picture)."),
                                         QStringLiteral("N"));
    const QCommandLineOption ditherOption(QStringLiteral("dither"),
                                          QStringLiteral("threshold[:LEVEL] (LEVEL 0-255, default 128), ordered, or "
                                                         "diffuse (the default)."),
                                          QStringLiteral("MODE"));
    const QCommandLineOption invertOption(QStringLiteral("invert"), QStringLiteral("Swap black and white."));
    const QCommandLineOption deviceOption(QStringLiteral("device"),
                                          QStringLiteral("The phone whose screen width and pixel aspect apply "
                                                         "(an id or name from data/devices.ini; \"generic\")."),
                                          QStringLiteral("NAME"));
    parser.addOptions({widthOption, ditherOption, invertOption, deviceOption});
    parser.addPositionalArgument(QStringLiteral("convert"), QStringLiteral("The command."));
    parser.addPositionalArgument(QStringLiteral("IN"), QStringLiteral("The picture to convert."));
    parser.addPositionalArgument(QStringLiteral("OUT"), QStringLiteral("The WBMP file to write."));

    if (!parser.parse(QCoreApplication::arguments()))
        return CliOutput::usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        CliOutput::write(stdout, parser.helpText().toLocal8Bit());
        return exitClean;
    }
    const QStringList arguments = parser.positionalArguments();
    if (arguments.value(0) != QLatin1String("convert"))
        return CliOutput::usageError(parser, QStringLiteral("Unknown command: %1").arg(arguments.value(0)));
    if (arguments.size() != 3)
        return CliOutput::usageError(parser, QStringLiteral("convert takes a picture and a WBMP file to write."));

    DeviceProfile device;
    if (parser.isSet(deviceOption)) {
        const DeviceCatalog catalog = DeviceCatalog::load();
        const DeviceProfile *found = catalog.find(parser.value(deviceOption));
        if (!found && parser.value(deviceOption) != QLatin1String("generic"))
            return CliOutput::usageError(parser, QStringLiteral("Unknown device: %1").arg(parser.value(deviceOption)));
        if (found)
            device = *found;
    }
    PictureConversion::Settings settings;
    settings.pixelAspect = device.pixelAspect;
    settings.invert = parser.isSet(invertOption);
    if (parser.isSet(ditherOption)
        && !PictureConversion::parseDither(parser.value(ditherOption), &settings.dither, &settings.thresholdLevel))
        return CliOutput::usageError(parser, QStringLiteral("Unknown dithering: %1").arg(parser.value(ditherOption)));
    int width = 0;
    if (parser.isSet(widthOption)) {
        bool ok = false;
        width = parser.value(widthOption).toInt(&ok);
        if (!ok || width < 1 || width > 4096)
            return CliOutput::usageError(parser, QStringLiteral("The width must be a number from 1 to 4096: %1")
                                                     .arg(parser.value(widthOption)));
    }

    try {
        const QImage source = PictureFiles::read(arguments.at(1));
        settings.width = width > 0 ? width : PictureConversion::defaultWidth(source.size(), device.screenWidth);
        const QImage picture = PictureConversion::convert(source, settings);
        WbmpCodec::save(picture, arguments.at(2));
        CliOutput::write(stdout, QStringLiteral("%1: %2 x %3 pixels, %4 bytes\n")
                                     .arg(arguments.at(2))
                                     .arg(picture.width())
                                     .arg(picture.height())
                                     .arg(WbmpCodec::fileSize(picture.size())));
    } catch (const TarnelError &error) {
        CliOutput::write(stderr, errorDisplayText(error.text()) + QLatin1Char('\n'));
        return exitFailed;
    }
    return exitClean;
}
