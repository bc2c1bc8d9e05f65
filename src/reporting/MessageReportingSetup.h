#pragma once
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "reporting/MessageReportingReply.h"

namespace tidepost {

struct Foundation;

// A destination of position reports as address.dat has it: the last line whose name equals the
// name in any letter case. Format and address are as the file has them.
struct MessageReportingEntry {
    QString Type;
    QString Format;
    QString Address;
};
std::optional<MessageReportingEntry> FindMessageReportingEntry(const QStringList& addressBookLines,
                                                               const QString& name);

// The address as the transceiver takes it: digits after an optional "+" (blanks around are
// dropped), without leading zeros ("007" is "7", "000" is "0"); cut as text, so a long number
// stays exact. Nothing for anything else (an e-mail address, letters, an empty field).
std::optional<QString> ReportingAddressNumber(const QString& address);

// The schedule boxes take "0" to "9", ",", "-" and "*", the password letters and digits: no blank
// or other character can add options to the command.
bool IsScheduleText(const QString& text);
bool IsPinCodeText(const QString& text);

// What OK sends: five command lines joined by CR LF, or why it sends nothing.
struct MessageReportingBatch {
    QString Batch;     // "" when refused
    QString Refusal;   // the box's text
    QString Box;       // the control that takes the focus after the box
};

// Builds the batch for a destination found in the address book. The schedule and the password
// go as they are; `defaultLes` holds the default LES ids of the oceans 0 West to 3 Indian, which
// "-f 1" carries in the order East, Pacific, Indian, West. A destination whose type the
// transceiver cannot report to (e-mail, SMS, an unknown word) or whose address is no number is
// refused with text 3561.
MessageReportingBatch BuildMessageReportingBatch(const Foundation& f, const MessageReportingSettings& s,
                                                 const QString& destination, const MessageReportingEntry& entry,
                                                 const std::array<QString, 4>& defaultLes);

}  // namespace tidepost
