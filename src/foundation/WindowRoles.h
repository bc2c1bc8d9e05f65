#pragma once

namespace tidepost {

// Qt announces a top-level window built on a plain QWidget as a "filler"; from the call on, each
// such window of the program is announced as a window with its title, as dialogs already are.
// Calling it again changes nothing.
void InstallWindowRoles();

}  // namespace tidepost
