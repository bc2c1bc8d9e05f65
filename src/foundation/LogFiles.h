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

// The size past which an append-only log keeps only its newest half.
inline constexpr qint64 kMaxLogBytes = 4 * 1024 * 1024;

// Appends `text` as it stands (ANSI code page) to an append-only log of the data folder, creating
// it when missing. A log that has grown past kMaxLogBytes is then rewritten atomically with its
// newest half, from the first line that starts there, so no log grows without end and every line
// kept is whole. Every append-only log writes through here.
FileError AppendToLog(const Foundation& f, const QString& fileName, const QString& text);

// Appends `line` and CR LF to a log of the data folder (AppendToLog).
FileError AppendLogLine(const Foundation& f, const QString& fileName, const QString& line);

}  // namespace tidepost
