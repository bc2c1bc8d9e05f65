#pragma once

namespace tidepost {

struct Platform;

// The desktop's screen saver, as the windows that must stay visible need it.

// Switching the screen saver on or off is left to the desktop here: nothing changes, and the
// answer is true.
bool SetScreenSaverActive(bool active);
// Ends a screen saver that is running now, so that an open message or alarm can be seen; does
// nothing without a desktop session.
void CloseRunningScreenSaver(Platform& os);

}  // namespace tidepost
