#pragma once

#include "remote/FormsServer.h"

namespace tidepost {

struct Foundation;
struct Link;
struct Messages;

// The remote area's state: configuration by packets in received messages and the local forms
// server. One instance per program run, owned by the application object.
struct Remote {
    Remote(Foundation& foundation, Link& link, Messages& messages);
    Remote(const Remote&) = delete;
    Remote& operator=(const Remote&) = delete;

    Foundation& F;
    Link& L;
    Messages& M;

    // The local forms server and its request handler.
    FormsServer Forms{F, M};
};

}  // namespace tidepost
