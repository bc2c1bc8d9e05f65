#pragma once
#include "platform/IOsFacts.h"

namespace tidepost::test {

// Reports whatever version record the test sets; by default one that takes no special path.
class FakeOsFacts : public IOsFacts {
public:
    OsVersionRecord GetOsVersion() const override { return Version; }
    // The embedded edition whose settings store is redirected into the settings file.
    void SetEmbeddedEdition() { Version = {5, 1, 64}; }
    OsVersionRecord Version{6, 1, 0};
};

}  // namespace tidepost::test
