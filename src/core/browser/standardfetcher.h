#pragma once

#include "fetcher.h"

// The fetcher of the program: file: URLs from disk, http: and https: URLs
// through the HTTP client (GET; a POST is refused with a message, the
// client only gets). Any other scheme fails with a message.
class StandardFetcher : public Fetcher
{
public:
    FetchResult fetch(const FetchRequest &request) override;

    // The largest file read, so a huge file cannot exhaust memory.
    static constexpr qint64 maximumBytes = 4 * 1024 * 1024;
};
