#pragma once
#include <QString>

namespace tidepost {

// What the connected transceiver told or was told beyond the session; forgotten when the link is
// lost (LinkLoss.h).
struct LinkTransceiver {
    // The UTC date and time text last read from "ti u".
    QString UtcTimeText;
    QString TransceiverSerialNumber;
    bool MesPrinterConfigured = false;
    qint16 DistressTestModeActive = 0;
    // The main window's menus are being brought up to date for another transceiver.
    bool MenuUpdateBusy = false;
};

}  // namespace tidepost
