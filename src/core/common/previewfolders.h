#pragma once

#include <QString>

// The preview's own corner of the "temp" folder. Each running program
// keeps its pages in a sub-folder of its own, made on the first preview
// with a fresh name (process id and a random part, access for the user
// alone), and each document window gets a numbered sub-folder of that. So
// two documents with a card of the same name, or two copies of the
// program, never share a page file, and one program's exit leaves the
// pages of another alone.
class PreviewFolders
{
public:
    // root: the "temp" folder these live in.
    explicit PreviewFolders(const QString &root);
    PreviewFolders(const PreviewFolders &) = delete;
    PreviewFolders &operator=(const PreviewFolders &) = delete;

    QString root() const { return m_root; }
    // This program's sub-folder; empty until the first document folder.
    QString runFolder() const { return m_run; }

    // Makes a new, empty folder for one document window (and the root and
    // the program's sub-folder when missing) and returns its path. Throws
    // TarnelError "Cannot create file %s" naming the folder that could not
    // be made.
    QString newDocumentFolder();

    // Removes one document window's folder with all it holds; a folder
    // that is not one of this program's is left alone.
    void release(const QString &documentFolder);

    // ClearTempFolder: removes this program's sub-folder with all it
    // holds, then the root when that is empty. Whatever cannot be removed
    // stays where it is; a later run never reads it.
    void ClearTempFolder();

private:
    QString m_root;
    QString m_run;
    int m_documents = 0;
};
