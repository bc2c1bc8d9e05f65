#pragma once

namespace tidepost {

// What the EGC store calls when an urgent or distress broadcast arrives; the alarm window
// implements it.
class IEgcAlarm {
public:
    virtual ~IEgcAlarm() = default;
    virtual void RaiseEgcAlarm() = 0;
};

}  // namespace tidepost
