#pragma once
#include <QString>
#include <functional>

#include "platform/IOsFacts.h"

namespace tidepost {

struct Foundation;
class IFlexGrid;

// Shows the new-message icon in the taskbar notification area with the tip
// "New messages in Tidepost inbox" and sets TrayIconShown.
void ShowNewMessageTrayIcon(Foundation& f);

// Panel 2 of the main window's status bar := "yyyy-mm-dd hh:mm:ss: " and the text on one line.
// Without a main window nothing is shown.
void ShowStatusMessage(Foundation& f, const QString& text);

// Plays a wave file of the program's folder (the name must end in "WAV", any case, and the file
// must exist); otherwise, and on any failure, does nothing. Returns at once: the sound plays on
// while the event loop runs. `finished`, when given, is called once the sound has ended (true
// when it was played whole) or could not be played (false), so a caller that repeats a sound can
// start the next one after the last ended, and sound something else when it failed.
// Returns whether a sound was started.
bool PlayWaveFile(Foundation& f, const QString& name, std::function<void(bool played)> finished = {});

// Free space in kilobytes (bytes / 1024, rounded) of the file system that holds the path;
// -1 when the path names no place (empty or relative); 0 when the space cannot be read.
qint64 GetFreeDiskSpaceKB(Foundation& f, const QString& path);

// Always false: there is no pending run-time error state to report.
bool ErrorOccurred();

// The operating system's version record; all zero without the adapter.
OsVersionRecord GetOsVersion(const Foundation& f);

// The number of colours of the main window's display: 2 to the power of bits per pixel times
// colour planes. 0 while there is no main window to ask.
double GetColorDepth(const Foundation& f);

// The caption of a hot-list entry: the text of id, or when parentId > 0 the parent's text,
// " -> " and the text of id.
QString GetCaptionPair(const Foundation& f, int id, int parentId);

// The number of windows now existing (shown or hidden) whose name equals name, ignoring case.
int CountOpenForms(const QString& name);

// The warranty-disclaimer text: one line per text, CR LF after each but the last, with an empty
// line after the heading, after the list's lead-in and after the list.
QString GetDisclaimerText(const Foundation& f);

// When the grid has the row, makes it current, selects it from the first non-fixed column to the
// last, lets the formatting apply to the whole selection and gives it the text colour (0x00BBGGRR)
// and weight. A row outside the grid changes nothing.
void HighlightGridRow(IFlexGrid& grid, int row, int colour, bool bold);

}  // namespace tidepost
