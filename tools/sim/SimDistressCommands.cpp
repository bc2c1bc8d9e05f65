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

const QString kTestOnInfo = QStringLiteral("Distress buttons test mode entered");
const QString kTestOffInfo = QStringLiteral("Distress buttons test mode ended");

QString TestModeState(const SimShell& shell) {
    return (shell.Transceiver.DistressTestMode ? QStringLiteral("Distress functionality disabled")
                                               : QStringLiteral("Distress functionality enabled")) +
           shell.LineEnd;
}

void SetTestMode(SimShell& shell, bool on) {
    if (shell.Transceiver.DistressTestMode == on) return;
    shell.Transceiver.DistressTestMode = on;
    if (on) shell.AddInfo("733", kTestOnInfo);
    else shell.AddInfo("803", kTestOffInfo);
}

QString TestModeQuery(SimShell& shell, const QString&) {
    if (shell.Transceiver.TestModeAnswer == "not-implemented") return "NOT implemented" + shell.LineEnd;
    return TestModeState(shell);
}

QString TestModeSwitch(SimShell& shell, const QString& line) {
    const QString& answer = shell.Transceiver.TestModeAnswer;
    if (answer == "not-implemented") return "NOT implemented" + shell.LineEnd;
    if (answer == "illegal") return "Illegal argument" + shell.LineEnd;
    SetTestMode(shell, line.endsWith('1'));
    return TestModeState(shell);
}

}  // namespace

const QList<SimCommand>& SimDistressCommands() {
    static const QList<SimCommand> commands = {
        {"se -g", false, GeneratorSettings},
        {"se -q", false, TestModeQuery},
        {"se -q 1", false, TestModeSwitch},
        {"se -q 0", false, TestModeSwitch},
    };
    return commands;
}

bool DistressControl(SimShell& shell, const QString& word, const QString& rest, QString& said) {
    said.clear();
    if (word == "test-mode") {
        if (rest == "normal" || rest == "not-implemented" || rest == "illegal") shell.Transceiver.TestModeAnswer = rest;
        else said = "? test-mode normal|not-implemented|illegal";
        return true;
    }
    if (word == "test-end") {
        SetTestMode(shell, false);
        return true;
    }
    if (word == "distress") {
        said = shell.Transceiver.DistressTestMode ? "test-mode on" : "test-mode off";
        return true;
    }
    return false;
}

QString DistressControlNames() { return QStringLiteral("test-mode|test-end|distress"); }

}  // namespace tidepost::sim
