#pragma once

#include <QByteArray>
#include <QString>

// Maps a request's target to a file inside the served folder, or says why
// it may not. Only the folder's own files can be named: no ".." or "."
// segment (also when percent-encoded), no name starting with a dot, no
// empty segment (a "//" that would make an absolute path), no backslash or
// NUL, and no symbolic link whose target lies outside the folder.
struct ServePath
{
    enum class Verdict {
        File,        // filePath names a file in the folder, or one that could be there
        Directory,   // the target is a folder: the server lists none
        NotAPath,    // not "/..." (or "http://host/...")
        LeavesFolder // "..", ".", hidden names, "//", "\", NUL, symlinks leading out
    };

    Verdict verdict = Verdict::NotAPath;
    // The file's absolute path (canonical when it exists); empty unless File.
    QString filePath;
    // Why the target was refused, for the request log; empty for File.
    QString reason;

    // target is the request target as sent ("/deck/a%20b.wml?x=1"); a
    // query is ignored. folder must exist.
    static ServePath resolve(const QString &folder, const QByteArray &target);

    // True when path (existing or not) lies inside folder once every
    // symbolic link of its existing part is followed.
    static bool staysInside(const QString &folder, const QString &path);
};
