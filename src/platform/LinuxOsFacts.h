#pragma once
#include "platform/IOsFacts.h"

namespace tidepost {

// The running Linux system: the kernel's major and minor release and no suite flags, so nothing
// takes the embedded-edition paths.
class LinuxOsFacts : public IOsFacts {
public:
    OsVersionRecord GetOsVersion() const override;
    QString UserDataLocation() const override;
};

}  // namespace tidepost
