// tarnel-serve: serves a folder of decks to phones and WAP gateways without
// windows, as Tools > Serve to Phone does in the editor.
//   tarnel-serve FOLDER [--port N] [--listen ADDRESS]
// Prints the addresses to type into a phone, then one line per request
// (time, client, method, path, status, bytes, User-Agent, Accept, note,
// separated by tabs) until it is interrupted (Ctrl+C or SIGTERM).
// Exit codes: 0 stopped by a signal, 1 the server could not start,
// 2 bad usage.
#include "common/tarnelerror.h"
#include "serve/phoneserver.h"
#include "serve/serveaddresses.h"

#include "clioutput.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include <atomic>
#include <csignal>

namespace {

std::atomic<bool> interrupted{false};

void onSignal(int)
{
    interrupted = true;
}

QString logLine(const ServeLogEntry &entry)
{
    const QStringList fields{entry.time.toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")),
                             entry.client.isEmpty() ? QStringLiteral("-") : entry.client,
                             entry.method.isEmpty() ? QStringLiteral("-") : entry.method,
                             entry.path.isEmpty() ? QStringLiteral("-") : entry.path,
                             QString::number(entry.status),
                             QString::number(entry.bytes),
                             entry.userAgent,
                             entry.accept,
                             entry.note};
    return fields.join(QLatin1Char('\t')) + QLatin1Char('\n');
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarnel-serve"));
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Serves a folder of WML decks to phones and WAP gateways over HTTP."));
    parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("FOLDER"), QStringLiteral("The folder to serve."));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("The port to listen on (default 8080; 0 picks a free one)."),
                                        QStringLiteral("N"), QStringLiteral("8080"));
    const QCommandLineOption listenOption(
        QStringLiteral("listen"),
        QStringLiteral("The address to listen on (default 127.0.0.1, this computer only; 0.0.0.0 lets every "
                       "computer and phone of the local network read every file of the folder)."),
        QStringLiteral("ADDRESS"), QStringLiteral("127.0.0.1"));
    parser.addOption(portOption);
    parser.addOption(listenOption);
    if (!parser.parse(QCoreApplication::arguments()))
        return CliOutput::usageError(parser, parser.errorText());
    if (parser.isSet(QStringLiteral("help"))) {
        CliOutput::write(stdout, parser.helpText());
        return 0;
    }
    if (parser.positionalArguments().size() != 1)
        return CliOutput::usageError(parser, QStringLiteral("Name one folder to serve."));
    bool portOk = false;
    const uint port = parser.value(portOption).toUInt(&portOk);
    if (!portOk || port > 65535)
        return CliOutput::usageError(parser, QStringLiteral("The port must be a number from 0 to 65535."));

    ServeSettings settings;
    settings.folder = parser.positionalArguments().first();
    settings.port = quint16(port);
    settings.listenAddress = parser.value(listenOption);

    // Caught before anything is printed: whoever reads the banner may stop
    // the server at once.
    std::signal(SIGINT, onSignal);
    std::signal(SIGTERM, onSignal);
    PhoneServer server;
    QObject::connect(&server, &PhoneServer::requestLogged, &application,
                     [](const ServeLogEntry &entry) { CliOutput::write(stdout, logLine(entry)); }, Qt::QueuedConnection);
    try {
        server.start(settings);
    } catch (const TarnelError &error) {
        CliOutput::write(stderr, errorDisplayText(error.text()) + QLatin1Char('\n'));
        return 1;
    }

    QString banner = QStringLiteral("Serving %1\n").arg(QDir::toNativeSeparators(server.settings().folder));
    for (const QString &host : ServeAddresses::hosts(settings.listenAddress))
        banner += QStringLiteral("  %1\n").arg(ServeAddresses::url(host, server.port()));
    if (!ServeAddresses::isLoopback(settings.listenAddress))
        banner += QStringLiteral("Anyone on the network can read every file of this folder.\n");
    CliOutput::write(stdout, banner);

    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &application, [&] {
        if (interrupted)
            application.quit();
    });
    watch.start(100);
    application.exec();
    server.stop();
    // The last requests' lines, queued from the server's thread.
    QCoreApplication::processEvents();
    return 0;
}
