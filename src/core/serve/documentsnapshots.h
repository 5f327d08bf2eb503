#pragma once

#include "opendocument.h"

#include <QHash>
#include <QList>
#include <utility>
#include <QMutex>
#include <QString>

// The open documents as the phone server sees them: the window that holds
// a page puts its text here when it changes, the server's thread reads it.
// Paths are made absolute and canonical on the way in and out, so a page
// opened through a symbolic link is found under its real name.
class DocumentSnapshots
{
public:
    void put(const QString &filePath, const OpenDocument &document);
    void remove(const QString &filePath);
    void clear();
    // Replaces every document at once, so the server never sees a moment
    // with some of them missing.
    void replaceAll(const QList<std::pair<QString, OpenDocument>> &documents);
    std::optional<OpenDocument> find(const QString &filePath) const;

    // A DocumentSource reading this store; the store must outlive it.
    DocumentSource source() const;

    static QString key(const QString &filePath);

private:
    mutable QMutex m_lock;
    QHash<QString, OpenDocument> m_documents;
};
