#pragma once

namespace tidepost {

struct Messages;

// Puts the message area's reply handlers on the link's dispatch rows: the inbox listing
// ("ls IN.*"), the message log ("st -r"), the fetched message ("ty IN."), the printed reply of
// "type ", the distress alert for the outbox log ("se -g"), the sent-items view and the
// transceiver's restart.
void RegisterMessageHandlers(Messages& m);

}  // namespace tidepost
