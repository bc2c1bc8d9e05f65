#pragma once
#include <QString>
#include <functional>

#include "platform/FileError.h"

namespace tidepost {

// What claiming the single-copy lock found.
struct InstanceClaim {
    enum Outcome {
        Claimed,        // this copy holds the lock and may run
        HeldByAnother,  // another copy runs
        Failed,         // the lock could not be made: whether another copy runs is unknown
    };
    Outcome outcome = Claimed;
    FileError error;  // Failed: why
    QString path;     // the lock file tried
};

// Keeps a second copy of the program from running for the same user: the first copy to claim the
// lock holds it until it ends (or dies), and every later claim is refused meanwhile.
class IInstanceLock {
public:
    virtual ~IInstanceLock() = default;
    // `fallbackFolder` names the folder for the lock when the system gives no usable one; it is
    // asked only then.
    virtual InstanceClaim Claim(const std::function<QString()>& fallbackFolder) = 0;
};

}  // namespace tidepost
