#include "messages/AddressEntry.h"

namespace tidepost {

bool IsStorableAddressText(const QString& text) {
    return !text.contains(u':') && !text.contains(u'\r') && !text.contains(u'\n');
}

bool IsStorableAddressName(const QString& name) { return IsStorableAddressText(name) && !name.contains(u';'); }

bool IsStorableAddressEntry(const AddressEntry& entry) {
    return IsStorableAddressName(entry.Name) && IsStorableAddressText(entry.Address) &&
           IsStorableAddressText(entry.MemberOrPrefix);
}

}  // namespace tidepost
