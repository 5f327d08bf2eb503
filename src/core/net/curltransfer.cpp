#include "curltransfer.h"

#include "transfercontrol.h"

#include "common/tarnelerror.h"

#include <QCoreApplication>
#include <linux/sockios.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace {

// How often the loop looks at the cancel flag and the stall clock.
constexpr int pollMilliseconds = 50;

QString tr(const char *text)
{
    return QCoreApplication::translate("CurlTransfer", text);
}

} // namespace

CurlTransfer::CurlTransfer(TransferControl &control) : m_curl(CurlApi::get()), m_control(control)
{
    m_easy = m_curl.easy_init();
    m_multi = m_curl.multi_init();
    if (!m_easy || !m_multi)
        throw TarnelError(QString::fromLatin1(m_curl.easy_strerror(CURLE_OUT_OF_MEMORY)));
    set(CURLOPT_ERRORBUFFER, m_error);
    // Timers by signal are not safe on worker threads.
    set(CURLOPT_NOSIGNAL, 1L);
    set(CURLOPT_CONNECTTIMEOUT_MS, long(control.limits().connect.count()));
    // A reply the server owes (FTP) is waited for no longer than a stall.
    set(CURLOPT_SERVER_RESPONSE_TIMEOUT, long(std::max<qint64>(1, (control.limits().stall.count() + 999) / 1000)));
    // Only the proxy the user chose is used: never one from the environment.
    set(CURLOPT_PROXY, "");
    set(CURLOPT_NOPROXY, "");
    set(CURLOPT_NOPROGRESS, 0L);
    set(CURLOPT_XFERINFOFUNCTION, &CurlTransfer::progress);
    set(CURLOPT_XFERINFODATA, this);
    // The debug stream shows every reply and command: that is what keeps
    // the stall clock honest while no data flows (FTP log-in, a slow reply).
    set(CURLOPT_VERBOSE, 1L);
    set(CURLOPT_DEBUGFUNCTION, &CurlTransfer::debug);
    set(CURLOPT_DEBUGDATA, this);
    set(CURLOPT_USERAGENT, "Tarnel");
    // The sockets are watched so an upload counts only what has left this
    // machine, not what waits in the system's send buffer.
    set(CURLOPT_SOCKOPTFUNCTION, &CurlTransfer::socketOpened);
    set(CURLOPT_SOCKOPTDATA, this);
    set(CURLOPT_CLOSESOCKETFUNCTION, &CurlTransfer::socketClosing);
    set(CURLOPT_CLOSESOCKETDATA, this);
}

CurlTransfer::~CurlTransfer()
{
    // Removing an unfinished transfer closes its connection outright;
    // cleaning up the multi handle closes (and for FTP quits) the rest.
    if (m_added)
        m_curl.multi_remove_handle(m_multi, m_easy);
    if (m_easy)
        m_curl.easy_cleanup(m_easy);
    if (m_multi)
        m_curl.multi_cleanup(m_multi);
    for (curl_slist *list : m_commandLists)
        m_curl.slist_free_all(list);
}

void CurlTransfer::setText(CURLoption option, const QString &text)
{
    // libcurl copies string options.
    set(option, text.toUtf8().constData());
}

void CurlTransfer::receiveInto(QByteArray *body)
{
    m_body = body;
    set(CURLOPT_WRITEFUNCTION, &CurlTransfer::write);
    set(CURLOPT_WRITEDATA, this);
}

void CurlTransfer::sendFrom(const QByteArray *data)
{
    m_upload = data;
    m_uploadOffset = 0;
    set(CURLOPT_READFUNCTION, &CurlTransfer::read);
    set(CURLOPT_READDATA, this);
    set(CURLOPT_INFILESIZE_LARGE, curl_off_t(data->size()));
}

void CurlTransfer::setCommands(CURLoption option, const QStringList &commands)
{
    curl_slist *list = nullptr;
    for (const QString &command : commands) {
        curl_slist *longer = m_curl.slist_append(list, command.toUtf8().constData());
        if (!longer) {
            m_curl.slist_free_all(list);
            m_setupFailure = CURLE_OUT_OF_MEMORY;
            return;
        }
        list = longer;
    }
    m_commandLists.append(list);
    set(option, list);
}

size_t CurlTransfer::write(char *data, size_t size, size_t count, void *self)
{
    auto *transfer = static_cast<CurlTransfer *>(self);
    transfer->touch();
    if (transfer->m_body)
        transfer->m_body->append(data, qsizetype(size * count));
    return size * count;
}

size_t CurlTransfer::read(char *data, size_t size, size_t count, void *self)
{
    auto *transfer = static_cast<CurlTransfer *>(self);
    transfer->touch();
    transfer->m_startedSending = true;
    const qint64 left = transfer->m_upload->size() - transfer->m_uploadOffset;
    const qint64 chunk = std::min<qint64>(left, qint64(size * count));
    memcpy(data, transfer->m_upload->constData() + transfer->m_uploadOffset, size_t(chunk));
    transfer->m_uploadOffset += chunk;
    return size_t(chunk);
}

int CurlTransfer::socketOpened(void *self, curl_socket_t socket, curlsocktype)
{
    // The last connection opened carries the data: FTP opens its data
    // connection after the control connection.
    static_cast<CurlTransfer *>(self)->m_dataSocket = socket;
    return CURL_SOCKOPT_OK;
}

int CurlTransfer::socketClosing(void *self, curl_socket_t socket)
{
    auto *transfer = static_cast<CurlTransfer *>(self);
    if (transfer->m_dataSocket == socket) {
        transfer->m_dataSocket = CURL_SOCKET_BAD;
        transfer->m_dataSocketClosed = true;
    }
    return ::close(socket);
}

qint64 CurlTransfer::bytesSent(qint64 handedOver)
{
    // Bytes handed to the system may still wait in the socket's send queue
    // (unsent or not yet acknowledged by the server): those do not count.
    // A closed socket still sends what was queued in it, and nothing tells
    // how much: the count stands until the server confirms the end.
    if (m_dataSocketClosed)
        return m_sentReported;
    int queued = 0;
    if (m_dataSocket != CURL_SOCKET_BAD && ::ioctl(m_dataSocket, SIOCOUTQ, &queued) == 0 && queued > 0)
        handedOver -= queued;
    m_sentReported = std::max(m_sentReported, std::max<qint64>(0, handedOver));
    return m_sentReported;
}

int CurlTransfer::progress(void *self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal,
                           curl_off_t upNow)
{
    auto *transfer = static_cast<CurlTransfer *>(self);
    const bool uploading = transfer->m_upload != nullptr;
    const qint64 done = uploading ? transfer->bytesSent(upNow) : downNow;
    qint64 total = uploading ? qint64(transfer->m_upload->size()) : downTotal;
    if (total <= 0)
        total = -1;
    if (done != transfer->m_lastBytes) {
        transfer->m_lastBytes = done;
        transfer->touch();
    }
    transfer->m_control.setProgress(done, total);
    Q_UNUSED(upTotal);
    return transfer->m_control.isCancelled() ? 1 : 0;
}

int CurlTransfer::debug(CURL *, curl_infotype type, char *data, size_t size, void *self)
{
    auto *transfer = static_cast<CurlTransfer *>(self);
    if (type == CURLINFO_TEXT)
        return 0;
    transfer->touch();
    // Keep the server's last reply line: an FTP failure is best explained
    // by the server's own words ("530 Login incorrect.").
    if (type == CURLINFO_HEADER_IN) {
        QByteArray line(data, qsizetype(size));
        line = line.trimmed();
        if (!line.isEmpty())
            transfer->m_lastReply = line;
    }
    return 0;
}

void CurlTransfer::touch()
{
    m_lastActivity = std::chrono::steady_clock::now();
}

QString CurlTransfer::failureText(CURLcode code) const
{
    QString text = m_error[0] ? QString::fromUtf8(m_error).trimmed()
                              : QString::fromLatin1(m_curl.easy_strerror(code));
    // A reply starting with 4 or 5 is the server refusing something.
    const QString reply = QString::fromUtf8(m_lastReply);
    if (!reply.isEmpty() && (reply.front() == QLatin1Char('4') || reply.front() == QLatin1Char('5'))
        && reply.size() > 3 && reply.at(1).isDigit() && reply.at(2).isDigit() && !text.contains(reply))
        text += QStringLiteral(" (") + reply + QLatin1Char(')');
    return text;
}

void CurlTransfer::perform()
{
    if (m_setupFailure != CURLE_OK)
        throw TarnelError(QString::fromLatin1(m_curl.easy_strerror(m_setupFailure)));
    if (m_control.isCancelled())
        throw TarnelError(tr("Transfer cancelled"));
    CURLMcode status = m_curl.multi_add_handle(m_multi, m_easy);
    if (status != CURLM_OK)
        throw TarnelError(QString::fromLatin1(m_curl.multi_strerror(status)));
    m_added = true;
    touch();
    const auto stall = m_control.limits().stall;
    int running = 1;
    while (true) {
        status = m_curl.multi_perform(m_multi, &running);
        if (status != CURLM_OK)
            throw TarnelError(QString::fromLatin1(m_curl.multi_strerror(status)));
        if (running == 0)
            break;
        if (m_control.isCancelled()) {
            m_result = CURLE_ABORTED_BY_CALLBACK;
            throw TarnelError(tr("Transfer cancelled"));
        }
        if (std::chrono::steady_clock::now() - m_lastActivity > stall) {
            m_result = CURLE_OPERATION_TIMEDOUT;
            throw TarnelError(tr("The transfer stalled: nothing moved for %1 seconds")
                                  .arg(QString::number(double(stall.count()) / 1000.0)));
        }
        status = m_curl.multi_poll(m_multi, nullptr, 0, pollMilliseconds, nullptr);
        if (status != CURLM_OK)
            throw TarnelError(QString::fromLatin1(m_curl.multi_strerror(status)));
    }
    CURLcode result = CURLE_OK;
    int queued = 0;
    while (CURLMsg *message = m_curl.multi_info_read(m_multi, &queued)) {
        if (message->msg == CURLMSG_DONE && message->easy_handle == m_easy)
            result = message->data.result;
    }
    m_result = result;
    if (result == CURLE_ABORTED_BY_CALLBACK && m_control.isCancelled())
        throw TarnelError(tr("Transfer cancelled"));
    if (result != CURLE_OK)
        throw TarnelError(failureText(result));
    // The server has confirmed the whole upload.
    if (m_upload)
        m_control.setProgress(m_upload->size(), m_upload->size());
}
