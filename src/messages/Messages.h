#pragma once
#include <QList>
#include <QStringList>

#include "messages/AddressEntry.h"
#include "messages/AddressSearch.h"
#include "messages/InboxEntries.h"

namespace tidepost {

struct Foundation;
struct Link;
class IAddressBookWindows;

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

    // The address book in memory (AddressBookFile.h): never empty; an empty name is a free slot.
    QList<AddressEntry> AddressBookEntries{AddressEntry{}};
    // The names of the address field being resolved, and the search result of the name being
    // resolved; the chooser shows them (AddressSearch.h).
    QStringList ResolveNames{QString()};
    AddressSearchResult LastSearchResult;
    // The chooser and the address card, once the area that owns them has set itself here.
    IAddressBookWindows* AddressBookWindows = nullptr;
};

}  // namespace tidepost
