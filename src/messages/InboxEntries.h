#pragma once
#include <QDateTime>
#include <QString>

namespace tidepost {

// Dates and times read from the transceiver's replies carry no time zone: they are kept as UTC
// values so that no daylight-saving gap of the PC's zone can make a listed time invalid.

// One file of the transceiver's inbox listing ("ls IN.*").
struct InboxListEntry {
    QString Name;       // the file name before the ".", trimmed: "IN" for received messages
    QString Extension;  // the message number, three characters after the "."
    QDateTime Date;     // date and time of the file
    qint32 Size = 0;    // file size in bytes
};

// One line of the transceiver's message log ("st -r").
struct InLogEntry {
    qint16 LES = 0;           // the station the message came through
    qint16 Column6 = 0;       // the digit in column 6; kept, not used
    qint16 Priority = 0;      // 0 routine, 1 safety, 2 urgent, 3 distress
    qint16 Presentation = 0;  // 0 7-bit IA5, 6 5-bit telex, 7 8-bit data
    QDateTime Date;           // reception; invalid when the log's date could not be read
    // Five digits in the log, so 32 bits: a message above 32,767 bytes must still be storable.
    qint32 Size = 0;
    qint32 Reference = 0;     // the station's reference number of the message
    qint16 Column43 = 0;      // the digit in column 43; kept, not used
    qint16 Flags = 0;         // 1 "+M" or "Mem", +2 "Pr", +4 "Re" in the routing text; kept, not used
    QString Routing;          // trimmed
    QString Name;             // the transceiver's file name, "IN." and three digits
};

}  // namespace tidepost
