#pragma once
#include <QString>

namespace tidepost {

struct Link;
class DistressTestMode;

// `SetDistressTestModeActive`: keeps the flag in Link::Transceiver.DistressTestModeActive and
// enables the main window's "Distress Test Mode" item, for either value.
void SetDistressTestModeActive(Link& link, bool active);

// `HandleDistressTestModeReply`: the reply to "se -q", "se -q 1" or "se -q 0" fed into the test
// mode's state machine.
void HandleDistressTestModeReply(Link& link, DistressTestMode& machine, const QString& reply);

}  // namespace tidepost
