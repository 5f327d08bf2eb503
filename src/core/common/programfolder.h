#pragma once

#include <QString>

// The folder that holds the program and, beside it, "tarnel.ini", "data",
// "skins", "HELP" and "temp". It is the executable's folder, or the folder
// named by the environment variable TARNEL_PROGRAM_DIR when that is set
// (tests give every case a fresh folder of its own this way).
namespace ProgramFolder {

QString path();
// A path inside the program folder; relative may use "/" or "\" between parts.
QString file(const QString &relative);

// "tarnel.ini" and "temp" lie beside the program when it may write there;
// otherwise (a copy installed for all users) they are the user's own,
// "tarnel/tarnel.ini" in the configuration folder and "tarnel/temp" in the
// cache folder.
QString settingsFile();   // "tarnel.ini"
QString dataFolder();     // "data"
QString tempFolder();     // "temp"
QString helpFolder();     // "HELP"
QString skinsFolder();    // "skins"

} // namespace ProgramFolder
