#pragma once
#include "platform/QtSerialControl.h"
#include "support/PtyPair.h"
#include "support/TestPlatform.h"

namespace tidepost::test {

// The real serial adapter as the platform's serial link: port 1, named in the settings store to
// the program's side of the pseudo-terminal, at the usual line settings; not yet open.
struct SerialPortOnPty {
    SerialPortOnPty(TestPlatform& platform, const PtyPair& pty) : Serial(platform.Settings, "Tidepost") {
        platform.Settings.Save("Tidepost", "Config", "COM1 Device", pty.SlavePath());
        platform.Os.Serial = &Serial;
        Serial.SetCommPort(1);
        Serial.SetSettings("115200,n,8,1");
    }
    QtSerialControl Serial;
};

}  // namespace tidepost::test
