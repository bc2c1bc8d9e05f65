#include "sim/SimDistressCommands.h"

namespace tidepost::sim {

namespace {

QString Line(const SimShell& shell, const QString& label, const QString& value) {
    return label.leftJustified(18) + ": " + value + shell.LineEnd;
}

QString GeneratorSettings(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    return "Parameters for Distress Alert Generator" + shell.LineEnd + "Current LES/NCS Id: " +
           QString::number(t.DistressLes) + shell.LineEnd + Line(shell, "Nature of Distress", t.DistressNature) +
           Line(shell, "Position", t.Position) + Line(shell, "Time of Position", t.UtcNow().toString("hh:mm")) +
           Line(shell, "Course", QString::number(t.Course).rightJustified(3, '0') + " deg/true") +
           Line(shell, "Speed", QString::number(t.Speed) + " knots");
}

}  // namespace

const QList<SimCommand>& SimDistressCommands() {
    static const QList<SimCommand> commands = {
        {"se -g", false, GeneratorSettings},
    };
    return commands;
}

}  // namespace tidepost::sim
