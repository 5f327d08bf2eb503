#include "localserver.h"

#include <QDeadlineTimer>
#include <QFile>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

LocalServer::LocalServer(const QStringList &arguments) : m_process(std::make_unique<QProcess>())
{
    // Debian's own Python: the one that sees python3-pyftpdlib.
    m_process->setProgram(QStringLiteral("/usr/bin/python3"));
    m_process->setArguments(QStringList{QStringLiteral(TARNEL_SOURCE_DIR "/tests/net/servers.py")} + arguments
                            + QStringList{QStringLiteral("--log"), m_dir.filePath(QStringLiteral("log")),
                                          QStringLiteral("--lifetime"), QStringLiteral("120")});
    m_process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_process->start();
    if (!m_process->waitForStarted(5000))
        return;
    QByteArray output;
    const QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired() && !output.contains('\n') && m_process->state() == QProcess::Running) {
        m_process->waitForReadyRead(200);
        output += m_process->readAllStandardOutput();
    }
    if (output.startsWith("PORT "))
        m_port = output.mid(5).trimmed().toInt();
}

LocalServer::~LocalServer()
{
    if (m_process->state() == QProcess::NotRunning)
        return;
    m_process->terminate();
    if (!m_process->waitForFinished(3000)) {
        m_process->kill();
        m_process->waitForFinished(3000);
    }
}

QString LocalServer::address(const QString &path) const
{
    return QStringLiteral("127.0.0.1:%1").arg(m_port) + path;
}

QStringList LocalServer::log() const
{
    QFile file(m_dir.filePath(QStringLiteral("log")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

int LocalServer::refusedPort()
{
    // A port the system just handed out and took back is free for a while.
    const int probe = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    int port = 0;
    if (probe >= 0 && bind(probe, reinterpret_cast<sockaddr *>(&address), sizeof address) == 0
        && getsockname(probe, reinterpret_cast<sockaddr *>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (probe >= 0)
        close(probe);
    return port;
}
