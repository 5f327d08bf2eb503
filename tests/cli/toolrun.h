#pragma once

#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QStringList>

// Runs one of the command-line tools as a script would and keeps what it
// printed. The exit code is -1 when it did not end normally within 20 s.
struct ToolRun
{
    int exitCode = -1;
    QByteArray out;
    QByteArray err;

    static ToolRun of(const QString &tool, const QStringList &arguments)
    {
        QProcess process;
        process.start(tool, arguments);
        ToolRun run;
        if (!process.waitForFinished(20000) || process.exitStatus() != QProcess::NormalExit)
            return run;
        run.exitCode = process.exitCode();
        run.out = process.readAllStandardOutput();
        run.err = process.readAllStandardError();
        return run;
    }
};

// A file's bytes, or a text saying it could not be read (so a comparison
// fails with a reason).
inline QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("cannot read " + path.toUtf8());
}
