#include "messages/AddressBookTable.h"

#include "messages/Messages.h"

namespace tidepost {

int FindAddressEntry(Messages& m, const QString& name, bool addIfMissing) {
    QList<AddressEntry>& table = m.AddressBookEntries;
    if (const int found = m.AddressNames.Find(table, name); found >= 0) return found;
    if (!addIfMissing) return -1;
    table.append(AddressEntry{});
    return static_cast<int>(table.size() - 1);
}

void DeleteAddressEntry(Messages& m, const QString& name) { RemoveAddressEntryAt(m, FindAddressEntry(m, name, false)); }

void RemoveAddressEntryAt(Messages& m, int index) {
    QList<AddressEntry>& table = m.AddressBookEntries;
    if (index < 0 || index >= table.size()) return;
    table.removeAt(index);
    m.AddressNames.Changed();
    if (table.isEmpty()) table.append(AddressEntry{});
}

bool GetEntryTypeAndFormat(Messages& m, const QString& name, TypeAndFormat& out) {
    const int i = FindAddressEntry(m, name, false);
    if (i < 0) {
        out = TypeAndFormat{};
        return false;
    }
    const AddressEntry& e = m.AddressBookEntries.at(i);
    out.Type = static_cast<std::uint8_t>(e.Type);
    out.Format = static_cast<std::uint8_t>(e.Format);
    return true;
}

}  // namespace tidepost
