#include "link/DownloadWatchdogs.h"

#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/TickGuard.h"

namespace tidepost {

void EGCTimer_Timer(Link& link) {
    RunGuarded(link.F, "MainForm.EGCTimer_Timer", [&] {
        link.F.gSession.SetProcessingEgcs(false);
        if (link.Windows.Window) link.Windows.Window->SetEGCTimerEnabled(false);
    });
}

void MessageTimer_Timer(Link& link) {
    RunGuarded(link.F, "MainForm.MessageTimer_Timer", [&] {
        link.F.gSession.SetProcessingMsgs(false);
        if (link.Windows.Window) link.Windows.Window->SetMessageTimerEnabled(false);
    });
}

}  // namespace tidepost
