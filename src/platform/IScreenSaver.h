#pragma once

namespace tidepost {

// The desktop's screen saver.
class IScreenSaver {
public:
    virtual ~IScreenSaver() = default;
    // Tells the session that the user is active, which ends a running screen saver. Returns at
    // once without waiting for an answer; does nothing where there is no session to tell.
    virtual void SimulateUserActivity() = 0;
};

}  // namespace tidepost
