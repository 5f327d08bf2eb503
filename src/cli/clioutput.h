#pragma once

#include <QByteArray>
#include <QCommandLineParser>
#include <QString>

#include <cstdio>

// What the command-line tools share: writing to a stream at once (a
// script reading the pipe sees each line as it comes) and the usage error.
namespace CliOutput {

constexpr int exitUsage = 2;

inline void write(FILE *stream, const QByteArray &bytes)
{
    fwrite(bytes.constData(), 1, size_t(bytes.size()), stream);
    fflush(stream);
}

inline void write(FILE *stream, const QString &text)
{
    write(stream, text.toLocal8Bit());
}

// Prints message and the usage on stderr; returns the usage exit code.
inline int usageError(const QCommandLineParser &parser, const QString &message)
{
    write(stderr, message + QLatin1Char('\n') + parser.helpText());
    return exitUsage;
}

} // namespace CliOutput
