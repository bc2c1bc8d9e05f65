#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// The EGC receiver's settings: "se" (one line per option), "se -x", "se -sn", the setting forms
// "se -e n", "se -a n", "se -w n", "se -n n", "se -sn a,b,c,d", "se -x letters", "se -y letters",
// the fixed positions "fx" and "fx <positions>", and the ENID list "st -g", "st -g e<n>",
// "st -g d<n>".
const QList<SimCommand>& SimEgcSetupCommands();

}  // namespace tidepost::sim
