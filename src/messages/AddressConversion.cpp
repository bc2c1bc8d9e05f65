// Turning the address-book names of a group into the addresses the transceiver expects.
#include <QStringList>
#include <array>

#include "messages/AddressBookTable.h"
#include "messages/AddressCodes.h"
#include "messages/CTransmission.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {

constexpr qint16 kInmarsatC = 3;
constexpr qint16 kX25 = 7;
constexpr qint16 kEightBit = 2;

// For X.25 and 8-bit Inmarsat-C an ocean region's telex code 580..584 is written as its data
// network code 1110..1114.
QString DataNetworkCode(const QString& number) {
    static const std::array<std::pair<QLatin1String, QLatin1String>, 5> kCodes = {{
        {QLatin1String("580"), QLatin1String("1110")},
        {QLatin1String("581"), QLatin1String("1111")},
        {QLatin1String("582"), QLatin1String("1112")},
        {QLatin1String("583"), QLatin1String("1113")},
        {QLatin1String("584"), QLatin1String("1114")},
    }};
    QString text = number;
    for (const auto& [from, to] : kCodes)
        if (text.startsWith(from)) text = to + text.mid(from.size());
    return text;
}

// Numbers go to the transceiver without the international "00" or "+" the operator may have typed,
// and with the entry's prefix in front.
QString TransceiverAddress(const AddressEntry& entry) {
    if (!IsPrefixedNumberType(entry.Type)) return entry.Address;
    QString number = entry.Address;
    if (number.startsWith(QLatin1String("00"))) number.remove(0, 2);
    if (number.startsWith(u'+')) number.remove(0, 1);
    if ((entry.Type == kInmarsatC && entry.Format == kEightBit) || entry.Type == kX25) number = DataNetworkCode(number);
    return entry.MemberOrPrefix + number;
}

}  // namespace

bool CTransmission::ConvertAddresses() {
    // A distress message goes to the number its telex cell holds, as it stands.
    if (Priority == kDistressPriority) return true;

    RecipientMatrix addresses = m_message.GetAddressMatrix();
    for (QString& cell : addresses.Cells) {
        if (cell.isEmpty()) continue;
        QStringList items = cell.split(u';');
        for (QString& item : items) {
            if (item.isEmpty()) continue;
            const int found = FindAddressEntry(m_messages, item, false);
            if (found < 0) {
                m_message.SetAddressMatrix(addresses);
                return false;
            }
            item = TransceiverAddress(m_messages.AddressBookEntries.at(found));
        }
        cell = items.join(u';');
    }
    m_message.SetAddressMatrix(addresses);
    return true;
}

}  // namespace tidepost
