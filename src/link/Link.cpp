#include "link/Link.h"

#include "link/ILinkWindow.h"
#include "link/ITerminalWindow.h"

namespace tidepost {

bool TerminalVisible(const Link& link) {
    return link.TerminalModeForm != nullptr && link.TerminalModeForm->IsVisible();
}

void UnloadWaitForm(Link& link) {
    if (link.Window != nullptr) link.Window->UnloadWaitForm();
}

}  // namespace tidepost
