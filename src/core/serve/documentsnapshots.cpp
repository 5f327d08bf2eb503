#include "documentsnapshots.h"

#include <QFileInfo>
#include <QMutexLocker>

QString DocumentSnapshots::key(const QString &filePath)
{
    const QFileInfo info(filePath);
    const QString canonical = info.canonicalFilePath();
    return canonical.isEmpty() ? info.absoluteFilePath() : canonical;
}

void DocumentSnapshots::put(const QString &filePath, const OpenDocument &document)
{
    const QString name = key(filePath);
    QMutexLocker lock(&m_lock);
    m_documents.insert(name, document);
}

void DocumentSnapshots::remove(const QString &filePath)
{
    const QString name = key(filePath);
    QMutexLocker lock(&m_lock);
    m_documents.remove(name);
}

void DocumentSnapshots::clear()
{
    QMutexLocker lock(&m_lock);
    m_documents.clear();
}

std::optional<OpenDocument> DocumentSnapshots::find(const QString &filePath) const
{
    const QString name = key(filePath);
    QMutexLocker lock(&m_lock);
    const auto found = m_documents.constFind(name);
    if (found == m_documents.constEnd())
        return std::nullopt;
    return *found;
}

DocumentSource DocumentSnapshots::source() const
{
    return [this](const QString &filePath) { return find(filePath); };
}

void DocumentSnapshots::replaceAll(const QList<std::pair<QString, OpenDocument>> &documents)
{
    QHash<QString, OpenDocument> fresh;
    for (const auto &[path, document] : documents)
        fresh.insert(key(path), document);
    QMutexLocker lock(&m_lock);
    m_documents.swap(fresh);
}
