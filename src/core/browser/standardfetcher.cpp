#include "standardfetcher.h"

#include "browsertexts.h"
#include "common/tarnelerror.h"
#include "net/httpclient.h"
#include "net/transfercontrol.h"

#include <QFile>
#include <QFileInfo>

namespace {

FetchResult readFile(const QUrl &url)
{
    const QString path = url.toLocalFile();
    const QFileInfo info(path);
    if (!info.exists())
        return FetchResult::failure(BrowserTexts::tr("File not found: %1").arg(info.fileName()));
    if (info.isDir())
        return FetchResult::failure(BrowserTexts::tr("%1 is a folder, not a deck").arg(info.fileName()));
    if (info.size() > StandardFetcher::maximumBytes)
        return FetchResult::failure(BrowserTexts::tr("%1 is too large").arg(info.fileName()));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FetchResult::failure(BrowserTexts::tr("Cannot read %1").arg(info.fileName()));
    FetchResult result;
    result.ok = true;
    result.bytes = file.read(StandardFetcher::maximumBytes);
    return result;
}

} // namespace

FetchResult StandardFetcher::fetch(const FetchRequest &request)
{
    const QString scheme = request.url.scheme().toLower();
    if (scheme == QLatin1String("file"))
        return readFile(request.url);
    if (scheme == QLatin1String("http") || scheme == QLatin1String("https"))
        return readHttp(request);
    return FetchResult::failure(BrowserTexts::tr("Unknown kind of address: %1").arg(request.url.toString()));
}

FetchResult StandardFetcher::readHttp(const FetchRequest &request)
{
    HttpClient::Request http;
    http.address = request.url.toString(QUrl::FullyEncoded);
    http.post = request.post;
    http.body = request.body;
    http.bodyType = request.contentType;
    if (!request.referer.isEmpty())
        http.headers.append(QStringLiteral("Referer: ") + request.referer);
    if (request.noCache)
        http.headers.append(QStringLiteral("Cache-Control: no-cache"));
    FetchResult result;
    const auto job = [&](TransferControl &control) {
        result.bytes = HttpClient::send(http, ProxySetting(), control, &result.contentType);
    };
    m_transferring = true;
    try {
        if (m_runner) {
            m_runner(job);
        } else {
            TransferControl control;
            job(control);
        }
        result.ok = true;
    } catch (const TarnelError &error) {
        result.bytes.clear();
        result.error = error.text();
    }
    m_transferring = false;
    return result;
}
