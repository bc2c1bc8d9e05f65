#pragma once
#include <QString>

#include "messages/InboxEntries.h"

namespace tidepost {

struct Foundation;

// The inbox index "in.idx" in the inbox folder: one line per stored message, its fields separated
// by ":": the transceiver's file name, the LES in three digits, priority, presentation, the
// listed date and time "yy-MM-dd hh:mm", size, reference, routing, the read flag ("No" when
// written) and the disk file name. The time holds a ":" too, so a line splits into eleven parts.

// The index's name; the start-up data check creates it as "IN.IDX", the same file.
inline constexpr char kInboxIndexName[] = "in.idx";

// The index line of a message from its log entry, the listed date and time `when` and the name
// of its file in the inbox folder.
QString InboxIndexLine(const InLogEntry& entry, const QString& when, const QString& disk);

// The index at `path` holds a line of this message already: the same file name, LES, date and
// time, size and reference. A missing or unreadable index holds none.
bool IsInInboxIndex(Foundation& f, const QString& path, const InLogEntry& entry, const QString& when);

}  // namespace tidepost
