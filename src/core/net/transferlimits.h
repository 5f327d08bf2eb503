#pragma once

#include <chrono>

// How long a transfer may wait. The connect time-out bounds opening the
// connection; the stall time-out ends a transfer on which nothing has moved
// in either direction (no reply, no data) for that long. Tests shorten both.
struct TransferLimits
{
    std::chrono::milliseconds connect{15000};
    std::chrono::milliseconds stall{30000};
};
