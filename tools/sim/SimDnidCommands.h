#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// The DNID list and the set-up of a reporting program:
//   "st -d"           the header "Provider Name St LES DNID Mem Sa Ch Rd", one 58-character line
//                     per DNID (SimDnids.h), then "<n> DNID(s) stored"; every line ended by the
//                     echo's line end
//   "st -d E<les>,<dnid>,<member>,<sub>"   enables that DNID (status 1); "st -d D…" disables it (0)
//   "pg -o \"<LES,DNID,member> …\""       up to four entries for the next program set up
//   "pg -p <n>,<interval>[,<start>]"       program n becomes local and stopped, with those entries
// While the programs are unsupported the two "pg" commands are answered with ERROR 120.
const QList<SimCommand>& SimDnidCommands();

// The control lines of the DNID list:
//   dnid <provider>|<status>|<les>|<dnid>|<member>|<sub>|<channel>|<random>   adds a DNID
//   dnids clear                                                               removes them all
// True when `word` is one of these; `problem` then holds a usage text when the rest did not fit.
bool DnidControl(SimShell& shell, const QString& word, const QString& rest, QString& problem);

// The names of those control lines, for the simulator's list of controls.
QString DnidControlNames();

}  // namespace tidepost::sim
