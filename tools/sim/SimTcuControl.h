#pragma once
#include <QString>
#include <functional>

namespace tidepost::sim {

class SimShell;
class SimTcuServer;

// The control lines of the simulator for the unit in front of the transceiver (--tcu):
//   tcu-answer [text]   the line the unit writes after the echo of "minic -f" (the bridge starts
//                       all the same); without text the usual "Connected to transceiver"
//   tcu-mute            the unit's own shell reads every line and answers none
//   tcu-unmute          it answers again
// True when `word` is one of these.
bool TcuControl(SimTcuServer& tcu, const QString& word, const QString& rest);

// The names of those control lines, for the simulator's list of controls.
QString TcuControlNames();

// --trace: every line a shell reads is printed, the unit's as `TCU reads "<line>"`, the
// transceiver's as `MES reads "<line>"` (control characters as \xHH).
void TraceShells(SimShell& transceiver, SimTcuServer* tcu, const std::function<void(const QString&)>& print);

}  // namespace tidepost::sim
