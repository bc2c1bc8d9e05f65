#pragma once
#include <QString>

#include "link/TcuDiscovery.h"

namespace tidepost {

// The LAN link to the terminal control unit (LanLink.h, LanDiscovery.h): the bring-up state
// 0..7, ticks spent in it, the text of its latest read, ticks since the latest discovery, and
// ticks the TCU indicator stays green after a TCU or transceiver prompt on the serial link.
struct LinkLan {
    quint8 LanLinkState = 0;
    qint32 LanRetryCount = 0;
    QString LanReceiveBuffer;
    qint16 SlpRetryTicks = 0;
    qint32 TcuIndicatorCountdown = 0;
    // The TCU indicator was last painted green: the serial link's timer ticks until it is red.
    bool TcuIndicatorGreen = false;
    // Discovery and version questions whose answers are on their way.
    TcuDiscovery SlpSearches;
    // A search has found no unit: until one finds a unit again, the searches that follow write
    // nothing more to the error log, so an outage leaves one line, not one every few seconds.
    bool DiscoveryFailureLogged = false;
};

}  // namespace tidepost
