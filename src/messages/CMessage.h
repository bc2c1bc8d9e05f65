#pragma once
#include <QString>
#include <QtGlobal>

#include "messages/RecipientMatrix.h"

namespace tidepost {

// One outgoing message while it is being sent: subject, text, progress and two recipient matrices,
// the addresses and the address-book names as typed (kept for the outbox log). It does no input or
// output. Both matrices are values: every set and get copies them whole.
//
// Arguments named type, format and list are the destination type (0..8), the presentation format
// (0..2) and the list (0 To, 1 Cc, 2 Bcc). Where an operation below says "throws", an index out of
// range is RuntimeError 9 "Subscript out of range" for the caller to handle.
class CMessage {
public:
    QString Subject;
    // The body; replaced by the formatted text when the message is formatted.
    QString TextField;
    // 1 when made; 32 or more means that no further recipient group is to be sent.
    quint8 Status = 1;
    qint16 GroupId = 0;

    RecipientMatrix GetAddressMatrix() const { return m_addresses; }
    void SetAddressMatrix(const RecipientMatrix& matrix) { m_addresses = matrix; }
    void SetAliasMatrix(const RecipientMatrix& matrix) { m_aliases = matrix; }

    // The address cell; throws for any index out of range.
    QString GetAddressCell(quint8 type, quint8 format, quint8 list) const;
    // False and no change when type > 8, format > 2 or list > 2; true and no change for an empty
    // address; otherwise the address is added as the cell's last item. True.
    bool AppendAddressCell(const QString& address, quint8 type, quint8 format, quint8 list);
    // False and no change when type > 8 or format > 2; throws for list > 2; otherwise the cell
    // becomes the text. True.
    bool SetAddressCell(const QString& text, quint8 type, quint8 format, quint8 list);

    // The alias cell with its items separated by "," instead of ";"; throws out of range.
    QString GetFieldAliases(quint8 Destination, quint8 Presentation, quint8 SendTo) const;
    // The To, Cc and Bcc aliases of a type and format, the non-empty cells joined by ","; throws
    // out of range.
    QString GetAllAliases(quint8 type, quint8 format) const;
    // The first item of the To address cell; Cc and Bcc are not looked at. Throws out of range.
    QString GetFirstAddress(quint8 Destination, quint8 Presentation) const;
    // True when one of the three address cells holds more than blanks. Throws out of range.
    bool ExistRecipient(quint8 Destination, quint8 Presentation) const;

private:
    RecipientMatrix m_addresses;
    RecipientMatrix m_aliases;
};

}  // namespace tidepost
