#pragma once
#include <QString>

namespace tidepost {

// The address-book windows that name resolution opens: the chooser of one among several matching
// entries, and the address card for a new entry. Implemented by AddressBookWindowSet
// (AddressBookWindows.h), which the application sets in Messages::AddressBookWindows; while none
// is set, resolution opens neither and leaves such names as typed.
class IAddressBookWindows {
public:
    virtual ~IAddressBookWindows() = default;

    // The chooser is shown.
    virtual bool AddressListFormVisible() const = 0;
    // Shows the chooser over the main window, modal, for the text ResolveNames[nameIndex] with the
    // matches of LastSearchResult, waits until it is hidden or closed, and unloads it. Returns the
    // selected name, "" when none was selected.
    virtual QString ChooseAddress(int nameIndex) = 0;

    // The address card is shown.
    virtual bool AddressCardVisible() const = 0;
    // Opens the card for a new entry pre-filled with `text` and returns without waiting for it;
    // true when the field that received the text still holds exactly that text.
    virtual bool PrefillNewAddressCard(const QString& text) = 0;
};

}  // namespace tidepost
