#pragma once

#include "fetcher.h"

// The fetcher of the program: file: URLs from disk, http: and https: URLs
// through the HTTP client (GET or POST, with the Referer, Cache-Control
// and Accept-Charset headers the go task asks for). Any other scheme fails
// with a message.
class StandardFetcher : public Fetcher
{
public:
    FetchResult fetch(const FetchRequest &request) override;

    // The largest file read, so a huge file cannot exhaust memory.
    static constexpr qint64 maximumBytes = 4 * 1024 * 1024;
};
