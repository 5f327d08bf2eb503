#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <memory>

class QTemporaryDir;

// Where Open from URL keeps the pages it fetched. Unless a folder is
// given, that is a folder private to this run of the program, made on
// first use with a random name and access for the user alone (0700) in
// the system's temporary folder. Each download gets a file of its own,
// created anew without following links, so a planted file or symbolic
// link can neither be written through nor replace another document. The
// files it made are removed when the object goes, the private folder with
// them (the program keeps it for its lifetime, so that is at exit, after
// every document window has closed).
class DownloadFolder
{
public:
    // given: an existing folder to use instead of a private one (tests).
    explicit DownloadFolder(const QString &given = QString());
    ~DownloadFolder();
    DownloadFolder(const DownloadFolder &) = delete;
    DownloadFolder &operator=(const DownloadFolder &) = delete;

    // The folder downloads go to; empty while the private one is not made.
    QString path() const;

    // Writes bytes whole into a new file named "$$$$$$$$.wml",
    // "$$$$$$$$-2.wml", ... (the first name no path of inUse names) and
    // returns its path. A file of a download whose window has closed is
    // replaced; entries that are not plain files are passed over. Throws
    // TarnelError "Cannot create file %s" when the folder cannot be made
    // or the file not written (nothing is left behind then).
    QString store(const QByteArray &bytes, const QStringList &inUse);

    // Whether path is one of the downloads this folder made: a file that
    // goes at exit, so saving the page must ask for a file of the user's.
    bool holds(const QString &path) const;

private:
    QString ensureFolder();

    QString m_given;
    std::unique_ptr<QTemporaryDir> m_private;
    QStringList m_made;
};
