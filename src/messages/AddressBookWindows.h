#pragma once
#include <QString>

#include "foundation/FormHolder.h"
#include "messages/IAddressBookWindows.h"

namespace tidepost {

struct Messages;
class AddressBookForm;
class AddressCard;
class AddressListForm;

// The address-book windows, each created on first use and let go when it unloads: the address
// card, the address-book dialog and the chooser. As IAddressBookWindows it serves name
// resolution once the application has set it in Messages::AddressBookWindows.
class AddressBookWindowSet : public IAddressBookWindows {
public:
    explicit AddressBookWindowSet(Messages& m);
    ~AddressBookWindowSet() override;

    FormHolder<tidepost::AddressCard> AddressCard;
    FormHolder<tidepost::AddressBookForm> AddressBookForm;
    FormHolder<tidepost::AddressListForm> AddressListForm;

    // IAddressBookWindows
    bool AddressListFormVisible() const override;
    QString ChooseAddress(int nameIndex) override;
    bool AddressCardVisible() const override;
    bool PrefillNewAddressCard(const QString& text) override;

private:
    Messages& m_m;
};

// Fills the address-book dialog and shows it, not modal, for the editor field "TO", "CC" or
// "BCC": the editor is shown, the book is read again from its file and listed in table order,
// and the recipient lists take the names of the editor's To, Cc and Bcc fields.
void ShowAddressBookDialog(Messages& m, const QString& field);

}  // namespace tidepost
