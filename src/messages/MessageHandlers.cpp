#include "messages/MessageHandlers.h"

#include "link/Link.h"
#include "messages/InboxFetch.h"
#include "messages/Messages.h"

namespace tidepost {

void RegisterMessageHandlers(Messages& m) {
    ReplyDispatch& d = m.L.Dispatch;
    d.HandleInboxListing = [&m](const QString& reply) { HandleInboxListing(m, reply); };
    d.HandleInboxLog = [&m](const QString& reply) { HandleInboxLog(m, reply); };
}

}  // namespace tidepost
