#pragma once

#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>
#include <QUrl>

// One request of the phone engine: a deck or a picture. The URL carries no
// fragment; a GET's postfields are already in its query.
struct FetchRequest
{
    QUrl url;
    bool post = false;
    QByteArray body;        // the form data of a POST
    QByteArray contentType; // of the body
    QString referer;        // the referring deck, as short as it can be; empty unless the go sends it
    bool noCache = false;   // cache-control="no-cache"
};

struct FetchResult
{
    bool ok = false;
    QByteArray bytes;
    QByteArray contentType; // as the server named it; empty for files
    QString error;          // why it failed, worded for the phone's screen

    static FetchResult failure(const QString &error)
    {
        FetchResult result;
        result.error = error;
        return result;
    }
};

// Where the engine gets decks and pictures from: files, an HTTP client,
// or a test's table of texts. A fetch never throws; a failure comes back
// with its reason.
class Fetcher
{
public:
    virtual ~Fetcher() = default;
    virtual FetchResult fetch(const FetchRequest &request) = 0;
};
