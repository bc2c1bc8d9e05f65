#pragma once

namespace tidepost {

struct Reporting;

// What the reporting programs dialog does. Programs are counted 0 to 3 here, as on the shell;
// the operator sees them as Program 1 to Program 4.

// Opens the dialog. With the transceiver answering it asks for the program list ("pg -d") and
// sets the position format ("se -z posformat=pu"), under the busy window; the list reply fills and
// shows the dialog, and from then on every "pg -d" reply does. Without the transceiver it shows the
// dialog at once, with what it holds and without the New, Start, Stop and Delete buttons.
void OpenPUReporting(Reporting& r);

// New (any program): the next DNID list goes to the set-up of a new program, which takes the
// lowest closed program whichever New was pressed.
void NewButton_Click(Reporting& r, int program);
// Start, Stop and Delete act only on a local program while the transceiver answers, and refuse a
// remote one in a box of the dialog; each then asks for the list again.
void StartButton_Click(Reporting& r, int program);
void StopButton_Click(Reporting& r, int program);
void DeleteButton_Click(Reporting& r, int program);
// Asks for the status text of one program ("pg -d <n>"); its reply opens the status viewer.
void StatusButton_Click(Reporting& r, int program);
// Closes the dialog and lets it go; the next opening starts afresh.
void OKButton_Click(Reporting& r);

}  // namespace tidepost
