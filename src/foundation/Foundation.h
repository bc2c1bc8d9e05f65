#pragma once
#include "platform/Platform.h"

namespace tidepost {

// The foundation's state: one instance per program run, owned by the application object.
struct Foundation {
    explicit Foundation(Platform& platform) : Os(platform) {}
    Platform& Os;
};

}  // namespace tidepost
