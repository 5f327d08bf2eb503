#include "accesscontrol.h"

#include "wml/wmlnode.h"

#include <QStringList>

namespace AccessControl {

namespace {

bool domainMatches(const QString &domain, const QString &host)
{
    const QStringList want = domain.toLower().split(QLatin1Char('.'), Qt::SkipEmptyParts);
    const QStringList have = host.toLower().split(QLatin1Char('.'), Qt::SkipEmptyParts);
    if (want.size() > have.size())
        return false;
    for (qsizetype i = 1; i <= want.size(); ++i) {
        if (want[want.size() - i] != have[have.size() - i])
            return false;
    }
    return true;
}

bool pathMatches(const QString &path, const QString &refererPath)
{
    const QStringList want = path.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QStringList have = refererPath.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    if (want.size() > have.size())
        return false;
    for (qsizetype i = 0; i < want.size(); ++i) {
        if (want[i] != have[i])
            return false;
    }
    return true;
}

} // namespace

const WmlNode *accessElement(const WmlNode &wml)
{
    for (const WmlNode *head : wml.elements(u"head")) {
        const QList<const WmlNode *> access = head->elements(u"access");
        if (!access.isEmpty())
            return access.first();
    }
    return nullptr;
}

bool allows(const QString &domain, const QString &path, const QUrl &deckUrl, const QUrl &referer)
{
    const QString wantedDomain = domain.isEmpty() ? deckUrl.host() : domain;
    QString wantedPath = path.isEmpty() ? QStringLiteral("/") : path;
    if (!wantedPath.startsWith(QLatin1Char('/')))
        wantedPath = deckUrl.resolved(QUrl(wantedPath)).path();
    return domainMatches(wantedDomain, referer.host()) && pathMatches(wantedPath, referer.path());
}

bool allows(const WmlNode *access, const QUrl &deckUrl, const QUrl &referer)
{
    if (!access)
        return true;
    return allows(access->value(u"domain"), access->value(u"path"), deckUrl, referer);
}

} // namespace AccessControl
