#pragma once
#include "foundation/FormHolder.h"
#include "remote/FormsServer.h"
#include "remote/RemotePasswordForm.h"

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

    // The remote password dialog, created on first use.
    FormHolder<RemotePasswordForm> RemotePasswordForms{[this] { return new RemotePasswordForm(*this); }};
    // The local forms server and its request handler.
    FormsServer Forms{F, M};
};

// Gives the message area the decoder and the processor of remote-configuration packets, so that
// both receive paths carry them out.
void RegisterRemoteConfig(Remote& r);

}  // namespace tidepost
