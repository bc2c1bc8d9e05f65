#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// Appends text to a log of the data folder (created when missing), in the ANSI code page, with
// CR LF after it when withLineEnd is True; the log keeps its newest half past its size limit
// (LogFiles.h). Silent: a failure is dropped, nothing is reported.
void AppendToLogFile(const Foundation& f, const QString& text, const QString& fileName, bool withLineEnd);

// The link's error line in "ErrorLog.txt": the date and time in the system's general date form,
// " Error ", the number, ": " and the description.
void AppendLinkErrorLine(const Foundation& f, int number, const QString& description);

}  // namespace tidepost
