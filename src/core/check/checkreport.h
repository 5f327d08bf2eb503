#pragma once

#include "diagnostic.h"

#include <QByteArray>
#include <QList>
#include <QString>

// The problems of a file as tarnel-check prints them: one line each,
// "FILE:LINE:COLUMN: error|warning: MESSAGE [RULE]" (the form compilers
// use, which editors and CI systems read), or one JSON object per line.
namespace CheckReport {

QByteArray lines(const QString &file, const QList<Diagnostic> &diagnostics);
QByteArray jsonLines(const QString &file, const QList<Diagnostic> &diagnostics);
bool hasErrors(const QList<Diagnostic> &diagnostics);

} // namespace CheckReport
