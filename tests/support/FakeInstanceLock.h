#pragma once
#include "platform/IInstanceLock.h"

namespace tidepost::test {

// Another copy of the program runs while OtherCopyRunning is set; counts the claims.
class FakeInstanceLock : public IInstanceLock {
public:
    bool Claim() override {
        ++Claims;
        return !OtherCopyRunning;
    }
    bool OtherCopyRunning = false;
    int Claims = 0;
};

}  // namespace tidepost::test
