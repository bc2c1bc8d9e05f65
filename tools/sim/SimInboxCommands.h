#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// The inbox commands of the shell: the listing "ls IN.*" (in the store's layout), the message log
// "st -r", the fetch "ty IN.nnn" (options " -b", " -k") and "delete IN.nnn" (any letter case).
const QList<SimCommand>& SimInboxCommands();

}  // namespace tidepost::sim
