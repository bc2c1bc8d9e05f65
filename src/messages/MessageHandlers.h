#pragma once

namespace tidepost {

struct Messages;

// Puts the message area's reply handlers on the link's dispatch rows: the inbox listing
// ("ls IN.*"), the message log ("st -r"), the fetched message ("ty IN.") and the printed reply of
// "type ".
void RegisterMessageHandlers(Messages& m);

}  // namespace tidepost
