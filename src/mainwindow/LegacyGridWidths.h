#pragma once

namespace tidepost {

struct Foundation;

// An older version kept the column widths of the three folder grids in "Tidepost.dat" of the data
// folder (the product name and ".dat", found ignoring case). When that file exists, each header
// line "[InboxGrid]", "[EGCGrid]" or "[SentItemsGrid]" (any letter case, nothing trimmed) hands the
// line after it to the per-user settings, section "Config": "INBOXGRID" (the value and ":1000"),
// "EGCGRID", "SENTITEMSGRID"; then the file is deleted. A header on the last line has no value and
// is skipped. A file that cannot be read throws RuntimeError (the start-up's failure) and stays.
void MigrateLegacyGridWidths(Foundation& f);

}  // namespace tidepost
