#include "programfolderfixture.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {
void copyFolder(const QString &from, const QString &to)
{
    if (!QFileInfo(from).isDir())
        return;
    QDir().mkpath(to);
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + source.mid(from.size());
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else
            QFile::copy(source, target);
    }
}
} // namespace

ProgramFolderFixture::ProgramFolderFixture() : m_previous(qgetenv("TARNEL_PROGRAM_DIR"))
{
    for (const char *folder : {"data", "skins", "HELP"})
        copyFolder(QStringLiteral(TARNEL_SOURCE_DIR "/") + QLatin1String(folder),
                   m_dir.filePath(QLatin1String(folder)));
    qputenv("TARNEL_PROGRAM_DIR", QFile::encodeName(m_dir.path()));
}

bool ProgramFolderFixture::makeUnwritable(const QString &folder)
{
    QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    if (QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("+i"), folder}) == 0)
        m_immutable.append(folder);
    QFile probe(QDir(folder).filePath(QStringLiteral(".probe")));
    if (probe.open(QIODevice::WriteOnly)) {
        probe.close();
        probe.remove();
        return false;
    }
    return true;
}

ProgramFolderFixture::~ProgramFolderFixture()
{
    for (const QString &folder : m_immutable)
        QProcess::execute(QStringLiteral("chattr"), {QStringLiteral("-i"), folder});
    // Undo any permission a test took away, so the folder can be removed.
    QDirIterator it(m_dir.path(), QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    QFile::setPermissions(m_dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    while (it.hasNext()) {
        it.next();
        QFile::setPermissions(it.filePath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    }
    if (m_previous.isEmpty())
        qunsetenv("TARNEL_PROGRAM_DIR");
    else
        qputenv("TARNEL_PROGRAM_DIR", m_previous);
}

QString ProgramFolderFixture::file(const QString &relative) const
{
    return m_dir.filePath(relative);
}

QString ProgramFolderFixture::write(const QString &relative, const QByteArray &bytes) const
{
    const QString path = file(relative);
    QDir().mkpath(QFileInfo(path).path());
    QFile out(path);
    if (out.open(QIODevice::WriteOnly))
        out.write(bytes);
    return path;
}

QByteArray ProgramFolderFixture::read(const QString &path)
{
    QFile in(path);
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
}
