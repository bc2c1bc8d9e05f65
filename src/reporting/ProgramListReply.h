#pragma once
#include <QString>
#include <array>

namespace tidepost {

struct Reporting;

// One "LES,DNID,member" entry of a program line: the LES padded with "0" to three characters,
// the DNID and the member number as they stand.
struct ProgramSlot {
    QString Les = QStringLiteral("000");
    QString Dnid;
    QString Member;
};

// What one line of the program list says. A code is "" when the line names none, so that the
// program keeps the one it had.
struct ProgramLine {
    QString TypeCode;    // "1" closed, "2" local, "3" remote
    QString StatusCode;  // "1" none, "2" started, "3" stopped
    QString Prefix;      // "PU-", "ADS-" or ""
    std::array<ProgramSlot, 4> Slots;
};

// The reply to "pg -d" as the dialog reads it.
struct ProgramList {
    bool Refused = false;    // "ERROR 120": the transceiver does not offer the command
    bool HasHeader = false;  // the word "Connection" that heads the program lines
    std::array<ProgramLine, 4> Programs;
};

// Puts padChar in front of text until it has at least width characters; text is changed too.
QString PadLeft(QString& text, int width, QChar padChar);

// Reads one program line: the type word and status token anywhere in it, the slots from its 22nd
// character to the one before its last.
ProgramLine ParseProgramLine(const QString& line);
// Reads the whole reply; its lines are cut at the echo's line end.
ProgramList ParseProgramList(const QString& reply, const QString& echoTerminator);
// The ocean row (0 West … 3 Indian) of a padded LES: its first digit; -1 for none ("000", a
// first character from 4 on, or no digit).
int SlotOcean(const QString& les);

// The reply to "pg -d": fills the programs dialog (codes, lines, buttons, ocean rows), closes the
// busy window and shows the dialog. A refusal is told through the message-box queue.
void HandleProgramListReply(Reporting& r, const QString& reply);

}  // namespace tidepost
