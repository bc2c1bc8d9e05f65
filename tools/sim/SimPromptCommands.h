#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// Commands that ask the operator a question on the next line: "passwd" (the password change:
// the current password, the new one and its confirmation, none of them echoed) and "ro" (the
// configuration menu with the routing of each class of received traffic, answered by a file
// number) and "ro <class> <mask>", which sets one class's routing.
const QList<SimCommand>& SimPromptCommands();

}  // namespace tidepost::sim
