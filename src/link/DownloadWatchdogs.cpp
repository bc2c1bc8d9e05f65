#include "link/DownloadWatchdogs.h"

#include "link/ILinkWindow.h"
#include "link/Link.h"

namespace tidepost {

void EGCTimer_Timer(Link& link) {
    link.F.gSession.SetProcessingEgcs(false);
    if (link.Window) link.Window->SetEGCTimerEnabled(false);
}

void MessageTimer_Timer(Link& link) {
    link.F.gSession.SetProcessingMsgs(false);
    if (link.Window) link.Window->SetMessageTimerEnabled(false);
}

}  // namespace tidepost
