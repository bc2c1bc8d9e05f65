#pragma once
#include <QList>
#include <QString>
#include <optional>

#include "sim/SimShell.h"

namespace tidepost::sim {

// "ls <name>" of an uploaded file in the shell's listing layout, "tx <name> …" and the deletion
// of an uploaded file.
const QList<SimCommand>& SimUploadCommands();
// The reply body of "delete <name>" for a name that is not a received message.
QString DeleteUpload(SimShell& shell, const QString& name);

// An upload command "tr <name> -b <n>": the shell echoes it, takes the next n bytes as the file,
// whatever they are, then answers with its prompt.
struct UploadCommand {
    QString Name;
    qsizetype Size = 0;
};
// The upload a line asks for; nothing for a line that is no well-formed upload command.
std::optional<UploadCommand> ParseUploadCommand(const QString& line);

}  // namespace tidepost::sim
