#pragma once

namespace tidepost {

struct Messages;

// Puts the message area's reply handlers on the link's dispatch rows: the inbox listing
// ("ls IN.*") and the message log ("st -r").
void RegisterMessageHandlers(Messages& m);

}  // namespace tidepost
