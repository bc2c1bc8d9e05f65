#pragma once
#include "platform/IScreenSaver.h"

namespace tidepost::test {

// Counts the requests to end a running screen saver.
class FakeScreenSaver : public IScreenSaver {
public:
    void SimulateUserActivity() override { ++ActivityCount; }
    int ActivityCount = 0;
};

}  // namespace tidepost::test
