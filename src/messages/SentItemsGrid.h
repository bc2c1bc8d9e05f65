#pragma once

namespace tidepost {

struct Messages;

// Fills the registered sent-items grid from the outbox log: below the caption row one row per
// line that is not empty, ten columns (file name, aliases, destination, LES, type, date and time,
// time, size, reference, status in the user's language), alerts to search and rescue in red,
// sorted by file name, newest first. A missing log is created empty first; when even that fails,
// the sent-items folder cannot be used: a warning box says so (queued while a timer tick runs)
// and the grid keeps only its caption row. Without a grid nothing is read. An existing log that cannot be read throws RuntimeError.
void LoadSentItemsGrid(Messages& m);

}  // namespace tidepost
