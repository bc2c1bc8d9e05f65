#pragma once
#include <QString>

namespace tidepost {

struct Messages;

// The transceiver's progress reports on submissions and on the distress alert (INFO 20, 21, 22,
// 80, 81, 82, 130, 131, 140 and 141) move the lines of the outbox log through their delivery
// states, or add a distress-alert line. Each handler gets the whole entry as the status-list walk
// cut it, "INFO " to the end of its text.
bool HandleInfo20(Messages& m, const QString& entry);
bool HandleInfo21(Messages& m, const QString& entry);
bool HandleInfo22(Messages& m, const QString& entry);
bool HandleInfo80(Messages& m, const QString& entry);
bool HandleInfo81(Messages& m, const QString& entry);
bool HandleInfo82(Messages& m, const QString& entry);
bool HandleInfo130_131(Messages& m);
bool HandleInfo140_141(Messages& m, const QString& entry, bool confirmed);

// Puts the handlers on the link's notification reactions.
void RegisterDeliveryStatusHandlers(Messages& m);

}  // namespace tidepost
