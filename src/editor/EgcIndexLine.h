#pragma once
#include <QStringView>
#include <optional>

#include "editor/FlexGridModel.h"

namespace tidepost {

// A code of an egc.idx line as the EGC grid reads it: blanks trimmed, the leading number (halves
// rounded to even); 0 without one. A value beyond a 16-bit code gives nothing, shown as unknown.
std::optional<int> ReadEgcCode(QStringView part);

// The EGC grid's row for one egc.idx line: ten cells (disk file name, modem file name, LES,
// service, priority, bits, date and time, size, reference, routing), red for urgent and distress,
// bold while unread. Nothing for a line of fewer than 12 ":"-parts; parts after the 12th are ignored.
std::optional<FlexRow> EgcRowFromIndexLine(QStringView line);

}  // namespace tidepost
