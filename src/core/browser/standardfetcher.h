#pragma once

#include "fetcher.h"

#include <functional>

class TransferControl;

// The fetcher of the program: file: URLs from disk, http: and https: URLs
// through the HTTP client (GET or POST, with the Referer, Cache-Control
// and Accept-Charset headers the go task asks for). Any other scheme fails
// with a message.
class StandardFetcher : public Fetcher
{
public:
    // Runs one HTTP transfer job; returns when it has ended and throws the
    // TarnelError the job threw (a cancel, too). The program's runner shows
    // the progress and offers Cancel; without one the transfer simply runs.
    using Runner = std::function<void(const std::function<void(TransferControl &)> &job)>;
    void setRunner(Runner runner) { m_runner = std::move(runner); }
    // Whether an HTTP transfer is under way (the runner keeps the window
    // alive meanwhile: nothing may drive the engine then).
    bool isTransferring() const { return m_transferring; }

    FetchResult fetch(const FetchRequest &request) override;

    // The largest file read, so a huge file cannot exhaust memory.
    static constexpr qint64 maximumBytes = 4 * 1024 * 1024;

private:
    FetchResult readHttp(const FetchRequest &request);

    Runner m_runner;
    bool m_transferring = false;
};
