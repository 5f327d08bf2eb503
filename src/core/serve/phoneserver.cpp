#include "phoneserver.h"

#include "common/tarnelerror.h"
#include "serveresponder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMutexLocker>

#include <arpa/inet.h>
#include <cstdarg>
#include <cstdio>
#include <microhttpd.h>
#include <netinet/in.h>
#include <sys/socket.h>

namespace {

// One request from its first line to its end, carried by the library as
// the request's context pointer.
struct RequestState
{
    ServeLogEntry entry;
    bool answered = false;
};

QString clientAddress(MHD_Connection *connection)
{
    const MHD_ConnectionInfo *info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS);
    if (!info || !info->client_addr)
        return QString();
    char text[INET6_ADDRSTRLEN] = {};
    const sockaddr *address = info->client_addr;
    if (address->sa_family == AF_INET)
        inet_ntop(AF_INET, &reinterpret_cast<const sockaddr_in *>(address)->sin_addr, text, sizeof text);
    else if (address->sa_family == AF_INET6)
        inet_ntop(AF_INET6, &reinterpret_cast<const sockaddr_in6 *>(address)->sin6_addr, text, sizeof text);
    return QString::fromLatin1(text);
}

QString headerValue(MHD_Connection *connection, const char *name)
{
    return QString::fromLatin1(MHD_lookup_connection_value(connection, MHD_HEADER_KIND, name));
}

void *requestStarted(void *cls, const char *uri, MHD_Connection *connection)
{
    Q_UNUSED(cls);
    auto *state = new RequestState;
    state->entry.time = QDateTime::currentDateTime();
    state->entry.path = QString::fromLatin1(uri);
    state->entry.client = clientAddress(connection);
    return state;
}

MHD_Result answerRequest(void *cls, MHD_Connection *connection, const char *url, const char *method,
                         const char *version, const char *uploadData, size_t *uploadDataSize, void **context)
{
    Q_UNUSED(url);
    Q_UNUSED(version);
    Q_UNUSED(uploadData);
    auto *server = static_cast<PhoneServer *>(cls);
    auto *state = static_cast<RequestState *>(*context);
    if (!state) {
        state = static_cast<RequestState *>(requestStarted(nullptr, url, connection));
        *context = state;
    }
    if (state->answered) {
        // A body nobody asked for: read and dropped.
        *uploadDataSize = 0;
        return MHD_YES;
    }
    state->answered = true;
    ServeLogEntry &entry = state->entry;
    entry.method = QString::fromLatin1(method);
    entry.userAgent = headerValue(connection, MHD_HTTP_HEADER_USER_AGENT);
    entry.accept = headerValue(connection, MHD_HTTP_HEADER_ACCEPT);

    const ServeReply reply = server->responder().answer(QByteArray(method), entry.path.toLatin1(), entry.accept.toLatin1());
    MHD_Response *response = MHD_create_response_from_buffer(size_t(reply.body.size()),
                                                             const_cast<char *>(reply.body.constData()),
                                                             MHD_RESPMEM_MUST_COPY);
    if (!response)
        return MHD_NO;
    MHD_add_response_header(response, MHD_HTTP_HEADER_CONTENT_TYPE, reply.contentType.constData());
    // Phones keep decks a long time; while developing, each fetch should
    // see the page as it is now.
    MHD_add_response_header(response, MHD_HTTP_HEADER_CACHE_CONTROL, "no-cache");
    if (reply.status == 405)
        MHD_add_response_header(response, MHD_HTTP_HEADER_ALLOW, "GET, HEAD");
    const MHD_Result queued = MHD_queue_response(connection, unsigned(reply.status), response);
    MHD_destroy_response(response);

    entry.status = reply.status;
    entry.bytes = qstrcmp(method, MHD_HTTP_METHOD_HEAD) == 0 ? 0 : reply.body.size();
    entry.note = reply.note;
    return queued;
}

void requestEnded(void *cls, MHD_Connection *connection, void **context, MHD_RequestTerminationCode code)
{
    Q_UNUSED(connection);
    auto *state = static_cast<RequestState *>(*context);
    if (!state)
        return;
    *context = nullptr;
    if (!state->answered) {
        state->entry.note = code == MHD_REQUEST_TERMINATED_TIMEOUT_REACHED
                                ? QStringLiteral("refused: timed out before the request was complete")
                                : QStringLiteral("refused: request over the size limit or broken");
    } else if (code != MHD_REQUEST_TERMINATED_COMPLETED_OK) {
        state->entry.note += (state->entry.note.isEmpty() ? QString() : QStringLiteral("; "))
                             + QStringLiteral("connection ended early");
    }
    static_cast<PhoneServer *>(cls)->record(state->entry);
    delete state;
}

// The library's own messages are its refusals (connection limit, bad
// requests) and failures: each goes to the log as a line of its own.
void libraryMessage(void *cls, const char *format, va_list arguments)
{
    char text[512];
    vsnprintf(text, sizeof text, format, arguments);
    ServeLogEntry entry;
    entry.time = QDateTime::currentDateTime();
    entry.note = QString::fromLocal8Bit(text).trimmed();
    static_cast<PhoneServer *>(cls)->record(entry);
}

} // namespace

PhoneServer::PhoneServer(QObject *parent)
    : QObject(parent)
{
    qRegisterMetaType<ServeLogEntry>();
}

PhoneServer::~PhoneServer()
{
    stop();
}

void PhoneServer::setDocumentSource(DocumentSource source)
{
    m_source = std::move(source);
}

void PhoneServer::start(const ServeSettings &settings)
{
    stop();
    const QString where = QStringLiteral("%1:%2").arg(settings.listenAddress).arg(settings.port);
    const auto failure = [&](const QString &why) {
        return TarnelError(QCoreApplication::translate("PhoneServer", "Cannot serve %1 on %2: %3")
                               .arg(QDir::toNativeSeparators(settings.folder), where, why));
    };
    if (!QFileInfo(settings.folder).isDir())
        throw failure(QCoreApplication::translate("PhoneServer", "no such folder"));

    QString host = settings.listenAddress.trimmed();
    if (host.compare(QLatin1String("localhost"), Qt::CaseInsensitive) == 0)
        host = QStringLiteral("127.0.0.1");
    sockaddr_in ipv4{};
    sockaddr_in6 ipv6{};
    const sockaddr *address = nullptr;
    unsigned flags = MHD_USE_AUTO_INTERNAL_THREAD | MHD_USE_ERROR_LOG;
    if (inet_pton(AF_INET, host.toLatin1().constData(), &ipv4.sin_addr) == 1) {
        ipv4.sin_family = AF_INET;
        ipv4.sin_port = htons(settings.port);
        address = reinterpret_cast<const sockaddr *>(&ipv4);
    } else if (inet_pton(AF_INET6, host.toLatin1().constData(), &ipv6.sin6_addr) == 1) {
        ipv6.sin6_family = AF_INET6;
        ipv6.sin6_port = htons(settings.port);
        address = reinterpret_cast<const sockaddr *>(&ipv6);
        flags |= MHD_USE_IPv6;
    } else {
        throw failure(QCoreApplication::translate("PhoneServer", "not an IP address"));
    }

    m_settings = settings;
    m_settings.folder = QDir(settings.folder).absolutePath();
    m_responder = std::make_unique<ServeResponder>(m_settings.folder, m_source);
    m_daemon = MHD_start_daemon(
        flags, settings.port, nullptr, nullptr, &answerRequest, this,
        MHD_OPTION_EXTERNAL_LOGGER, &libraryMessage, this,
        MHD_OPTION_SOCK_ADDR, address,
        MHD_OPTION_CONNECTION_LIMIT, unsigned(settings.connectionLimit),
        MHD_OPTION_PER_IP_CONNECTION_LIMIT, unsigned(settings.connectionsPerClient),
        MHD_OPTION_CONNECTION_MEMORY_LIMIT, size_t(settings.requestBytesLimit),
        MHD_OPTION_CONNECTION_TIMEOUT, unsigned(settings.idleSeconds),
        MHD_OPTION_URI_LOG_CALLBACK, &requestStarted, this,
        MHD_OPTION_NOTIFY_COMPLETED, &requestEnded, this,
        MHD_OPTION_END);
    if (!m_daemon) {
        m_responder.reset();
        throw failure(QCoreApplication::translate("PhoneServer", "the address or port is not available"));
    }
    const MHD_DaemonInfo *info = MHD_get_daemon_info(m_daemon, MHD_DAEMON_INFO_BIND_PORT);
    m_port = info ? info->port : settings.port;
}

void PhoneServer::stop()
{
    if (!m_daemon)
        return;
    MHD_stop_daemon(m_daemon);
    m_daemon = nullptr;
    m_port = 0;
    m_responder.reset();
}

QList<ServeLogEntry> PhoneServer::log() const
{
    QMutexLocker lock(&m_logLock);
    return m_log;
}

void PhoneServer::record(const ServeLogEntry &entry)
{
    {
        QMutexLocker lock(&m_logLock);
        m_log.append(entry);
        if (m_log.size() > logCapacity)
            m_log.removeFirst();
    }
    emit requestLogged(entry);
}
