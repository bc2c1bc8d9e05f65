#include "platform/LinuxClockSetter.h"

#include <cerrno>
#include <cstring>
#include <ctime>

namespace tidepost {

ClockSetResult LinuxClockSetter::SetClock(const QDateTime& time) {
    if (!time.isValid()) return {false, QStringLiteral("Invalid date or time")};
    timespec value{};
    value.tv_sec = static_cast<time_t>(time.toSecsSinceEpoch());
    value.tv_nsec = static_cast<long>(time.time().msec()) * 1000000L;
    if (::clock_settime(CLOCK_REALTIME, &value) == 0) return {true, {}};
    const int err = errno;
    return {false, QString::fromLocal8Bit(std::strerror(err))};
}

}  // namespace tidepost
