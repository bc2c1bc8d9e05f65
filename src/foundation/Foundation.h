#pragma once
#include "foundation/CConfiguration.h"
#include "foundation/MlStrings.h"
#include "platform/Platform.h"

namespace tidepost {

// The foundation's state: one instance per program run, owned by the application object.
// Members keep the names the rest of the program knows them by.
struct Foundation {
    explicit Foundation(Platform& platform) : Os(platform) {}
    Platform& Os;

    QString gProductName = "Tidepost";
    MlStrings Strings;
    CConfiguration gConfiguration;
};

}  // namespace tidepost
