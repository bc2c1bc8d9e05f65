#pragma once
#include <QString>
#include <QStringList>
#include <cstdint>

#include "messages/RecipientMatrix.h"

namespace tidepost {

struct Messages;

// What a search or a field resolution found: the matching entry names, or the field's names.
struct AddressSearchResult {
    bool Found = false;
    QStringList Names;
    friend bool operator==(const AddressSearchResult&, const AddressSearchResult&) = default;
};

// The entries a typed text stands for. A name equal to the text (letter case ignored) is the only
// result; otherwise every entry whose name or address contains the text, in table order. Without a
// match Found is false and Names holds one empty name.
AddressSearchResult SearchAddressBook(Messages& m, const QString& text);

// Resolves the names of an address field against the address book, as when the field loses the
// focus: a name with one match becomes that entry's name, one with several is settled in the
// chooser, and an unknown one is offered as a new entry in the address card (allowAdd) after a
// notice. Found is false when a name matched nothing. Names are the field's names afterwards
// (empty ones included); an empty field gives no names.
AddressSearchResult ResolveAddressField(Messages& m, const QString& fieldText, const QString& separator,
                                        bool allowAdd);

// The field split at every separator, items not trimmed; two empty items for a blank field.
QStringList SplitAddressField(const QString& text, const QString& separator);

// Adds the names of one field to the cells of their entries' type and format in `list` (0 To,
// 1 Cc, 2 Bcc); empty names are skipped. False at the first name the book does not hold (the cells
// filled so far keep their names). A distress message goes to the telex number 00000 only: the
// 7-bit telex To cell becomes "00000;" whatever the names.
bool NamesToRecipientMatrix(Messages& m, const QStringList& names, RecipientMatrix& matrix, std::uint8_t list);

}  // namespace tidepost
