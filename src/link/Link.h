#pragma once

#include "foundation/Foundation.h"
#include "link/LinkDialogue.h"
#include "link/LinkLan.h"
#include "link/LinkNotifications.h"
#include "link/LinkPolls.h"
#include "link/LinkRequests.h"
#include "link/LinkTransceiver.h"
#include "link/LinkTransfer.h"
#include "link/LinkWindows.h"
#include "link/ReplyDispatch.h"
#include "platform/IPrinter.h"

namespace tidepost {

// The link's state: one instance per program run, owned by the application object. Each concern
// keeps its state in its own part, under the names the rest of the program knows them by; the
// behaviour lives in the files beside them and takes the link as an argument.
struct Link {
    explicit Link(Foundation& foundation);
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    Foundation& F;

    LinkDialogue Dialogue;
    LinkTransfer Transfer;
    LinkRequests Requests;
    LinkTransceiver Transceiver;
    LinkLan Lan;
    LinkPolls Polls;
    LinkNotifications Notifications{F};
    LinkWindows Windows;
    // The reply rows' handlers: the link's own parsers are registered when it is built, the
    // other areas register theirs.
    ReplyDispatch Dispatch;
    // The PC printer and its settings as last chosen in the print dialog (CommonDialogs.h).
    PrintSetup CurrentPrinter;
};

// The terminal window exists and is shown.
bool TerminalVisible(const Link& link);
// Closes the main window's wait form; nothing without a main window.
void UnloadWaitForm(Link& link);

}  // namespace tidepost
