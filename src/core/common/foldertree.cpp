#include "foldertree.h"

#include <QFile>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace FolderTree {

namespace {

// Empties the folder open as descriptor (which this takes over) and
// reports whether everything in it went.
bool emptyFolder(int descriptor)
{
    DIR *folder = ::fdopendir(descriptor);
    if (!folder) {
        ::close(descriptor);
        return false;
    }
    bool all = true;
    while (dirent *entry = ::readdir(folder)) {
        const char *name = entry->d_name;
        if (name[0] == '.' && (name[1] == 0 || (name[1] == '.' && name[2] == 0)))
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        if (entry->d_type == DT_UNKNOWN) {
            struct stat info;
            isFolder = ::fstatat(::dirfd(folder), name, &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(info.st_mode);
        }
        if (!isFolder) {
            if (::unlinkat(::dirfd(folder), name, 0) != 0 && errno != ENOENT)
                all = false;
            continue;
        }
        const int inner = ::openat(::dirfd(folder), name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (inner < 0 || !emptyFolder(inner) || ::unlinkat(::dirfd(folder), name, AT_REMOVEDIR) != 0)
            all = false;
    }
    ::closedir(folder);
    return all;
}

} // namespace

bool remove(const QString &path)
{
    const QByteArray local = QFile::encodeName(path);
    struct stat info;
    if (::lstat(local.constData(), &info) != 0)
        return errno == ENOENT;
    if (!S_ISDIR(info.st_mode))
        return ::unlink(local.constData()) == 0;
    const int descriptor = ::open(local.constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (descriptor < 0)
        return false;
    const bool emptied = emptyFolder(descriptor);
    return emptied && ::rmdir(local.constData()) == 0;
}

} // namespace FolderTree
