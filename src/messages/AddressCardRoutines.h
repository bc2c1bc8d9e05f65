#pragma once
#include <QString>

namespace tidepost {

struct Messages;

// The address book's routines of the address card (AddressCard.h): they open it, lay it out for
// a destination type, remember what was typed for each type in CardTypeValues, and save it to
// AddressBookEntries. Each works on the one card, loading it when it is not loaded.

// How the card looks for one destination type.
struct CardTypeLayout {
    int LabelId;            // the label in front of the number field
    const char* Label;      // its English text
    const char* Preset;     // what the number field holds first
    bool EightBit;          // the 8-bit option is shown
    int NumberWidthTwips;   // width of the number field
    bool Member;            // the DNID member number and its label are shown
    bool Prefix;            // the prefix check box and the prefix field are shown
};
// The layout of a type 0..8; null for any other value.
const CardTypeLayout* CardLayoutForType(int type);

// Empties the remembered values of the type: 7-bit (telex 5-bit), no number (Inmarsat-C "58").
void ResetCardTypeValues(Messages& m, int type);
// Applies the layout of the type; any other value changes nothing.
void SetUpCardForType(Messages& m, int type);
// Shows the remembered values of the type (its name too with setName).
void ShowCardTypeValues(Messages& m, int type, bool setName);
// Remembers the card's fields as the values of the type.
void StoreCardTypeValues(Messages& m, int type);
// Copies the card into AddressBookEntries: a new entry into the first free slot (the table grows
// when there is none), a change into the entry the card was opened for. Returns the entry's index.
int SaveCardToBook(Messages& m, bool isNew);
// The index of the entry a card opened for a change stands for: the one it was opened for, found
// again by its content should the table have changed meanwhile; -1 when it is gone.
int CardEntryIndex(Messages& m);

// Opens the card empty for a new entry, without waiting for it (the dialog's New).
void ShowNewAddressCard(Messages& m);
// Opens the card for a new entry with `text` as its e-mail address (when it holds "@") or as its
// name, which the operator then cannot change. True when that field holds exactly `text`; a text
// the field may not hold is left out, and a name is then left to the operator.
bool PrefillNewAddressCard(Messages& m, const QString& text);
// Opens the card for the entry at `index` of the table, without waiting for it; `alias` is the
// name it is opened by.
void ShowAddressCardForEntry(Messages& m, int index, const QString& alias);

}  // namespace tidepost
