#pragma once
#include <QString>

namespace tidepost {

// The texts of the priority and presentation codes of a received message or EGC broadcast, as
// the inbox and EGC grids show them (`CEGC.ConvertEGCPriorityNo`, `CEGC.ConvertEGCLanguage`).

// The EGC service code: 0 "General Call", 2 "Group Call", 4 "NAV Warning", … any other "Unknown".
QString ConvertEGCServiceNo(int code);
// 0 "Routine", 1 "Safety", 2 "Urgent", 3 "Distress", any other "Unknown".
QString ConvertEGCPriorityNo(int code);
// 0 "7 Bit IA5", 6 "5 Bit TELEX", 7 "8 Bit Data", any other "Unknown".
QString ConvertEGCLanguage(int code);
// A number of an EGC record: -1, which stands for unknown, gives "Unknown"; any other value its
// decimal text.
QString ConvertEGCData(qint64 value);

}  // namespace tidepost
