#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// The EGC commands of the shell: the listing "ls EGC.*" (in the store's layout), the EGC log
// "st -e", the fetch "ty EGC.nnn" (options " -b", " -k") and "delete EGC.nnn" (any letter case).
// They come before the inbox's and the uploads' commands, whose "ls " and "delete " take any name.
const QList<SimCommand>& SimEgcCommands();

}  // namespace tidepost::sim
