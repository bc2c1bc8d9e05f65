#pragma once
#include <QString>
#include <QStringList>

namespace tidepost {

// The transceiver's message reporting: its position sent as an ordinary message to one
// destination on a UTC schedule, as "rs" lists it and the "rs -" options set it.
struct MessageReportingSettings {
    QString Month;       // "-m": the transceiver's list syntax, digits with ",", "-" and "*"
    QString DayOfMonth;  // "-d"
    QString DayOfWeek;   // "-w", 0 = Sunday
    QString Hour;        // "-h"
    QString Minute;      // "-u"
    bool Print = false;         // "-n 1"
    bool Confirmation = false;  // "-v 1"
    QString PinCode;     // "-p": the password a remote party polls the position with
    QString Address;     // "-a": the destination's number
    bool Enabled = false;  // "Operation 1"
};

// What a reply to a bare "rs" says.
struct MessageReportingReply {
    // The options in the order they are read: "-m", "-d", "-w", "-h", "-u", "-n", "-v", "-p",
    // "-a", then the operation.
    static constexpr int kRows = 10;
    // "INFO 999:": the transceiver has no message reporting.
    bool Unsupported = false;
    // How many rows were read before the reading failed; kRows when the whole listing was read.
    // The values of the rows after that are left as they are.
    int Read = 0;
    MessageReportingSettings Settings;
    bool Complete() const { return Read == kRows; }
};

// Reads the listing: it starts at "Illegal argument"; each option is an entry of 19 characters
// ("-m (str)  value is "), a "(str)" value runs up to its label (blanks dropped), a "(num)" value
// is the one character after the entry; the listing ends ten characters after the ":" that
// follows "Operation ". Entries, labels and those words are found in any letter case.
MessageReportingReply ReadMessageReportingReply(const QString& reply);

// The destination as the address book has it: for each line of address.dat the address (a
// leading "00" dropped) is compared with `address`, and the last line that matches names the
// destination ("" when none does). The names offered are those of every line whose type is not
// e-mail, in file order.
struct MessageReportingDestinations {
    QStringList Names;
    QString Destination;
};
MessageReportingDestinations FindMessageReportingDestinations(const QStringList& addressBookLines,
                                                              const QString& address);

}  // namespace tidepost
