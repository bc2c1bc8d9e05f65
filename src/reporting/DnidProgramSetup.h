#pragma once
#include <QString>
#include <QStringList>
#include <array>

namespace tidepost {

struct Reporting;

// One DNID as the set-up of a new program offers it in the list of its ocean.
struct DnidProgramItem {
    int Ocean = -1;  // 0 West, 1 East, 2 Pacific, 3 Indian
    // Provider (25 columns), LES (3 digits), DNID (5 digits), member (3 digits), one blank between.
    QString Text;
    // What "pg -o" carries for it: "LES,DNID,member" with their leading zeros.
    QString Entry;
};

// A DNID line of the reply read by its columns. False when it offers nothing: an LES outside
// 1 to 399, or a field that is not a number (it would end up inside the command).
bool ReadDnidProgramLine(const QString& line, DnidProgramItem& item);

// The lines of a listing block between its header line and its trailer line, cut at the echo's
// line end, each without CR and LF.
QStringList DnidProgramLines(const QString& block, const QString& echoTerminator);

// A time of day in the transceiver's units of 1/10000 day (8.64 s), the nearest whole unit, an
// exact half going to the even one.
int ReportTimeUnits(int hours, int minutes);

// What the dialog holds when OK is pressed.
struct NewProgramSetup {
    int Program = -1;  // 0 to 3; -1: no program to set up
    std::array<QString, 4> Entries;  // per ocean, "" when none is chosen
    QString StartHour, StartMinute, IntervalHour, IntervalMinute;
    bool Immediately = false;
};

// The commands that set the program up: "pg -o" with the chosen DNIDs, "pg -p" with the timing,
// and "pg -i" when it is to start now. Nothing without a program or a chosen DNID. Hours and
// minutes out of range are set to "00" in setup first, as the dialog then shows them.
QStringList NewProgramCommands(NewProgramSetup& setup);

// The listing of a "st -d" reply asked for by a New button: fills the set-up dialog (loading it
// when needed) for the lowest closed program and shows it.
void FillDnidProgramForm(Reporting& r, const QString& block);

// What "&Position reporting..." does first: loads the set-up dialog without showing it, with
// "Immediately" ticked and the start boxes disabled.
void PrepareNewProgram(Reporting& r);

// OK of the set-up dialog: with the transceiver answering, the commands of NewProgramCommands
// under the please-wait window; either way the programs dialog asks for the list again, and the
// set-up dialog closes.
void SaveNewProgram(Reporting& r);

}  // namespace tidepost
