#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/AtomicFile.h"  // ReadFileBytes, for the readers of data files

namespace tidepost {

// The lines of a data file's text; CR LF, a lone CR and a lone LF each end a line, and a line end
// at the very end does not start another line ("" gives no lines).
QStringList SplitFileLines(const QString& text);

}  // namespace tidepost
