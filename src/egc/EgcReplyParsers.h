#pragma once
#include <QList>
#include <QString>

#include "egc/EgcEntries.h"

namespace tidepost {

struct Foundation;

// The "ls EGC.*" reply in either of the shell's listing layouts, in listing order, then sorted by
// date, time and number (a stable sort). A data line whose size or date cannot be read is skipped
// with a line in "ErrorLog.txt": the EGC stays on the transceiver and one bad line blocks no other.
// Empty when the reply lists no EGC.
QList<EgcFileEntry> ParseEgcListing(Foundation& f, const QString& reply);

// The "st -e" reply: one record per line of exactly twelve blank-separated columns whose twelfth
// begins with "EGC.", after the echo "st -e" and `echoEnd` (letter case ignored); lines end with
// `echoEnd`, and the text after the last one (the prompt) is no line. A record whose number column
// is no number is skipped with a line in "ErrorLog.txt". Empty without the echo.
QList<EgcLogEntry> ParseEgcLog(Foundation& f, const QString& reply, const QString& echoEnd);

// "yy-mm-dd" widened with the pivot 70 (70 and later: 19yy); other texts unchanged.
QString WidenEgcYear(const QString& date);

// "EGC." and three digits: the only names a fetch or a delete is built from.
bool IsEgcFileName(const QString& name);

}  // namespace tidepost
