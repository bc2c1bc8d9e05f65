#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// "se -g": the distress alert generator's settings, a block from "Parameters for Distress" to the
// speed in knots; each value stands 20 characters after the start of its label.
const QList<SimCommand>& SimDistressCommands();

}  // namespace tidepost::sim
