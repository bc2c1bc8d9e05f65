#include "sim/SimStatusCommands.h"

namespace tidepost::sim {

namespace {

const QString kStx(QChar(2));
const QString kEtx(QChar(3));

// One "key : value" line with the key padded to the shell's column, and the value padded to
// its field width where the shell pads it.
QString Field(const SimShell& shell, const QString& key, const QString& value, int width = 0) {
    return key.leftJustified(20) + ": " + value.leftJustified(width) + shell.LineEnd;
}

QString YesNo(bool value) { return value ? "Yes" : "No"; }

QString SoftwareInfo(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    return Field(shell, t.Legacy510 ? "Inmarsat-C Software" : "Application software", t.Version) +
           Field(shell, "Boot software", "1.00");
}

QString Identity(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    return Field(shell, "Product", t.Model) + Field(shell, "Mobile class", t.SolasType + ' ' + t.MobileType) +
           Field(shell, "Software version", t.Version);
}

QString Versions(SimShell& shell, const QString&) {
    return Field(shell, "Boot", "1.00") + Field(shell, "CPU", shell.Transceiver.CpuVersion);
}

QString WorkingStatus(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    return Field(shell, "Software version", t.Version) + Field(shell, "Synchronization", YesNo(t.Synchronized), 4) +
           Field(shell, "TDM origin", QString::number(t.TdmOrigin).rightJustified(3, '0'), 4) +
           Field(shell, "Logged in", YesNo(t.LoggedIn), 4) + Field(shell, "Current protocol", t.Protocol, 25) +
           Field(shell, "Current channel", t.Channel, 4) + Field(shell, "Serial no", t.SerialNo) +
           Field(shell, "Mobile no", QString::number(t.MobileNumber)) +
           Field(shell, "Preferred ocean", t.PreferredOcean, 3);
}

QString SignalStrength(SimShell& shell, const QString&) {
    return Field(shell, "Signal strength", kStx + QString::number(shell.Transceiver.SignalStrength) + kEtx);
}

QString GpsTest(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    return "GPS self test" + shell.LineEnd + "Test Summary: " + (t.GpsOk ? "OK" : "FAIL") + shell.LineEnd +
           Field(shell, "Satellites in view", t.GpsOk ? "7" : "0") +
           Field(shell, "Speed over ground", QString::number(t.Speed) + " mph") + "Done" + shell.LineEnd;
}

QString UtcDateTime(SimShell& shell, const QString&) {
    if (shell.Transceiver.TimeCommandRefused) return "ERROR 120: Command not available" + shell.LineEnd;
    if (shell.Transceiver.TimeWithoutDate) return "UTC time not available" + shell.LineEnd;
    return shell.Transceiver.UtcNow().toString("yy-MM-dd hh:mm:ss") + " UTC" + shell.LineEnd;
}

QString UtcText(SimShell& shell, const QString&) {
    return shell.Transceiver.UtcNow().toString("yy-MM-dd  hh:mm:ss") + shell.LineEnd;
}

QString PositionReport(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    const QString fix = t.UtcNow().toString("hh:mm:ss") + " UTC";
    return "Position : " + kStx + t.Position + kEtx + " at " + fix + shell.LineEnd +  //
           "Course   : " + kStx + QString::number(t.Course).rightJustified(3, '0') + kEtx + shell.LineEnd +
           "Speed    : " + kStx + QString::number(t.Speed).rightJustified(3, '0') + kEtx + shell.LineEnd +
           "Status   : " + (t.PositionValid ? "Valid" : "Not Valid") + shell.LineEnd;
}

QString LinkTest(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    if (!t.LinkTestDone) return "No test results available" + shell.LineEnd;
    return "Latest Link Test results" + shell.LineEnd + Field(shell, "Result", kStx + t.LinkTestResult + kEtx) +
           Field(shell, "Test at UTC", kStx + (t.LinkTestAt ? *t.LinkTestAt : t.UtcNow()).toString("yy-MM-dd hh:mm") + kEtx);
}

// The LESs of the ocean region: per LES its id line, its name and its services, each value
// framed by STX and ETX, and an empty line after each (after the last only while so set).
QString LesListing(SimShell& shell, const QString&) {
    const SimTransceiver& t = shell.Transceiver;
    const QStringList ids = t.LesIds.isEmpty() ? QStringList() : t.LesIds.split(',');
    QString text;
    for (qsizetype i = 0; i < ids.size(); ++i) {
        const QString id = ids[i].trimmed();
        text += "LES id " + kStx + id.rightJustified(3, ' ') + kEtx + shell.LineEnd;
        text += "Name     : " + kStx + "Station " + id + kEtx + shell.LineEnd;
        text += "Services : " + kStx + "Telex, E-mail, Fax, X.25, Distress" + kEtx + shell.LineEnd;
        if (i + 1 < ids.size() || t.LesListEnded) text += shell.LineEnd;
    }
    return text;
}

// The scan for the preferred ocean region starts in the background; the shell only says so.
QString ScanPreferredOcean(SimShell& shell, const QString&) { return "Scanning for preferred ocean" + shell.LineEnd; }

}  // namespace

const QList<SimCommand>& SimStatusCommands() {
    static const QList<SimCommand> commands = {
        {"st -v", false, SoftwareInfo}, {"st -i", false, Identity},        {"ver", false, Versions},
        {"st -w", false, WorkingStatus}, {"st -s", false, SignalStrength}, {"ru -g", false, GpsTest},
        {"ti -u", false, UtcDateTime},  {"ti u", false, UtcText},          {"se -p", false, PositionReport},
        {"st -m", false, LinkTest},     {"nc -s", false, ScanPreferredOcean},
        {"st -n", false, LesListing},   {"status -n", false, LesListing},
    };
    return commands;
}

}  // namespace tidepost::sim
