#include "link/Link.h"

#include "link/CInfo.h"
#include "link/ILinkWindow.h"
#include "link/ITerminalWindow.h"
#include "link/StatusReplyHandlers.h"
#include "link/UploadStreaming.h"

namespace tidepost {

Link::Link(Foundation& foundation) : F(foundation) {
    RegisterInfoChecks(*this);
    RegisterStatusReplyHandlers(*this);
    RegisterUploadStreaming(*this);
}

bool TerminalVisible(const Link& link) {
    return link.Windows.TerminalModeForm != nullptr && link.Windows.TerminalModeForm->IsVisible();
}

void UnloadWaitForm(Link& link) {
    if (link.Windows.Window != nullptr) link.Windows.Window->UnloadWaitForm();
}

}  // namespace tidepost
