#pragma once
#include <QList>

#include "sim/SimShell.h"

namespace tidepost::sim {

// "se -g": the distress alert generator's settings, a block from "Parameters for Distress" to the
// speed in knots; each value stands 20 characters after the start of its label.
// "se -q", "se -q 1", "se -q 0": the distress buttons test mode. The bare query answers
// "Distress functionality enabled" (no test) or "Distress functionality disabled" (test on); the
// other two switch the test and report the change as INFO 733 (on) or INFO 803 (off) in the next
// status list.
const QList<SimCommand>& SimDistressCommands();

// The simulator's controls of the test mode, as typed on its standard input:
//   test-mode normal|not-implemented|illegal   how "se -q" is taken
//   test-end                                   the test ends at the transceiver (INFO 803)
//   distress                                   prints "test-mode on" or "test-mode off"
// True when `word` is one of them; `said` gets what the simulator prints (a "? ..." for bad use).
bool DistressControl(SimShell& shell, const QString& word, const QString& rest, QString& said);
QString DistressControlNames();

}  // namespace tidepost::sim
