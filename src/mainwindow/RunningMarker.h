#pragma once

namespace tidepost {

struct Foundation;

// The running marker in the data folder: an empty file named after the product with ".tmp",
// "Tidepost.tmp" while the program is not running and "#Tidepost.tmp" while it runs, so a start
// that finds "#Tidepost.tmp" knows the last run did not end in order. Names are matched ignoring
// case, and a rename never replaces a file.

// At start-up: with "#Tidepost.tmp" present, queues "Tidepost was not closed properly last time it
// was run." and changes nothing; otherwise renames "Tidepost.tmp" to "#Tidepost.tmp", or creates
// "#Tidepost.tmp" when neither exists. A file that cannot be renamed or created throws
// RuntimeError (the start-up's failure).
void MarkProgramRunning(Foundation& f);

// At the end of an orderly exit: "#Tidepost.tmp" becomes "Tidepost.tmp"; when "Tidepost.tmp"
// exists too (a run that was reported as not closed properly), "#Tidepost.tmp" is removed, so the
// next start finds a clean marker. Failures are ignored: the program is ending.
void MarkProgramStopped(Foundation& f);

}  // namespace tidepost
