#include "egc/Egc.h"

#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "messages/IEgcAlarm.h"

namespace tidepost {

void RegisterEgcHandlers(Egc& e) {
    auto& d = e.L.Dispatch.CEGC;
    CEGC& egc = e.gEGC;
    d.DecodeEGCs = [&egc](const QString& reply) { return egc.DecodeEGCs(reply); };
    d.UpdateEgcLog = [&egc] { return egc.UpdateEgcLog(); };
    d.DecodeEgcLog = [&egc](const QString& reply) { egc.DecodeEgcLog(reply); };
    d.RepairEgcLog = [&egc] { egc.RepairEgcLog(); };
    d.HandleEGCLog = [&egc](const QString& reply) { egc.HandleEGCLog(reply); };
    d.Transfer = [&egc](const QString& reply) { egc.Transfer(reply); };
    RegisterEgcSetupHandlers(e);
}

void RaiseEgcAlarm(Egc& e) {
    if (e.EgcAlarm) e.EgcAlarm->RaiseEgcAlarm();
}

void EndEgcDownload(Link& link) {
    link.F.gSession.SetProcessingEgcs(false);
    if (link.Windows.Window) link.Windows.Window->SetEGCTimerEnabled(false);
}

bool EndEgcDownloadWhenDone(Link& link) {
    if (IsCommandQueued(link, QStringLiteral("ty EGC.")) || IsCommandQueued(link, QStringLiteral("delete EGC.")))
        return false;
    EndEgcDownload(link);
    return true;
}

}  // namespace tidepost
