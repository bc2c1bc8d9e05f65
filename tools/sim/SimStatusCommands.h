#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// The identity, status, position, clock, GPS, link-test and signal queries of the shell:
// "st -v", "st -i", "ver", "st -w", "st -s", "ru -g", "ti -u", "ti u", "se -p", "st -m", "nc -s", and the LES listing "st -n" and "status -n".
const QList<SimCommand>& SimStatusCommands();

}  // namespace tidepost::sim
