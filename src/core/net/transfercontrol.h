#pragma once

#include "transferlimits.h"

#include <QtGlobal>
#include <atomic>

// Shared by a transfer running on a worker thread and the window waiting
// for it: the window reads the progress and may ask for cancellation, the
// transfer reports its progress and stops at the next chance after a
// cancel. Every member is safe to use from both threads.
class TransferControl
{
public:
    explicit TransferControl(TransferLimits limits = {}) : m_limits(limits) {}

    const TransferLimits &limits() const { return m_limits; }

    void cancel() { m_cancelled = true; }
    bool isCancelled() const { return m_cancelled; }

    // total is -1 while the size is not known.
    void setProgress(qint64 done, qint64 total)
    {
        m_done = done;
        m_total = total;
    }
    qint64 bytesDone() const { return m_done; }
    qint64 bytesTotal() const { return m_total; }

private:
    const TransferLimits m_limits;
    std::atomic<bool> m_cancelled{false};
    std::atomic<qint64> m_done{0};
    std::atomic<qint64> m_total{-1};
};
