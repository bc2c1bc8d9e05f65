#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// The reporting program commands:
//   "pg -d"          the list: a header line ending in "Connection", then one line per program 0
//                    to 3, "<n>  <type padded to 7> <token>" padded to 21 characters, the slots
//                    joined by single blanks and one blank; every line ended by the echo's line end
//   "pg -d <n>"      CR LF, then "Reporting program <n>: <type>, <status>" and the line end
//   "pg -i <n>,P"    starts a local program; "pg -s <n>" stops it
//   "pg -c <n>"      closes a program: its slots are gone
// While the programs are unsupported every one of them is answered with ERROR 120.
const QList<SimCommand>& SimReportingCommands();

// The control lines of the programs:
//   program <n> <type> <status> [slot...]   sets program n (0 to 3)
//   pg-unsupported on|off                   the "pg" commands answer ERROR 120, or work again
// True when `word` is one of these; `problem` then holds a usage text when the rest did not fit.
bool ReportingControl(SimShell& shell, const QString& word, const QString& rest, QString& problem);

// The names of those control lines, for the simulator's list of controls.
QString ReportingControlNames();

}  // namespace tidepost::sim
