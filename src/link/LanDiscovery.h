#pragma once
#include <QString>

#include "platform/ISlpDiscovery.h"

namespace tidepost {

struct Link;

// The search for TCUs: its result replaces CConfiguration.SlpTcuAddresses on a later tick of
// `Winsock_timer` (TakeTcuDiscoveryAnswers). Starts nothing while a search runs; True when one was
// started.
bool FindTcuAddresses(Link& link);
bool IsFindingTcuAddresses(const Link& link);
// Asks the TCU at the address for its software version, stored in CConfiguration on a later tick
// when it answers.
void ReadTcuSwVersion(Link& link, const QString& address);
// Stores the answers that have arrived and writes the adapter's error lines to the error log,
// except while an outage has been logged already (LinkLan::DiscoveryFailureLogged). Runs on every
// tick of `Winsock_timer`; True when a search ended on this call.
bool TakeTcuDiscoveryAnswers(Link& link);

// The discovery target: the settings store's section "Config", key "SLP Target" ("host:port"),
// else the SLP multicast group on port 427. A malformed value is reported once in the error log
// and the standard target is used.
SlpTarget GetSlpTarget(Link& link);

}  // namespace tidepost
