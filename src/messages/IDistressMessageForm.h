#pragma once
#include <QString>

namespace tidepost {

// The alarm window of a received message of urgency or distress priority, as the message store
// raises it. The distress area implements it and registers it in Messages::DistressMessageForm;
// while that is null the headline is queued as a message box and "alarm.wav" plays once, so
// that such a message is never silent.
class IDistressMessageForm {
public:
    virtual ~IDistressMessageForm() = default;
    // The headline `Label1`.
    virtual void SetLabel1Caption(const QString& caption) = 0;
    // `BeepTimer`: while enabled, each tick plays "alarm.wav".
    virtual void SetBeepTimerEnabled(bool enabled) = 0;
    // `FlashTimer`: its first tick shows the window on top of the others.
    virtual void SetFlashTimerEnabled(bool enabled) = 0;
};

}  // namespace tidepost
