#pragma once
#include "egc/CEGC.h"
#include "egc/EgcSetup.h"
#include "egc/cENID.h"

namespace tidepost {

struct Foundation;
struct Link;
struct Messages;
class IEgcView;
class IEgcAlarm;

// The EGC area's state: the one CEGC and what it shows and sounds through. One instance per
// program run, owned by the application object.
struct Egc {
    Egc(Foundation& foundation, Link& link, Messages& messages) : F(foundation), L(link), M(messages) {}
    Foundation& F;
    Link& L;
    Messages& M;

    // The EGC view and the alarm of urgent and distress EGCs, registered by the areas that own
    // them; null before that and in tests without them.
    IEgcView* EgcView = nullptr;
    IEgcAlarm* EgcAlarm = nullptr;

    CEGC gEGC{*this};
    // The EGC network IDs as the transceiver last listed them.
    cENID gENID{F};
    // The receiver setup and the ENID list windows.
    EgcSetup Setup{*this};
};

// Fills the EGC slots of the reply dispatch.
void RegisterEgcHandlers(Egc& e);

// Raises the alarm of an urgent or distress EGC. Without the alarm window the headline is queued
// as a message box and "alarm.wav" plays once.
void RaiseEgcAlarm(Egc& e);

// The download has ended when neither a fetch nor a delete of an EGC waits in the queue: the flag
// is cleared and the watchdog stopped. True when it ended.
bool EndEgcDownloadWhenDone(Link& link);
// Ends the download whatever waits.
void EndEgcDownload(Link& link);

}  // namespace tidepost
