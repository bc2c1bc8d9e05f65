#pragma once
#include <QString>

namespace tidepost {

struct Foundation;

// How many times each received message (kind 2) or EGC broadcast (kind 1) arrived shorter than
// listed, so that its fetch is repeated only a limited number of times. Kept across runs in the
// settings store, section "Messages", as ";number,count" entries ("InMsgRxErrors",
// "EgcRxErrors"). Every number from 0 up has its own entry; a negative number has none.
inline constexpr quint8 kRxErrorKindEgc = 1;
inline constexpr quint8 kRxErrorKindMessage = 2;

// The list of the kind; "" for any other kind.
QString ReadRxErrorList(Foundation& f, quint8 kind);
// Stores the list; False, storing nothing, for any other kind.
bool WriteRxErrorList(Foundation& f, quint8 kind, const QString& list);
// The count of the number; 0 without an entry, for a negative number, or for a count that is not a
// number. A count above 255 reads as 255.
quint8 GetRxErrorCount(Foundation& f, quint8 kind, qint16 number);
// Adds one to the count, creating the entry with 1; the result of WriteRxErrorList. False, storing
// nothing, for a negative number.
bool IncRxErrorCount(Foundation& f, quint8 kind, qint16 number);
// Removes the entry (the list is written even when there was none); the result of
// WriteRxErrorList. False, storing nothing, for a negative number.
bool RemoveRxErrorCount(Foundation& f, quint8 kind, qint16 number);

}  // namespace tidepost
