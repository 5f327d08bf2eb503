#pragma once

#include "fetcher.h"

#include <QString>
#include <QUrl>

// The fetcher of the Phone mode: the document's own address answers with
// the editor's text (saved or not), every other request goes on to the
// fetcher given (files, HTTP). It remembers the last request, for the
// inspector.
class DocumentFetcher : public Fetcher
{
public:
    explicit DocumentFetcher(Fetcher &next);

    // The text served for url (its fragment and query are ignored).
    void setDocument(const QUrl &url, const QString &text);
    const QUrl &documentUrl() const { return m_url; }

    FetchResult fetch(const FetchRequest &request) override;

    // The last deck or picture asked for; url empty before the first.
    const FetchRequest &lastRequest() const { return m_last; }

private:
    Fetcher &m_next;
    QUrl m_url;
    QByteArray m_bytes;
    FetchRequest m_last;
};
