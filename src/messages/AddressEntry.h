#pragma once
#include <QString>
#include <cstdint>

namespace tidepost {

// One address-book entry. An entry with an empty Name is a free slot: it is never written to the
// file, and the address card fills it before the table grows.
struct AddressEntry {
    QString Name;                // what the operator types in the address fields; the key
    std::int16_t Type = 0;       // destination type code 0..8 (e-mail, telex, fax, InmC, PSTN, SAC, DNID, X.25, SMS)
    std::int16_t Format = 0;     // presentation format code 0..2 (5-bit, 7-bit, 8-bit)
    QString Address;             // the number or address in the destination network, as entered
    QString MemberOrPrefix;      // DNID member number, or the two-digit prefix; empty when none
    friend bool operator==(const AddressEntry&, const AddressEntry&) = default;
};

// The type code and the format code of one entry; 255, 255 when there is none.
struct TypeAndFormat {
    std::uint8_t Type = 255;
    std::uint8_t Format = 255;
};

// address.dat separates its fields by ":" and its entries by line ends, and has no escape: a text
// holding either would read back as different fields or entries. Such a text must not be stored.
bool IsStorableAddressText(const QString& text);
// A name can be stored and sent to: storable, and without ";", which separates the names in the
// address fields and in a message's recipient lists (such a name could never be sent to).
bool IsStorableAddressName(const QString& name);
// Name, address and member or prefix of the entry are all storable.
bool IsStorableAddressEntry(const AddressEntry& entry);

}  // namespace tidepost
