#pragma once
#include "platform/IScreenSaver.h"

namespace tidepost {

// The session's org.freedesktop.ScreenSaver service on the session bus.
class DBusScreenSaver : public IScreenSaver {
public:
    void SimulateUserActivity() override;
};

}  // namespace tidepost
