#pragma once

#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// One server of tests/net/servers.py on 127.0.0.1, started by the test and
// stopped (by its own process id) when the object goes. The server picks a
// free port and announces it; start-up is bounded to a few seconds.
class LocalServer
{
public:
    // mode and its arguments, e.g. {"http", folder} or {"ftp", folder, user, password}.
    explicit LocalServer(const QStringList &arguments);
    ~LocalServer();
    LocalServer(const LocalServer &) = delete;
    LocalServer &operator=(const LocalServer &) = delete;

    bool isRunning() const { return m_port > 0; }
    int port() const { return m_port; }
    QString address(const QString &path = QString()) const; // "127.0.0.1:port" + path
    // What the server recorded: request lines, FTP commands.
    QStringList log() const;

    // A port on which nothing listens.
    static int refusedPort();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<QProcess> m_process;
    int m_port = 0;
};
