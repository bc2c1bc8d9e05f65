#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// "se -g": the distress alert generator's settings, a block from "Parameters for Distress" to the
// speed in knots; each value stands 20 characters after the start of its label. "se -g " with
// fourteen fields (LES, nature letter, N/S, degrees, minutes, hundredths, E/W, degrees, minutes,
// hundredths, hour, minute, course, speed) sets it; the fields "S,127,63,0,W,255,63,0,23,59,359,180"
// make it report the unit's own position again. A field out of its range answers
// "ERROR 301: Invalid parameter" after a CR LF. Without a generator both answer "Illegal argument".
// "se -m ALL_OCEANS": the alert LES of the four ocean regions ("Alert LES", or "Land Mobile Alert
// LES" for a land mobile unit, each id between STX and ETX; or the "LES IDs" line). "se -m ": the
// nature ("Maritime nature of distress: <word>" or "Land Mobile nature of distress: <word>").
// "se -m a,b,c,d" sets the four alert LES, "se -m id,n,L" the nature letter.
// "se -q", "se -q 1", "se -q 0": the distress buttons test mode. The bare query answers
// "Distress functionality enabled" (no test) or "Distress functionality disabled" (test on); the
// other two switch the test and report the change as INFO 733 (on) or INFO 803 (off) in the next
// status list.
const QList<SimCommand>& SimDistressCommands();

// The simulator's controls of the test mode, as typed on its standard input:
//   test-mode normal|not-implemented|illegal   how "se -q" is taken
//   test-end                                   the test ends at the transceiver (INFO 803)
//   distress                                   prints "test-mode on" or "test-mode off"
//   alert-form ids|auto                        how "se -m ALL_OCEANS" answers
//   next-error <text>                          that line in the next "se -g" or set reply
// True when `word` is one of them; `said` gets what the simulator prints (a "? ..." for bad use).
bool DistressControl(SimShell& shell, const QString& word, const QString& rest, QString& said);
QString DistressControlNames();

}  // namespace tidepost::sim
