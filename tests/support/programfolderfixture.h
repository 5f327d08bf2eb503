#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

// A fresh program folder for one test case: a temporary folder holding
// copies of the shipped data folders, named by TARNEL_PROGRAM_DIR while the
// fixture lives.
class ProgramFolderFixture
{
public:
    ProgramFolderFixture();
    ~ProgramFolderFixture();

    QString path() const { return m_dir.path(); }
    QString file(const QString &relative) const;
    // Writes bytes to a file inside the folder (creating subfolders).
    QString write(const QString &relative, const QByteArray &bytes) const;
    static QByteArray read(const QString &path);
    // Makes a folder refuse new files (also for root, through the immutable
    // attribute). False when this machine cannot do that; undone on exit.
    bool makeUnwritable(const QString &folder);

private:
    QTemporaryDir m_dir;
    QByteArray m_previous;
    QStringList m_immutable;
};
