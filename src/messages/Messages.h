#pragma once
#include <QList>

#include "messages/InboxEntries.h"

namespace tidepost {

struct Foundation;
struct Link;

// The message area's state: received and outgoing messages, the outbox log and the address book.
// One instance per program run, owned by the application object. Members keep the names the
// rest of the program knows them by.
struct Messages {
    Messages(Foundation& foundation, Link& link) : F(foundation), L(link) {}
    Foundation& F;
    Link& L;

    // The transceiver's latest inbox listing and message log, each replaced whole by its reply and
    // read while the fetched messages arrive; each holds at least one (then empty) entry.
    QList<InboxListEntry> gInboxListing{InboxListEntry{}};
    QList<InLogEntry> gInboxLog{InLogEntry{}};
};

}  // namespace tidepost
