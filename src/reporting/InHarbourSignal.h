#pragma once

namespace tidepost {

struct Reporting;

// The in-harbour press proper: raises the port's output (cInHarbourButton, made on first use)
// and reports the press with the current position in the status bar, the info log, the info-log
// view and a queued box; a failed press is reported with the device and the system's reason.
// The main window's 5-second timer then calls ReleaseInHarbourButton.
void PressInHarbourButton(Reporting& r);
// Lowers the output again; made on first use as well, so it never fails.
void ReleaseInHarbourButton(Reporting& r);
// The end of the program: a running pulse is ended and the object let go.
void FreeInHarbourButton(Reporting& r);

}  // namespace tidepost
