#pragma once
#include <QList>
#include <QString>

#include "sim/SimShell.h"

namespace tidepost::sim {

// "ls <name>" of an uploaded file in the shell's listing layout, "tx <name> …" and the deletion
// of an uploaded file.
const QList<SimCommand>& SimUploadCommands();
// The reply body of "delete <name>" for a name that is not a received message.
QString DeleteUpload(SimShell& shell, const QString& name);

}  // namespace tidepost::sim
