#pragma once
#include "platform/IClockSetter.h"

namespace tidepost {

// clock_settime(CLOCK_REALTIME): the system's real-time clock, for every program on the machine.
class LinuxClockSetter : public IClockSetter {
public:
    ClockSetResult SetClock(const QDateTime& time) override;
};

}  // namespace tidepost
