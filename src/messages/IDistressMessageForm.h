#pragma once
#include <QtGlobal>

namespace tidepost {

// The alarm window of a received message of urgency or distress priority, as the message store
// raises it. The distress area implements it and the application registers it in
// Messages::DistressMessageForm before the link opens.
class IDistressMessageForm {
public:
    virtual ~IDistressMessageForm() = default;
    // Sounds and shows the alarm for a stored message of priority 2 (urgency) or 3 (distress);
    // while it is up, a further message raises it again with the higher of the priorities.
    virtual void Raise(qint16 priority) = 0;
};

}  // namespace tidepost
