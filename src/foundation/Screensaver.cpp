#include "foundation/Screensaver.h"

#include "platform/IScreenSaver.h"
#include "platform/Platform.h"

namespace tidepost {

bool SetScreenSaverActive(bool) { return true; }

void CloseRunningScreenSaver(Platform& os) {
    if (os.ScreenSaver != nullptr) os.ScreenSaver->SimulateUserActivity();
    SetScreenSaverActive(true);
}

}  // namespace tidepost
