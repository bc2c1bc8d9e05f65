#include "sim/SimEgcSetupCommands.h"

namespace tidepost::sim {

namespace {

SimEgcReceiver& R(SimShell& shell) { return shell.Transceiver.EgcReceiver; }

QString OptionLine(const SimShell& shell, const QString& marker, const QString& kind, const QString& value,
                   const QString& text) {
    return marker + kind + "  value is " + value.leftJustified(21) + text + shell.LineEnd;
}

QString Settings(SimShell& shell, const QString&) {
    const SimEgcReceiver& r = R(shell);
    QString body;
    auto add = [&](const QString& marker, const QString& kind, const QString& value, const QString& text) {
        if (r.DroppedMarker != marker) body += OptionLine(shell, marker, kind, value, text);
    };
    add("-e ", "(num)", QString::number(r.ReceiverOnly), "EGC receiver only");
    add("-a ", "(num)", QString::number(r.SystemMessages), "System messages");
    add("-w ", "(num)", QString::number(r.SafetyNet), "SafetyNET reception");
    add("-y ", "(str)", r.Types.isEmpty() ? "." : r.Types, "Message types received");
    return body;
}

QString Coastal(SimShell& shell, const QString&) {
    const SimEgcReceiver& r = R(shell);
    return "-x (str)  value is " + (r.Coastal.isEmpty() ? QString(".") : r.Coastal) + shell.LineEnd;
}

QString SpareNavareas(SimShell& shell, const QString&) {
    const SimEgcReceiver& r = R(shell);
    QString body = r.SpareHeader ? "Spare Navareas:" + shell.LineEnd : QString();
    for (int n : r.Navareas) body += (r.NavareasInUse && n > 0 ? QString::number(n) : QString()) + shell.LineEnd;
    return body;
}

QString Usage(const SimShell& shell, const QString& option) { return "usage: se " + option + " <value>" + shell.LineEnd; }

// "se -e 1" and its kind: the argument after the option.
QString Argument(const QString& line, int optionLength) { return line.mid(optionLength).trimmed(); }

QString SetBit(SimShell& shell, const QString& line, int& field) {
    const QString v = Argument(line, 6);
    if (v != "0" && v != "1") return Usage(shell, line.left(5));
    field = v.toInt();
    return {};
}

QString SetReceiverOnly(SimShell& shell, const QString& line) { return SetBit(shell, line, R(shell).ReceiverOnly); }
QString SetSystem(SimShell& shell, const QString& line) { return SetBit(shell, line, R(shell).SystemMessages); }
QString SetSafetyNet(SimShell& shell, const QString& line) { return SetBit(shell, line, R(shell).SafetyNet); }

QString SetNavareasInUse(SimShell& shell, const QString& line) {
    int inUse = 0;
    const QString reply = SetBit(shell, line, inUse);
    if (reply.isEmpty()) R(shell).NavareasInUse = inUse == 1;
    return reply;
}

QString SetSpareNavareas(SimShell& shell, const QString& line) {
    const QStringList parts = Argument(line, 7).split(',');
    std::array<int, 4> numbers{0, 0, 0, 0};
    if (parts.size() > 4) return Usage(shell, "-sn");
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        numbers[i] = parts[i].toInt(&ok);
        if (!ok || numbers[i] < 0 || numbers[i] > 99) return Usage(shell, "-sn");
    }
    R(shell).Navareas = numbers;
    return {};
}

QString SetLetters(SimShell& shell, const QString& line, QString& field) {
    const QString v = Argument(line, 6);
    if (v == ".") {
        field.clear();
        return {};
    }
    if (v.isEmpty()) return Usage(shell, line.left(5));
    for (QChar c : v)
        if (c < 'A' || c > 'Z') return Usage(shell, line.left(5));
    field = v;
    return {};
}

QString SetCoastal(SimShell& shell, const QString& line) { return SetLetters(shell, line, R(shell).Coastal); }
QString SetTypes(SimShell& shell, const QString& line) { return SetLetters(shell, line, R(shell).Types); }

QString FixedPositions(SimShell& shell, const QString& line) {
    SimEgcReceiver& r = R(shell);
    if (!r.FixedPositions) return "ERROR 120: Unknown command" + shell.LineEnd;
    const QString positions = line.mid(2).trimmed();
    r.FixedText = positions.isEmpty() ? QString() : " " + positions;
    return {};
}

QString EnidList(SimShell& shell, const QString&) {
    const QString n = shell.LineEnd;
    QString body = n + "EGC Network ID list" + n;
    for (const SimEnid& e : R(shell).Enids)
        body += QChar(2) + e.Provider.leftJustified(20) + QChar(3) + "  " + QChar(2) +
                QString::number(e.Enid).rightJustified(6) + QChar(3) + (e.Enabled ? "" : " disabled") + n;
    return body + ' ' + QString::number(R(shell).Enids.size()) + " ENID(s) stored" + n;
}

QString SwitchEnid(SimShell& shell, const QString& line) {
    bool ok = false;
    const int enid = line.mid(7).trimmed().toInt(&ok);
    for (SimEnid& e : R(shell).Enids) {
        if (ok && e.Enid == enid) {
            e.Enabled = line.at(6) == 'e';
            return {};
        }
    }
    return "ERROR 5: ENID not found" + shell.LineEnd;
}

}  // namespace

const QList<SimCommand>& SimEgcSetupCommands() {
    static const QList<SimCommand> commands = {
        {"se", false, Settings},
        {"se -x", false, Coastal},
        {"se -sn", false, SpareNavareas},
        {"se -e ", true, SetReceiverOnly},
        {"se -a ", true, SetSystem},
        {"se -w ", true, SetSafetyNet},
        {"se -n ", true, SetNavareasInUse},
        {"se -sn ", true, SetSpareNavareas},
        {"se -x ", true, SetCoastal},
        {"se -y ", true, SetTypes},
        {"fx", false, FixedPositions},
        {"fx ", true, FixedPositions},
        {"st -g", false, EnidList},
        {"st -g e", true, SwitchEnid},
        {"st -g d", true, SwitchEnid},
    };
    return commands;
}

}  // namespace tidepost::sim
