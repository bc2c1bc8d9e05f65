#pragma once
#include "platform/IOsFacts.h"

namespace tidepost::test {

// Reports whatever version record the test sets; by default one that takes no special path.
class FakeOsFacts : public IOsFacts {
public:
    OsVersionRecord GetOsVersion() const override { return Version; }
    QString UserDataLocation() const override { return UserData; }
    // The embedded edition whose settings store is redirected into the settings file.
    void SetEmbeddedEdition() { Version = {5, 1, 64, true}; }
    OsVersionRecord Version{6, 1, 0};
    // None by default, so no test writes below the real user's home.
    QString UserData;
};

}  // namespace tidepost::test
