#include "messages/CMessage.h"

#include <QStringList>

#include "foundation/Definitions.h"
#include "foundation/RuntimeError.h"
#include "foundation/UsefullRoutines.h"

namespace tidepost {

namespace {

constexpr quint8 kLastType = RecipientMatrix::kTypes - 1;
constexpr quint8 kLastFormat = RecipientMatrix::kFormats - 1;
constexpr quint8 kLastList = RecipientMatrix::kLists - 1;
constexpr quint8 kTo = 0;
constexpr quint8 kCc = 1;
constexpr quint8 kBcc = 2;

void RequireCell(quint8 type, quint8 format, quint8 list) {
    if (!RecipientMatrix::InRange(type, format, list))
        throw RuntimeError(kErrSubscriptOutOfRange, QStringLiteral("CMessage"), QStringLiteral("Subscript out of range"));
}

QString CommaSeparated(const QString& cell) {
    QString text = cell;
    return text.replace(u';', u',');
}

}  // namespace

QString CMessage::GetAddressCell(quint8 type, quint8 format, quint8 list) const {
    RequireCell(type, format, list);
    return m_addresses.Cell(type, format, list);
}

bool CMessage::AppendAddressCell(const QString& address, quint8 type, quint8 format, quint8 list) {
    if (type > kLastType || format > kLastFormat || list > kLastList) return false;
    if (address.isEmpty()) return true;
    QString& cell = m_addresses.Cell(type, format, list);
    if (!cell.isEmpty()) cell += u';';
    cell += address;
    return true;
}

bool CMessage::SetAddressCell(const QString& text, quint8 type, quint8 format, quint8 list) {
    if (type > kLastType || format > kLastFormat) return false;
    RequireCell(type, format, list);
    m_addresses.Cell(type, format, list) = text;
    return true;
}

QString CMessage::GetFieldAliases(quint8 Destination, quint8 Presentation, quint8 SendTo) const {
    RequireCell(Destination, Presentation, SendTo);
    return CommaSeparated(m_aliases.Cell(Destination, Presentation, SendTo));
}

QString CMessage::GetAllAliases(quint8 type, quint8 format) const {
    RequireCell(type, format, kTo);
    QStringList parts;
    for (quint8 list : {kTo, kCc, kBcc}) {
        const QString& cell = m_aliases.Cell(type, format, list);
        if (!cell.isEmpty()) parts << CommaSeparated(cell);
    }
    return parts.join(u',');
}

QString CMessage::GetFirstAddress(quint8 Destination, quint8 Presentation) const {
    RequireCell(Destination, Presentation, kTo);
    return GetField(1, QStringLiteral(";"), m_addresses.Cell(Destination, Presentation, kTo));
}

bool CMessage::ExistRecipient(quint8 Destination, quint8 Presentation) const {
    RequireCell(Destination, Presentation, kTo);
    for (quint8 list : {kTo, kCc, kBcc})
        if (!TrimBlanks(m_addresses.Cell(Destination, Presentation, list)).isEmpty()) return true;
    return false;
}

}  // namespace tidepost
