#pragma once

#include "foundation/DebugLogHolder.h"
#include "foundation/LanguageSelectHolder.h"

namespace tidepost {

struct Foundation;
class IMainForm;

// The windows the foundation reaches: the main window once it has registered itself, the
// foundation's own windows (each created on first use) and the state they share with it.
struct FoundationWindows {
    explicit FoundationWindows(Foundation& f) : DebugLog(f), LanguageSelect(f) {}

    // The main window once it has registered itself; null before that and in tests without one.
    IMainForm* MainForm = nullptr;
    // The new-message icon is in the notification area: set when it is shown, cleared by the
    // main window when it removes the icon.
    bool TrayIconShown = false;
    // The main window closes without the exit question (set before the language dialog closes
    // the program).
    bool ExitWithoutQuestion = false;
    // A termination signal came during the start-up: the start stops before its next step that
    // would wait for the operator, and the main window is never created.
    bool EndRequested = false;

    DebugLogHolder DebugLog;
    LanguageSelectHolder LanguageSelect;
};

}  // namespace tidepost
