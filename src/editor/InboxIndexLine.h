#pragma once
#include <QStringView>
#include <optional>

#include "editor/FlexGridModel.h"

namespace tidepost {

// The inbox grid's row for one in.idx line: nine cells (disk file name, modem file name, LES,
// priority, bits, date and time, size, reference, routing), red for urgent and distress, bold while
// unread. Nothing for an empty line. A code that is not a number reads "Unknown"; missing fields
// give empty cells, so that no line hides the ones after it.
std::optional<FlexRow> InboxRowFromIndexLine(QStringView line);

// The line with its read flag (the tenth ":"-field) set to "No", every other character kept.
// Nothing when the line has fewer than eleven fields.
std::optional<QString> InboxLineMarkedUnread(QStringView line);

}  // namespace tidepost
