// Cutting the recipients of a message into groups that can each share one submission.
#include <QList>
#include <QStringList>
#include <optional>

#include "foundation/UsefullRoutines.h"
#include "messages/AddressBookTable.h"
#include "messages/AddressCodes.h"
#include "messages/CTransmission.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {

constexpr quint8 kTelex = 1;
constexpr quint8 kSevenBit = 1;
constexpr quint8 kTo = 0;
constexpr quint8 kSac = 5;
constexpr quint8 kDnid = 6;
constexpr quint8 kX25 = 7;
constexpr quint8 kSms = 8;

QString DnidAndMember(const AddressEntry& entry) { return entry.Address + u',' + entry.MemberOrPrefix; }

// Whether a name found in a cell of `type` joins the group `opener` opened in that type. One "tx"
// carries one extension, so a special access code or a DNID and member joins only the group of
// its own code; an X.25 name joins only the group of its own prefix. An SMS carries one number:
// each is sent alone.
bool JoinsGroup(quint8 type, const AddressEntry& entry, const AddressEntry& opener) {
    switch (type) {
    case kSac: return entry.Address == opener.Address;
    case kDnid: return DnidAndMember(entry) == DnidAndMember(opener);
    case kX25: return entry.MemberOrPrefix == opener.MemberOrPrefix;
    case kSms: return false;
    default: return true;
    }
}

// A cell without the names taken from it: the remaining items joined by ";", each ";;" then made
// one ";" in a single pass. Separators left by empty items may stay; readers skip empty items.
QString RemainingItems(const QStringList& items, const QList<bool>& taken) {
    QStringList rest;
    for (qsizetype i = 0; i < items.size(); ++i)
        if (!taken.at(i)) rest << items.at(i);
    return rest.join(u';').replace(QStringLiteral(";;"), QStringLiteral(";"));
}

struct Join {
    quint8 Type;
    quint8 Format;
    quint8 List;
    QString Name;
};

}  // namespace

RecipientMatrix CTransmission::SortDistressRecipients(const RecipientMatrix& names) {
    m_currentGroup = {kTelex, kSevenBit};
    m_service = 0;
    m_message.AppendAddressCell(GetField(1, QStringLiteral(";"), names.Cell(kTelex, kSevenBit, kTo)), kTelex,
                                kSevenBit, kTo);
    m_addressesFound = true;
    m_status += 4;
    return names;
}

RecipientMatrix CTransmission::SortRecipients(const RecipientMatrix& names) {
    if (Priority == kDistressPriority) return SortDistressRecipients(names);

    // The whole scan runs before anything is stored, so that a name the book does not hold leaves
    // the transmission as it was.
    RecipientMatrix rest = names;
    std::optional<AddressEntry> opener;
    quint8 groupType = 0;
    quint8 groupFormat = 0;
    QList<Join> joins;

    // Once a group is open the scan ends before the next format or type; the three lists of the
    // group's format are always scanned to the end.
    for (quint8 type = 0; type < RecipientMatrix::kTypes && !opener; ++type) {
        for (quint8 format = 0; format < RecipientMatrix::kFormats && !opener; ++format) {
            for (quint8 list = 0; list < RecipientMatrix::kLists; ++list) {
                const QString& cell = names.Cell(type, format, list);
                if (cell.isEmpty()) continue;
                const QStringList items = cell.split(u';');
                QList<bool> taken(items.size(), false);
                for (qsizetype i = 0; i < items.size(); ++i) {
                    const QString& name = items.at(i);
                    if (name.isEmpty()) continue;
                    const int found = FindAddressEntry(m_messages, name, false);
                    if (found < 0) return RecipientMatrix{};
                    const AddressEntry& entry = m_messages.AddressBookEntries.at(found);
                    // The opener is always in its group, so every group takes at least one name
                    // and repeated calls come to an end.
                    if (!opener) {
                        opener = entry;
                        groupType = type;
                        groupFormat = format;
                    } else if (!JoinsGroup(type, entry, *opener)) {
                        continue;
                    }
                    taken[i] = true;
                    joins.append({type, format, list, name});
                }
                if (taken.contains(true)) rest.Cell(type, format, list) = RemainingItems(items, taken);
            }
        }
    }

    if (!opener) {
        m_addressesFound = false;
        return rest;
    }
    SetPresentation(groupFormat);
    SetDestination(groupType, opener->Address, opener->MemberOrPrefix);
    m_currentGroup = {groupType, groupFormat};
    // A two-digit prefix in front of a number asks for the service code 1.
    m_service = opener->MemberOrPrefix.size() == 2 && IsPrefixedNumberType(groupType) ? 1 : 0;
    for (const Join& join : joins) m_message.AppendAddressCell(join.Name, join.Type, join.Format, join.List);
    m_addressesFound = true;
    m_status += 4;
    return rest;
}

}  // namespace tidepost
