#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

#include "platform/FileError.h"

namespace tidepost {

// The whole file at `path`; on failure the classic error and whatever could not be read is empty.
FileError ReadFileBytes(const QString& path, QByteArray& bytes);

// The lines of a data file's text; CR LF, a lone CR and a lone LF each end a line, and a line end
// at the very end does not start another line ("" gives no lines).
QStringList SplitFileLines(const QString& text);

}  // namespace tidepost
