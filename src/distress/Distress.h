#pragma once
#include <functional>

#include "distress/AlarmWindows.h"
#include "distress/DistressModeForm.h"
#include "distress/LatestDistress.h"
#include "foundation/FormHolder.h"

namespace tidepost {

struct Foundation;
struct Link;
struct Messages;

// The distress area's state: the alarm windows of urgency and distress traffic, the distress
// buttons test mode and the latest distress window. One instance per program run, owned by the
// application object; RegisterDistressHandlers hands its parts to the link and the message store.
struct Distress {
    Distress(Foundation& foundation, Link& link, Messages& messages);
    Distress(const Distress&) = delete;
    Distress& operator=(const Distress&) = delete;

    Foundation& F;
    Link& L;
    Messages& M;

    // The main window's inbox and EGC views, which a confirmed alarm opens; set by the
    // application while the main window exists, empty before and after.
    OpenView InboxButtonClick;
    OpenView EGCButtonClick;
    // A failed alarm sound has been written to the error log in this run.
    bool SoundFailureLogged = false;

    DistressMessageAlarm DistressMessageForm{F, SoundFailureLogged, InboxButtonClick};
    EgcDistressAlarm EGC_DistressMsgForm{F, SoundFailureLogged, EGCButtonClick};
    DistressModeWindow DistressModeForm{F, L};
    FormHolder<LatestDistressForm> LatestDistressForms;
};

// Registers the distress area with the link (the "se -q" and "st -a" rows, the test window, the
// test-mode flag) and the alarm window with the message store.
void RegisterDistressHandlers(Distress& d);

// `HandleLatestDistressReply`: fills the latest distress window from an "st -a" reply, closes the
// busy window and shows it.
void HandleLatestDistressReply(Distress& d, const QString& reply);

}  // namespace tidepost
