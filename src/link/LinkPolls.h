#pragma once
#include <QString>

#include "foundation/CSession.h"

namespace tidepost {

// The periodic polls (PeriodicPolls.h): the transceiver last seen by the change watch, the
// once-per-run low-disk warning (cleared when another EGC folder is chosen), and the terminal
// window's marker "CheckGPS" for the terminal display.
struct LinkPolls {
    ::tidepost::SessionSnapshot SessionSnapshot;
    bool LowDiskWarningShown = false;
    QString TerminalModeFormTag;
};

}  // namespace tidepost
