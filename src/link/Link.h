#pragma once
#include <QString>

#include "foundation/Foundation.h"
#include "link/ITransceiverStatusCaption.h"

namespace tidepost {

// The state of the one conversation with the transceiver's shell: one instance per program run,
// owned by the application object. Members keep the names the rest of the program knows them by.
struct Link {
    explicit Link(Foundation& foundation) : F(foundation) {}
    Foundation& F;

    // Outgoing command lines, each ending in LF (normally CR LF). Kept as one text on purpose:
    // several writers insert raw text, and "is it queued" is a substring test.
    QString CommandQueue;
    bool CommandQueueBusy = false;
    // The user has confirmed the exit while a download may run: only download commands pass.
    bool ClosingDown = false;
    // The transceiver status window once it exists; null before that and in tests without one.
    ITransceiverStatusCaption* TransceiverStatusWindow = nullptr;
};

}  // namespace tidepost
