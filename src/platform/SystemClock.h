#pragma once
#include "platform/IClock.h"

namespace tidepost {

// The system's wall clock and its monotonic clock.
class SystemClock : public IClock {
public:
    QDateTime Now() const override;
    QDateTime NowUtc() const override;
    qint64 MonotonicMs() const override;
};

}  // namespace tidepost
