#pragma once
#include "platform/IInstanceLock.h"

namespace tidepost::test {

// Another copy of the program runs while OtherCopyRunning is set; a claim fails with FailWith when
// that holds an error. Counts the claims; RuntimeFolderUsable false asks for the fallback folder.
class FakeInstanceLock : public IInstanceLock {
public:
    InstanceClaim Claim(const std::function<QString()>& fallbackFolder) override {
        ++Claims;
        if (!RuntimeFolderUsable && fallbackFolder) FallbackFolder = fallbackFolder();
        if (FailWith) return {InstanceClaim::Failed, FailWith, FailedPath};
        return {OtherCopyRunning ? InstanceClaim::HeldByAnother : InstanceClaim::Claimed, {}, {}};
    }
    bool OtherCopyRunning = false;
    bool RuntimeFolderUsable = true;
    FileError FailWith;
    QString FailedPath;
    QString FallbackFolder;
    int Claims = 0;
};

}  // namespace tidepost::test
