#pragma once
#include <QString>

#include "messages/AddressEntry.h"

namespace tidepost {

struct Messages;

// Look-ups and removal in AddressBookEntries. Names compare without regard to letter case and the
// first match in table order wins; names need not be unique.

// The index of the first entry named `name`; an empty name finds the first free slot. Without a
// match: with addIfMissing the table grows by one free slot and its index is returned, else -1.
int FindAddressEntry(Messages& m, const QString& name, bool addIfMissing);
// Removes the entry FindAddressEntry(name, false) finds; the table keeps at least one (free)
// element. Only the table changes: the caller writes the file.
void DeleteAddressEntry(Messages& m, const QString& name);
// Removes the entry at `index` (nothing when there is none), keeping at least one free element.
void RemoveAddressEntryAt(Messages& m, int index);
// True and the entry's codes when the name is in the table; false and 255, 255 when not.
bool GetEntryTypeAndFormat(Messages& m, const QString& name, TypeAndFormat& out);

}  // namespace tidepost
