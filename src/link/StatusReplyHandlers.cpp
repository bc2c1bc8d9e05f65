#include "link/StatusReplyHandlers.h"

#include "foundation/LesLists.h"
#include "link/Link.h"
#include "link/PositionTimeReplies.h"
#include "link/TransceiverIdentity.h"
#include "link/TransceiverStatusReply.h"

namespace tidepost {

namespace {

using Parser = void (*)(Link&, const QString&);

ReplyDispatch::Handler Bind(Link& link, Parser parser) {
    return [&link, parser](const QString& reply) { parser(link, reply); };
}

}  // namespace

void RegisterStatusReplyHandlers(Link& link) {
    ReplyDispatch& d = link.Dispatch;
    d.HandleVersionReply = Bind(link, HandleVersionReply);
    d.HandleTransceiverStatusReply = Bind(link, HandleTransceiverStatusReply);
    d.HandleLinkTestReply = Bind(link, HandleLinkTestReply);
    d.HandleSignalStrengthReply = Bind(link, HandleSignalStrengthReply);
    d.HandleStatusInfoReply = Bind(link, HandleStatusInfoReply);
    d.ParseSoftwareInfo = Bind(link, ParseSoftwareInfo);
    d.HandleGpsStatusReply = Bind(link, HandleGpsStatusReply);
    d.HandleSystemTimeReply = Bind(link, HandleSystemTimeReply);
    d.HandleUtcTextReply = Bind(link, HandleUtcTextReply);
    d.HandlePositionReply = Bind(link, HandlePositionReply);
    d.UpdateLESList = [&link](const QString& reply) { UpdateLESList(link.F, reply); };
}

}  // namespace tidepost
