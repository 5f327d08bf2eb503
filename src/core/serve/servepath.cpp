#include "servepath.h"

#include <QDir>
#include <QFileInfo>

namespace {

ServePath refused(ServePath::Verdict verdict, const QString &reason)
{
    ServePath path;
    path.verdict = verdict;
    path.reason = reason;
    return path;
}

// The canonical form of path's nearest existing ancestor (itself when it
// exists), with the missing rest appended.
QString canonicalOrNearest(const QString &path)
{
    QString existing = path;
    QString rest;
    while (!QFileInfo::exists(existing)) {
        const int slash = existing.lastIndexOf(QLatin1Char('/'));
        if (slash <= 0)
            return path;
        rest = existing.mid(slash) + rest;
        existing.truncate(slash);
    }
    return QFileInfo(existing).canonicalFilePath() + rest;
}

} // namespace

bool ServePath::staysInside(const QString &folder, const QString &path)
{
    const QString root = QFileInfo(folder).canonicalFilePath();
    if (root.isEmpty())
        return false;
    const QString real = canonicalOrNearest(path);
    return real == root || real.startsWith(root == QLatin1String("/") ? root : root + QLatin1Char('/'));
}

ServePath ServePath::resolve(const QString &folder, const QByteArray &target)
{
    QByteArray raw = target;
    const int query = raw.indexOf('?');
    if (query >= 0)
        raw.truncate(query);
    const int fragment = raw.indexOf('#');
    if (fragment >= 0)
        raw.truncate(fragment);
    // A request through a proxy names the whole address.
    const QByteArray lower = raw.left(8).toLower();
    if (lower.startsWith("http://") || lower.startsWith("https://")) {
        const int slash = raw.indexOf('/', raw.indexOf("//") + 2);
        raw = slash < 0 ? QByteArray("/") : raw.mid(slash);
    }
    if (!raw.startsWith('/'))
        return refused(Verdict::NotAPath, QStringLiteral("not a path"));

    const QString decoded = QString::fromUtf8(QByteArray::fromPercentEncoding(raw));
    if (decoded.contains(QChar(0)) || decoded.contains(QLatin1Char('\\')))
        return refused(Verdict::LeavesFolder, QStringLiteral("NUL or backslash in the path"));

    QStringList segments = decoded.mid(1).split(QLatin1Char('/'));
    const bool namesFolder = segments.last().isEmpty();
    if (namesFolder)
        segments.removeLast();
    for (const QString &segment : segments) {
        if (segment.isEmpty())
            return refused(Verdict::LeavesFolder, QStringLiteral("absolute or empty path segment"));
        if (segment == QLatin1String("..") || segment == QLatin1String("."))
            return refused(Verdict::LeavesFolder, QStringLiteral("dot segment leaves the folder"));
        if (segment.startsWith(QLatin1Char('.')))
            return refused(Verdict::LeavesFolder, QStringLiteral("hidden name"));
    }

    const QString root = QDir(folder).absolutePath();
    const QString joined = segments.isEmpty() ? root : root + QLatin1Char('/') + segments.join(QLatin1Char('/'));
    if (!staysInside(root, joined))
        return refused(Verdict::LeavesFolder, QStringLiteral("symbolic link leads out of the folder"));
    const QFileInfo info(joined);
    if (info.isSymLink() && !staysInside(root, info.symLinkTarget()))
        return refused(Verdict::LeavesFolder, QStringLiteral("symbolic link leads out of the folder"));
    if (namesFolder || info.isDir())
        return refused(Verdict::Directory, QStringLiteral("folder: no listing"));

    ServePath path;
    path.verdict = Verdict::File;
    path.filePath = info.exists() ? info.canonicalFilePath() : canonicalOrNearest(joined);
    return path;
}
