#include "reporting/ReportingHandlers.h"

#include "link/Link.h"
#include "reporting/DnidListReply.h"
#include "reporting/ProgramListReply.h"
#include "reporting/ProgramStatusReply.h"
#include "reporting/Reporting.h"

namespace tidepost {

void RegisterReportingHandlers(Reporting& r) {
    ReplyDispatch& d = r.L.Dispatch;
    d.HandleProgramListReply = [&r](const QString& reply) { HandleProgramListReply(r, reply); };
    d.HandleProgramStatusReply = [&r](const QString& reply) { HandleProgramStatusReply(r, reply); };
    d.HandleDnidListReply = [&r](const QString& reply) { HandleDnidListReply(r, reply); };
}

}  // namespace tidepost
