#include "downloadfolder.h"

#include "common/tarnelerror.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int maximumNames = 1000;
const QString stem = QStringLiteral("$$$$$$$$");

QString nameNumber(int number)
{
    return number == 1 ? stem + QStringLiteral(".wml")
                       : stem + QLatin1Char('-') + QString::number(number) + QStringLiteral(".wml");
}

// Writes all of bytes to a descriptor; false on any failure.
bool writeAll(int descriptor, const QByteArray &bytes)
{
    const char *at = bytes.constData();
    qint64 left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(descriptor, at, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        at += written;
        left -= written;
    }
    return true;
}

} // namespace

DownloadFolder::DownloadFolder(const QString &given) : m_given(given) {}

DownloadFolder::~DownloadFolder()
{
    for (const QString &path : std::as_const(m_made))
        QFile::remove(path);
    // m_private removes the folder and anything else left in it.
}

QString DownloadFolder::path() const
{
    if (!m_given.isEmpty())
        return m_given;
    return m_private ? m_private->path() : QString();
}

QString DownloadFolder::ensureFolder()
{
    if (!m_given.isEmpty())
        return m_given;
    if (!m_private) {
        // mkdtemp underneath: a fresh random name, mode 0700.
        auto made = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tarnel-XXXXXX"));
        if (!made->isValid())
            throw TarnelError::cannotCreate(QDir::tempPath() + QStringLiteral("/tarnel-XXXXXX"));
        m_private = std::move(made);
    }
    return m_private->path();
}

QString DownloadFolder::store(const QByteArray &bytes, const QStringList &inUse)
{
    const QDir dir(ensureFolder());
    QSet<QString> taken;
    for (const QString &path : inUse) {
        if (!path.isEmpty())
            taken.insert(QFileInfo(path).absoluteFilePath());
    }
    for (int number = 1; number <= maximumNames; ++number) {
        const QString path = QFileInfo(dir.filePath(nameNumber(number))).absoluteFilePath();
        if (taken.contains(path))
            continue;
        const QByteArray local = QFile::encodeName(path);
        struct stat entry;
        if (::lstat(local.constData(), &entry) == 0) {
            // A download whose window has closed; anything else is left alone.
            if (!S_ISREG(entry.st_mode) || ::unlink(local.constData()) != 0)
                continue;
        }
        // O_EXCL refuses any entry of that name, a link to elsewhere too.
        const int descriptor = ::open(local.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (descriptor < 0) {
            if (errno == EEXIST)
                continue;
            throw TarnelError::cannotCreate(path);
        }
        const bool written = writeAll(descriptor, bytes);
        const bool closed = ::close(descriptor) == 0;
        if (!written || !closed) {
            ::unlink(local.constData());
            throw TarnelError::cannotCreate(path);
        }
        m_made << path;
        return path;
    }
    throw TarnelError::cannotCreate(dir.filePath(nameNumber(1)));
}

bool DownloadFolder::holds(const QString &path) const
{
    if (path.isEmpty())
        return false;
    const QString wanted = QFileInfo(path).absoluteFilePath();
    for (const QString &made : m_made) {
        if (QFileInfo(made).absoluteFilePath() == wanted)
            return true;
    }
    return false;
}
