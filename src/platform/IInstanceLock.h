#pragma once

namespace tidepost {

// Keeps a second copy of the program from running for the same user: the first copy to claim the
// lock holds it until it ends (or dies), and every later claim is refused meanwhile.
class IInstanceLock {
public:
    virtual ~IInstanceLock() = default;
    // True when this copy may run (it holds the lock now); false when another copy holds it.
    virtual bool Claim() = 0;
};

}  // namespace tidepost
