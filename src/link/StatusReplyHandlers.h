#pragma once

namespace tidepost {

struct Link;

// Puts the identity, status, position, time, GPS, link-test and signal parsers on their reply
// rows ("ver", "st -w", "st -m", "st -s", "st -i", "st -v", "ru -g", "ti -u", "ti u", "se -p"); the
// link does so when it is built.
void RegisterStatusReplyHandlers(Link& link);

}  // namespace tidepost
