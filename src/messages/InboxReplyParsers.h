#pragma once
#include <QList>
#include <QString>

#include "messages/InboxEntries.h"

namespace tidepost {

struct Foundation;

// The inbox listing in either of the shell's layouts: the first when " bytes free" occurs in the
// reply, the second otherwise. A data line whose size or date cannot be read is skipped with a
// line in "ErrorLog.txt" (its message stays on the transceiver and is listed again). The result
// always holds at least one entry: an empty one when the reply has no data line.
QList<InboxListEntry> ParseInboxListing(Foundation& f, const QString& reply);

// Whose files a listing lists: in the second layout an inbox name stands in columns 1-13 with its
// number in 15-17 after a "." in column 14, an EGC's whole name in columns 1-17 (its number after
// the first "."). The skipped-line log names the store.
enum class ListingKind { Inbox, Egc };
QList<InboxListEntry> ParseFileListing(Foundation& f, const QString& reply, ListingKind kind);

// The message log: one entry per line that holds "IN.". A column 43 that is not a digit reads 0
// and an unreadable date reads as no date (neither is used). At least one entry, as above.
QList<InLogEntry> ParseInLog(const QString& reply);

}  // namespace tidepost
