#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The local files that Open from URL downloads into. Each download gets a
// file of its own, so two downloaded documents never share one file and
// saving one cannot overwrite the other.
namespace DownloadFile {

// The system's temporary folder.
QString systemFolder();

// The first of "$$$$$$$$.wml", "$$$$$$$$-2.wml", "$$$$$$$$-3.wml", ... in
// folder that no path of inUse (the open documents) names and that this
// user may overwrite. Throws TarnelError "Cannot create file %s" when all
// of a bounded number of names are taken.
QString pick(const QString &folder, const QStringList &inUse);

// Writes bytes whole or not at all: a failure leaves no half-written file.
// Throws TarnelError "Cannot create file %s".
void write(const QString &path, const QByteArray &bytes);

} // namespace DownloadFile
