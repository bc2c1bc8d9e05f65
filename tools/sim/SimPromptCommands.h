#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// Commands that ask the operator a question on the next line: "passwd" (the password change:
// the current password, the new one and its confirmation, none of them echoed) and "ro" (the
// configuration menu, answered by a file number).
const QList<SimCommand>& SimPromptCommands();

}  // namespace tidepost::sim
