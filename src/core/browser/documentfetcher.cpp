#include "documentfetcher.h"

namespace {

QUrl plain(const QUrl &url)
{
    return url.adjusted(QUrl::RemoveFragment | QUrl::RemoveQuery | QUrl::NormalizePathSegments);
}

} // namespace

DocumentFetcher::DocumentFetcher(Fetcher &next)
    : m_next(next)
{
}

void DocumentFetcher::setDocument(const QUrl &url, const QString &text)
{
    m_url = plain(url);
    m_bytes = text.toUtf8();
}

FetchResult DocumentFetcher::fetch(const FetchRequest &request)
{
    m_last = request;
    // A POST or a query to the document's address is not the editor's
    // business: the text has no server behind it, so it answers as a
    // static file would.
    if (!m_url.isEmpty() && plain(request.url) == m_url) {
        FetchResult result;
        result.ok = true;
        result.bytes = m_bytes;
        // The text is Unicode already; its declaration may name the
        // encoding the file will be saved in, which no longer applies.
        result.contentType = "text/vnd.wap.wml; charset=utf-8";
        return result;
    }
    return m_next.fetch(request);
}
