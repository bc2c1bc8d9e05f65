#include "sim/SimReportingCommands.h"

namespace tidepost::sim {

namespace {

const QString kUnsupported = QStringLiteral("ERROR 120: Command not supported");

// The program number of "<command> <n>" (with `suffix` right after the number); -1 when the line
// names none of 0 to 3.
int ProgramNumber(const QString& line, const QString& command, const QString& suffix = {}) {
    QString rest = line.mid(command.size()).trimmed();
    if (!suffix.isEmpty()) {
        if (!rest.endsWith(suffix, Qt::CaseInsensitive)) return -1;
        rest.chop(suffix.size());
    }
    if (rest.size() != 1 || rest.at(0) < '0' || rest.at(0) > '3') return -1;
    return rest.at(0).digitValue();
}

QString Line(const SimShell& shell, const QString& text) { return text + shell.LineEnd; }

// The list's line of one program; the echo's line end follows it.
QString ListLine(int number, const SimReportingProgram& p) {
    const QString head = QString::number(number) + "  " + p.Type.leftJustified(7) + ' ' + ProgramStatusToken(p.Status);
    return head.leftJustified(21) + p.Slots.join(' ') + ' ';
}

QString List(SimShell& shell, const QString&) {
    const SimReportingPrograms& r = shell.ReportingPrograms;
    if (r.Unsupported) return Line(shell, kUnsupported);
    QString body = "Prg Type    Status   Connection" + shell.EchoTerminator;
    for (int n = 0; n < 4; ++n) body += ListLine(n, r.Programs[n]) + shell.EchoTerminator;
    return body;
}

QString Describe(SimShell& shell, const QString& line) {
    const SimReportingPrograms& r = shell.ReportingPrograms;
    if (r.Unsupported) return Line(shell, kUnsupported);
    const int n = ProgramNumber(line, "pg -d");
    if (n < 0) return Line(shell, "pg: usage: pg -d [0-3]");
    const SimReportingProgram& p = r.Programs[n];
    return "\r\n" + Line(shell, QString("Reporting program %1: %2, %3").arg(n).arg(p.Type, p.Status));
}

QString Start(SimShell& shell, const QString& line) {
    SimReportingPrograms& r = shell.ReportingPrograms;
    if (r.Unsupported) return Line(shell, kUnsupported);
    const int n = ProgramNumber(line, "pg -i", ",P");
    if (n < 0) return Line(shell, "pg: usage: pg -i <0-3>,P");
    SimReportingProgram& p = r.Programs[n];
    if (p.Type != "local") return Line(shell, QString("pg: program %1 is not a local program").arg(n));
    p.Status = p.Status.startsWith("ads-") ? "ads-started" : "started";
    return {};
}

QString Stop(SimShell& shell, const QString& line) {
    SimReportingPrograms& r = shell.ReportingPrograms;
    if (r.Unsupported) return Line(shell, kUnsupported);
    const int n = ProgramNumber(line, "pg -s");
    if (n < 0) return Line(shell, "pg: usage: pg -s <0-3>");
    SimReportingProgram& p = r.Programs[n];
    if (p.Type != "local") return Line(shell, QString("pg: program %1 is not a local program").arg(n));
    p.Status = p.Status.startsWith("ads-") ? "ads-stopped" : "stopped";
    return {};
}

QString Close(SimShell& shell, const QString& line) {
    SimReportingPrograms& r = shell.ReportingPrograms;
    if (r.Unsupported) return Line(shell, kUnsupported);
    const int n = ProgramNumber(line, "pg -c");
    if (n < 0) return Line(shell, "pg: usage: pg -c <0-3>");
    r.Programs[n] = SimReportingProgram{};
    return {};
}

}  // namespace

const QList<SimCommand>& SimReportingCommands() {
    static const QList<SimCommand> commands = {
        {"pg -d", false, List},
        {"pg -d ", true, Describe},
        {"pg -i ", true, Start},
        {"pg -s ", true, Stop},
        {"pg -c ", true, Close},
    };
    return commands;
}

bool ReportingControl(SimShell& shell, const QString& word, const QString& rest, QString& problem) {
    if (word == "program") {
        const QStringList words = rest.split(' ', Qt::SkipEmptyParts);
        bool ok = false;
        const int n = words.value(0).toInt(&ok);
        if (!ok || !SetReportingProgram(shell.ReportingPrograms, n, words.mid(1)))
            problem = "? program <0-3> closed|local|remote none|started|stopped|ads-started|ads-stopped "
                      "[LES,DNID,member ...(up to 4)]";
        return true;
    }
    if (word == "pg-unsupported") {
        const QString value = rest.toLower();
        if (value == "on" || value == "off") shell.ReportingPrograms.Unsupported = value == "on";
        else problem = "? pg-unsupported on|off";
        return true;
    }
    return false;
}

QString ReportingControlNames() { return QStringLiteral("program|pg-unsupported"); }

}  // namespace tidepost::sim
