#pragma once
#include <functional>

namespace tidepost {

struct Foundation;

// The start of the program: English first, the string table, the stored language, the refusal of
// a second copy, the data folder and settings file, then the language dialog, which announces the
// stored language and asks for one until the user has confirmed one. Only then is `showMainForm`
// called to create, load and show the main window, so everything its load builds from the string
// table is in the chosen language. False when this copy may not run: it has shown why (another
// copy runs, or the single-copy lock could not be made) and must end at once. An end requested
// during the start (FoundationWindows::EndRequested) stops it before the language dialog and the
// main window.
bool Main(Foundation& f, const std::function<void()>& showMainForm);

// When another copy of the program runs (the platform's instance lock is held), shows
// "Tidepost instance already running." titled "Info" and gives true; when the lock cannot be made
// (in the runtime folder, or in the data folder where there is none), shows the file error box of
// "(Main)" and gives true as well; otherwise claims the lock for this copy and gives false.
bool RefuseSecondCopy(Foundation& f);

}  // namespace tidepost
