#pragma once
#include <QDateTime>

namespace tidepost {

// Wall clock and monotonic clock. Every time-out, watchdog and time stamp reads one of these,
// so tests can drive time by hand.
class IClock {
public:
    virtual ~IClock() = default;
    virtual QDateTime Now() const = 0;        // local date and time
    virtual QDateTime NowUtc() const = 0;
    virtual qint64 MonotonicMs() const = 0;   // milliseconds since an arbitrary start
};

}  // namespace tidepost
