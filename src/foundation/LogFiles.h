#pragma once
#include <QDateTime>
#include <QString>

#include "platform/FileError.h"

namespace tidepost {

struct Foundation;

// "yyyy-mm-dd hh:nn:ss" and two blanks: the time part of the general log lines.
QString LogTimeStamp(const QDateTime& time);

// The path of a file in the data folder (name looked up ignoring case); "" without a data folder.
QString DataFilePath(const Foundation& f, const QString& fileName);

// Appends `line` and CR LF in the ANSI code page to a data-folder file, creating it when missing.
FileError AppendLogLine(const Foundation& f, const QString& fileName, const QString& line);

}  // namespace tidepost
