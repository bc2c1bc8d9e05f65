#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// The control commands of the shell and what they change: "li <ncs>" logs in to the ocean of a
// coordination station (44, 144, 244, 344), "lo" logs out, "se -o e|p|i|w|n" sets the preferred
// ocean, "cl" clears the protocol, "cfg -t 1|2|4|5" changes the mobile class, and the debug
// commands "db egc sim <n>" and "db msghdl rx <n>"; also the latest-distress query "st -a", the
// mobile number "se -u <number>" and the link test "test".
const QList<SimCommand>& SimActionCommands();

}  // namespace tidepost::sim
