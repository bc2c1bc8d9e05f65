#pragma once
#include <QList>
#include <QString>

#include "messages/InboxEntries.h"

namespace tidepost {

struct Link;
struct Messages;

// The download cycle of received messages, reply by reply: the listing puts the message log
// first in the queue, the log queues one fetch per listed message, and the cycle ends when no
// fetch (and, once storing has begun, no delete) of a received message is left.

// The listing reply (the dispatch has already marked the download as running): stores the
// listing and puts "st -r" at the front of the queue, once.
void HandleInboxListing(Messages& m, const QString& reply);
// The message-log reply: stores the log and queues the fetches of the listed "IN" files.
void HandleInboxLog(Messages& m, const QString& reply);

// Queues "ty <name>.<number>" with the fetch options of the connected model for every listing
// entry named `name`, in listing order, duplicates included; then ends the download when no
// "ty IN." is left in the queue.
void QueueInboxFetch(Link& link, const QString& name, const QList<InboxListEntry>& listing);
// The fetch options: " -b" for the 510A/B and 530A (models 1 and 6), " -b -k" for every other model.
QString InboxFetchOptions(const Link& link);

// The index of the last entry named `name` with that extension (both exact); -1 when none.
int FindListingEntry(const QString& name, const QString& extension, const QList<InboxListEntry>& listing);
// The index of the last entry of gInboxLog whose name is `name` exactly; -1 when none.
int FindInLogEntry(const Messages& m, const QString& name);

// Which queued commands keep a message download running.
enum class InboxPending {
    Fetches,           // "ty IN." (after the message log)
    FetchesAndDeletes  // "ty IN." or "delete IN." (after each fetched message)
};
// The end-of-download rule: when none of the pending commands waits in the queue, the download
// has ended (ProcessingMsgs False, the watchdog MessageTimer stopped). True when it ended.
bool EndInboxDownloadWhenDone(Link& link, InboxPending pending = InboxPending::FetchesAndDeletes);

}  // namespace tidepost
