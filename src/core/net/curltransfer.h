#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <chrono>
#include "curlapi.h"

class TransferControl;

// One libcurl transfer, run to its end on the calling thread. The clients
// set the protocol's options on handle() and call perform(). The transfer
// honours the control's connect and stall time-outs and its cancel flag,
// and reports progress to it: for an upload the bytes that have left the
// data socket, not those still queued in it. Every connection it opened is closed when
// the object goes, whatever happened, so no half-open connection lingers.
class CurlTransfer
{
public:
    explicit CurlTransfer(TransferControl &control);
    ~CurlTransfer();
    CurlTransfer(const CurlTransfer &) = delete;
    CurlTransfer &operator=(const CurlTransfer &) = delete;

    CURL *handle() const { return m_easy; }

    // Options whose failure would be a programming error; they are checked
    // once, in perform().
    template <typename T> void set(CURLoption option, T value)
    {
        if (m_setupFailure == CURLE_OK)
            m_setupFailure = m_curl.easy_setopt(m_easy, option, value);
    }
    void setText(CURLoption option, const QString &text);

    // The response body goes into body.
    void receiveInto(QByteArray *body);
    // The request body comes from data, which must outlive perform().
    void sendFrom(const QByteArray *data);
    // Raw protocol commands for a list option (CURLOPT_QUOTE,
    // CURLOPT_POSTQUOTE); the list lives as long as the transfer.
    void setCommands(CURLoption option, const QStringList &commands);

    // Throws TarnelError with libcurl's text, followed by the server's last
    // error reply when there was one, "Transfer cancelled" after a cancel
    // and "The transfer stalled: ..." when nothing moved for too long.
    void perform();

    // How perform() ended (CURLE_OK before it ran); CURLE_QUOTE_ERROR
    // means the transfer itself finished and a command after it failed.
    CURLcode result() const { return m_result; }
    // Whether libcurl started reading the request body, i.e. the server
    // accepted the upload and may hold part of it.
    bool startedSending() const { return m_startedSending; }

private:
    static size_t write(char *data, size_t size, size_t count, void *self);
    static size_t read(char *data, size_t size, size_t count, void *self);
    static int progress(void *self, curl_off_t downTotal, curl_off_t downNow, curl_off_t upTotal, curl_off_t upNow);
    static int debug(CURL *, curl_infotype type, char *data, size_t size, void *self);
    static int socketOpened(void *self, curl_socket_t socket, curlsocktype purpose);
    static int socketClosing(void *self, curl_socket_t socket);
    // Of the bytes handed to the system, those that have left the data
    // socket; never less than reported before.
    qint64 bytesSent(qint64 handedOver);
    void touch();
    QString failureText(CURLcode code) const;

    const CurlApi &m_curl;
    TransferControl &m_control;
    CURL *m_easy = nullptr;
    CURLM *m_multi = nullptr;
    bool m_added = false;
    CURLcode m_setupFailure = CURLE_OK;
    CURLcode m_result = CURLE_OK;
    bool m_startedSending = false;
    QList<curl_slist *> m_commandLists;
    QByteArray *m_body = nullptr;
    const QByteArray *m_upload = nullptr;
    qint64 m_uploadOffset = 0;
    qint64 m_lastBytes = -1;
    curl_socket_t m_dataSocket = CURL_SOCKET_BAD;
    bool m_dataSocketClosed = false;
    qint64 m_sentReported = 0;
    QByteArray m_lastReply;
    std::chrono::steady_clock::time_point m_lastActivity;
    char m_error[CURL_ERROR_SIZE] = {};
};
