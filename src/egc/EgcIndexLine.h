#pragma once
#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>

#include "egc/EgcEntries.h"

namespace tidepost {

// egc.idx: one line per stored EGC, eleven fields joined by ":" (the date-and-time field holds a
// ":" of its own, so a plain split gives twelve parts): modem name, LES (three digits, "Unk"
// unknown), service, priority, language, "date time" ("Unknown:" unknown), length, reference,
// routing, read ("No"/"Yes"), disk file name.
inline constexpr int kEgcIndexParts = 12;

// The line of a newly stored EGC, read item "No", without its line end.
QString EgcIndexLineText(const EgcLogEntry& entry, const QString& diskFile);

// A code of an egc.idx line as the EGC grid reads it: blanks trimmed, the leading number (halves
// rounded to even); 0 without one. A value beyond a 16-bit code gives nothing, shown as unknown.
std::optional<int> ReadEgcCode(QStringView part);

// The EGC grid's row for one egc.idx line.
struct EgcGridRow {
    QStringList Cells;  // disk file name, modem file name, LES, service, priority, bits, date and time, size, reference, routing
    bool Urgent = false;  // priority 2 or 3: shown red
    bool Unread = false;  // shown bold
};
// Nothing for a line of fewer than 12 ":"-parts; parts after the 12th are ignored.
std::optional<EgcGridRow> EgcRowFromIndexLine(QStringView line);

}  // namespace tidepost
