#include "relativeurl.h"

#include <QStringList>

namespace RelativeUrl {

QString between(const QUrl &base, const QUrl &target)
{
    if (base.scheme() != target.scheme() || base.authority() != target.authority())
        return target.toString(QUrl::FullyEncoded);
    const QString basePath = base.path(QUrl::FullyEncoded);
    const QString targetPath = target.path(QUrl::FullyEncoded);
    QString reference;
    if (basePath == targetPath) {
        reference = targetPath.mid(targetPath.lastIndexOf(QLatin1Char('/')) + 1);
    } else {
        // Folders of each; the last piece of a path is its file.
        QStringList from = basePath.split(QLatin1Char('/'));
        QStringList to = targetPath.split(QLatin1Char('/'));
        from.removeLast();
        const QString file = to.takeLast();
        qsizetype common = 0;
        while (common < from.size() && common < to.size() && from[common] == to[common])
            ++common;
        for (qsizetype i = common; i < from.size(); ++i)
            reference += QStringLiteral("../");
        for (qsizetype i = common; i < to.size(); ++i)
            reference += to[i] + QLatin1Char('/');
        reference += file;
        // Climbing out of many folders can be longer than the path itself.
        if (targetPath.size() < reference.size())
            reference = targetPath;
    }
    if (reference.isEmpty())
        reference = QStringLiteral("./");
    if (target.hasQuery())
        reference += QLatin1Char('?') + target.query(QUrl::FullyEncoded);
    return reference;
}

} // namespace RelativeUrl
