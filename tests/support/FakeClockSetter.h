#pragma once
#include <QList>

#include "platform/IClockSetter.h"

namespace tidepost::test {

// Records every time it is asked to set, and sets nothing; with a reason, it refuses with it.
class FakeClockSetter : public IClockSetter {
public:
    ClockSetResult SetClock(const QDateTime& time) override {
        Asked.append(time);
        if (!RefuseWith.isEmpty()) return {false, RefuseWith};
        return {true, {}};
    }
    QList<QDateTime> Asked;
    QString RefuseWith;
};

}  // namespace tidepost::test
