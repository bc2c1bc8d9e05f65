#pragma once
#include <QDateTime>
#include <QString>

namespace tidepost {

// What setting the system clock came to: done, or why not in the system's own words.
struct ClockSetResult {
    bool Done = false;
    QString Reason;
};

// Sets the machine's wall clock. Setting it needs a privilege (root or CAP_SYS_TIME on Linux), and
// a test must never reach the real one: the machine running the tests would change its time.
class IClockSetter {
public:
    virtual ~IClockSetter() = default;
    // Sets the clock to the instant `time` names (its offset from UTC included).
    virtual ClockSetResult SetClock(const QDateTime& time) = 0;
};

}  // namespace tidepost
