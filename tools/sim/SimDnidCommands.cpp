#include "sim/SimDnidCommands.h"

#include <QRegularExpression>

namespace tidepost::sim {

namespace {

const QString kUnsupported = QStringLiteral("ERROR 120: Command not supported");

QString Line(const SimShell& shell, const QString& text) { return text + shell.LineEnd; }

QString List(SimShell& shell, const QString&) {
    const QString& end = shell.EchoTerminator;
    QString body = "Provider Name St LES DNID Mem Sa Ch Rd" + end;
    for (const SimDnid& d : shell.DnidStore.List) body += DnidListLine(d) + end;
    return body + QString("%1 DNID(s) stored").arg(shell.DnidStore.List.size()) + end;
}

// "st -d E<les>,<dnid>,<member>,<sub>" and "st -d D…".
QString Switch(SimShell& shell, const QString& line) {
    static const QRegularExpression form("^st -d ([ED])(\\d{1,3}),(\\d{1,5}),(\\d{1,3}),(\\d)$");
    const QRegularExpressionMatch m = form.match(line);
    if (!m.hasMatch()) return Line(shell, "st: usage: st -d [E|D<les>,<dnid>,<member>,<sub>]");
    const int les = m.captured(2).toInt(), dnid = m.captured(3).toInt(), member = m.captured(4).toInt(),
              sub = m.captured(5).toInt();
    for (SimDnid& d : shell.DnidStore.List) {
        if (d.Les == les && d.Dnid == dnid && d.Member == member && d.SubAdr == sub) {
            d.Status = m.captured(1) == "E" ? 1 : 0;
            return {};
        }
    }
    return Line(shell, "st: no such DNID");
}

// pg -o "012,12345,001 101,23456,002"
QString Slots(SimShell& shell, const QString& line) {
    if (shell.ReportingPrograms.Unsupported) return Line(shell, kUnsupported);
    static const QRegularExpression form("^pg -o \"([^\"]*)\"$");
    const QRegularExpressionMatch m = form.match(line);
    // The set-up of a program checks and normalises the entries the way the list shows them.
    SimReportingPrograms check;
    const QStringList entries = m.captured(1).split(' ', Qt::SkipEmptyParts);
    if (!m.hasMatch() || entries.isEmpty() ||
        !SetReportingProgram(check, 0, QStringList{"local", "stopped"} + entries))
        return Line(shell, "pg: usage: pg -o \"LES,DNID,member ...(up to 4)\"");
    shell.DnidStore.PendingSlots = check.Programs[0].Slots;
    return {};
}

// pg -p <n>,<interval>[,<start>]
QString Program(SimShell& shell, const QString& line) {
    SimReportingPrograms& r = shell.ReportingPrograms;
    if (r.Unsupported) return Line(shell, kUnsupported);
    static const QRegularExpression form("^pg -p ([0-3]),(\\d{1,5})(,(\\d{1,5}))?$");
    const QRegularExpressionMatch m = form.match(line);
    if (!m.hasMatch() || m.captured(2).toInt() == 0 || (m.hasCaptured(4) && m.captured(4).toInt() > 9999))
        return Line(shell, "pg: usage: pg -p <0-3>,<interval>[,<start>]");
    const int n = m.captured(1).toInt();
    if (r.Programs[n].Type == "remote") return Line(shell, QString("pg: program %1 is a remote program").arg(n));
    r.Programs[n] = SimReportingProgram{"local", "stopped", shell.DnidStore.PendingSlots};
    shell.DnidStore.Timing[n] = line.mid(QString("pg -p 0,").size());
    shell.DnidStore.PendingSlots.clear();
    return {};
}

}  // namespace

const QList<SimCommand>& SimDnidCommands() {
    static const QList<SimCommand> commands = {
        {"st -d", false, List},
        {"st -d ", true, Switch},
        {"pg -o ", true, Slots},
        {"pg -p ", true, Program},
    };
    return commands;
}

bool DnidControl(SimShell& shell, const QString& word, const QString& rest, QString& problem) {
    if (word == "dnid") {
        SimDnid d;
        if (ParseSimDnid(rest, d)) shell.DnidStore.List.append(d);
        else
            problem = "? dnid <provider>|<status 0-99>|<les 0-999>|<dnid 0-99999>|<member 0-999>|<sub 0-9>|"
                      "<channel 0-9>|<random 0-9>";
        return true;
    }
    if (word == "dnids") {
        if (rest.compare("clear", Qt::CaseInsensitive) == 0) shell.DnidStore.List.clear();
        else problem = "? dnids clear";
        return true;
    }
    return false;
}

QString DnidControlNames() { return QStringLiteral("dnid|dnids"); }

}  // namespace tidepost::sim
