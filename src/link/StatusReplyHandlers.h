#pragma once

namespace tidepost {

struct Link;

// Puts the identity, status, position, time, GPS, link-test and signal parsers on their reply
// rows ("ver", "st -w", "st -m", "st -s", "st -i", "st -v", "ru -g", "ti -u", "ti u", "se -p").
void RegisterStatusReplyHandlers(Link& link);

// Registers them when the link is built: a member of Link after its dispatch.
struct StatusReplyHandlers {
    explicit StatusReplyHandlers(Link& link) { RegisterStatusReplyHandlers(link); }
};

}  // namespace tidepost
