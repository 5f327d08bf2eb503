#include "previewfolders.h"

#include "foldertree.h"
#include "tarnelerror.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

PreviewFolders::PreviewFolders(const QString &root) : m_root(QDir::cleanPath(root)) {}

QString PreviewFolders::newDocumentFolder()
{
    if (m_run.isEmpty()) {
        if (!QDir().mkpath(m_root))
            throw TarnelError::cannotCreate(m_root);
        // mkdtemp underneath: a name no other copy holds, mode 0700.
        QTemporaryDir run(m_root + QLatin1Char('/') + QString::number(QCoreApplication::applicationPid())
                          + QStringLiteral("-XXXXXX"));
        if (!run.isValid())
            throw TarnelError::cannotCreate(run.path().isEmpty() ? m_root : run.path());
        run.setAutoRemove(false);
        m_run = run.path();
    }
    const QDir run(m_run);
    // Numbers are never reused within a run; the mkdir checks for leftovers.
    for (int attempt = 0; attempt < 1000; ++attempt) {
        const QString name = QString::number(++m_documents);
        if (run.mkdir(name))
            return run.filePath(name);
        if (!run.exists())
            break;
    }
    throw TarnelError::cannotCreate(run.filePath(QString::number(m_documents)));
}

void PreviewFolders::release(const QString &documentFolder)
{
    const QString folder = QDir::cleanPath(documentFolder);
    if (m_run.isEmpty() || documentFolder.isEmpty() || QDir::cleanPath(QDir(folder).filePath(QStringLiteral(".."))) != m_run)
        return;
    FolderTree::remove(folder);
}

void PreviewFolders::ClearTempFolder()
{
    if (!m_run.isEmpty())
        FolderTree::remove(m_run);
    m_run.clear();
    // rmdir refuses a root that still holds another copy's pages.
    QDir().rmdir(m_root);
}
