#include "reporting/ReportingHandlers.h"

#include "link/Link.h"
#include "reporting/DnidListReply.h"
#include "reporting/MessageReportingForm.h"
#include "reporting/ProgramListReply.h"
#include "reporting/ProgramStatusReply.h"
#include "reporting/Reporting.h"

namespace tidepost {

void RegisterReportingHandlers(Reporting& r) {
    ReplyDispatch& d = r.L.Dispatch;
    d.HandleProgramListReply = [&r](const QString& reply) { HandleProgramListReply(r, reply); };
    d.HandleProgramStatusReply = [&r](const QString& reply) { HandleProgramStatusReply(r, reply); };
    d.HandleDnidListReply = [&r](const QString& reply) { HandleDnidListReply(r, reply); };
    d.HandleMessageReportingReply = [&r](const QString& reply) { HandleMessageReportingReply(r, reply); };
    auto& position = r.L.Windows.PositionForm;
    position.IsVisible = [&r] { return r.PositionForms.isLoaded() && r.PositionForms.loaded()->isVisible(); };
    position.Show = [&r] { ShowReportingWindow(r, r.PositionForms.get()); };
    // A dialog loaded by Show has just filled itself; a later reply refreshes it.
    position.UpdatePosition = [&r] {
        if (PositionForm* form = r.PositionForms.loaded()) form->UpdatePosition();
    };
}

}  // namespace tidepost
