#pragma once

#include "opendocument.h"
#include "servelogentry.h"

#include <QList>
#include <QMutex>
#include <QObject>
#include <QString>
#include <memory>

class ServeResponder;

// Where and how the phone server listens.
struct ServeSettings
{
    QString folder;
    // "127.0.0.1" (this computer only), "0.0.0.0" (the local network) or
    // any address of this computer, IPv4 or IPv6.
    QString listenAddress = QStringLiteral("127.0.0.1");
    quint16 port = 0;      // 0: a free port, see PhoneServer::port()
    int connectionLimit = 32;
    int connectionsPerClient = 16;
    // Memory for one request's line and headers; a larger request is
    // refused with 414 or 431 by the server library.
    int requestBytesLimit = 16 * 1024;
    int idleSeconds = 15;
};

// The local HTTP server that serves a folder to phones and gateways,
// built on libmicrohttpd. Requests are answered on the library's own
// thread, never on the caller's: typing in the editor never waits for a
// phone. The answers follow ServeResponder; every request, refused or
// not, goes to the log (requestLogged, emitted on the server's thread, so
// receivers in other threads get it queued).
class PhoneServer : public QObject
{
    Q_OBJECT

public:
    explicit PhoneServer(QObject *parent = nullptr);
    ~PhoneServer() override; // stops

    // The open documents served instead of their files. Set it before
    // start(); the source is called on the server's thread.
    void setDocumentSource(DocumentSource source);

    // Starts listening. Throws TarnelError "Cannot serve %s on %s:%d" when
    // the folder is missing or the address or port cannot be bound.
    void start(const ServeSettings &settings);
    // Stops listening and waits for the server's thread; harmless when stopped.
    void stop();

    bool isRunning() const { return m_daemon != nullptr; }
    quint16 port() const { return m_port; }
    const ServeSettings &settings() const { return m_settings; }

    // The last entries of the log, oldest first (at most logCapacity).
    QList<ServeLogEntry> log() const;
    static constexpr int logCapacity = 2000;

    // Called on the server's thread; public for the library's callbacks.
    void record(const ServeLogEntry &entry);
    const ServeResponder &responder() const { return *m_responder; }

signals:
    void requestLogged(const ServeLogEntry &entry);

private:
    ServeSettings m_settings;
    DocumentSource m_source;
    std::unique_ptr<ServeResponder> m_responder;
    struct MHD_Daemon *m_daemon = nullptr;
    quint16 m_port = 0;
    mutable QMutex m_logLock;
    QList<ServeLogEntry> m_log;
};
