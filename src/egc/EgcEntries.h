#pragma once
#include <QString>

namespace tidepost {

// One file of the transceiver's EGC listing ("ls EGC.*").
struct EgcFileEntry {
    QString Name;       // "EGC." and three digits
    qint16 Number = 0;  // the value after the name's first "."; 0 without one
    qint32 Size = 0;    // bytes, as listed
    QString Date;       // yyyy-mm-dd
    QString Time;       // hh:mm
};

// One line of the transceiver's EGC log ("st -e"), its twelve columns in order. -1 stands for an
// unknown number (an EGC stored without its log line).
struct EgcLogEntry {
    qint16 Les = 0;
    qint16 Service = 0;
    qint16 Priority = 0;  // 0 routine, 1 safety, 2 urgent, 3 distress
    qint16 Language = 0;  // the presentation code
    QString Date;         // yyyy-mm-dd when the log gave a two-digit year
    QString Time;         // hh:mm
    // The log's length and reference columns hold five digits and more: 32 bits.
    qint32 Length = 0;
    qint32 RefNo = 0;
    qint16 Column9 = 0;   // read and kept; nothing uses it
    qint16 Column10 = 0;  // read and kept; nothing uses it
    QString Routing;      // "+M" or "Mem" in it: the EGC went to memory
    QString FileName;     // "EGC." and three digits
};

}  // namespace tidepost
