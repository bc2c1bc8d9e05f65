#pragma once
#include <QtGlobal>

namespace tidepost {

struct Messages;

// Raises the alarm window of a received message of urgency (2) or distress (3) priority; True
// when the priority is one of them.
bool RaisePriorityAlarm(Messages& m, qint16 priority);

// Announces a stored message: the alarm for priorities 2 and 3; for any other the new-message
// icon and, unless the setting "NewMessageNotify" is 0, the notice "New message received".
void AnnounceReceivedMessage(Messages& m, qint16 priority);

}  // namespace tidepost
