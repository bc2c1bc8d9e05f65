#include "sim/SimActionCommands.h"

namespace tidepost::sim {

namespace {

const QString kStx(QChar(2));
const QString kEtx(QChar(3));

// The word after `words` leading words of the line; "" when there is none.
QString Argument(const QString& line, int words) {
    return line.section(' ', words, words, QString::SectionSkipEmpty);
}

QString Usage(const SimShell& shell, const QString& usage) { return "usage: " + usage + shell.LineEnd; }

QString Login(SimShell& shell, const QString& line) {
    bool ok = false;
    const int ncs = Argument(line, 1).toInt(&ok);
    if (!ok || (ncs != 44 && ncs != 144 && ncs != 244 && ncs != 344)) return Usage(shell, "li 44|144|244|344");
    shell.Transceiver.LoggedIn = true;
    shell.Transceiver.TdmOrigin = ncs;
    return {};
}

QString Logout(SimShell& shell, const QString&) {
    shell.Transceiver.LoggedIn = false;
    return {};
}

QString PreferredOcean(SimShell& shell, const QString& line) {
    const QString ocean = Argument(line, 2);
    if (ocean.size() != 1 || !QString("epiwn").contains(ocean)) return Usage(shell, "se -o e|p|i|w|n");
    shell.Transceiver.PreferredOcean = ocean.at(0).toUpper();
    return {};
}

QString ClearProtocol(SimShell& shell, const QString&) {
    shell.Transceiver.Protocol = "Free";
    return {};
}

// The mobile class as "st -i" then shows it.
QString ChangeType(SimShell& shell, const QString& line) {
    struct Class {
        const char* Number;
        const char* Solas;
        const char* Mobile;
    };
    static const Class classes[] = {{"1", "Non-SOLAS", "Landmobile"},
                                    {"2", "SOLAS", "Maritime"},
                                    {"4", "SOLAS", "Maritime SSAS"},
                                    {"5", "Non-SOLAS", "Maritime"}};
    const QString number = Argument(line, 2);
    for (const Class& c : classes)
        if (number == QLatin1String(c.Number)) {
            shell.Transceiver.SolasType = c.Solas;
            shell.Transceiver.MobileType = c.Mobile;
            return {};
        }
    return Usage(shell, "cfg -t 1|2|4|5");
}

// An EGC arrives: 200 routine, 400 safety, 4 urgent, 100 distress.
QString SimulateEgc(SimShell& shell, const QString& line) {
    bool ok = false;
    const int kind = Argument(line, 3).toInt(&ok);
    if (!ok) return Usage(shell, "db egc sim <n>");
    AddSimulatedEgc(shell.EgcStore, kind, shell.Transceiver.UtcNow());
    return {};
}

// A received message appears in the inbox: a distress one for 10, a routine one otherwise.
QString SimulateMessage(SimShell& shell, const QString& line) {
    bool ok = false;
    const int kind = Argument(line, 3).toInt(&ok);
    if (!ok) return Usage(shell, "db msghdl rx <n>");
    SimMessage m;
    m.Received = shell.Transceiver.UtcNow();
    m.Priority = kind == 10 ? 3 : 0;
    m.Body = QString("Simulated %1 message.").arg(kind == 10 ? "distress" : "incoming");
    shell.Inbox.Add(m);
    return {};
}

QString Field(const SimShell& shell, const QString& label, const QString& value) {
    // The value stands at offset 23 of its label, between STX and ETX.
    return label.leftJustified(20) + ": " + kStx + value + kEtx + shell.LineEnd;
}

QString LatestDistress(SimShell& shell, const QString&) {
    return Field(shell, "Latest Distress", shell.Transceiver.LatestDistress) +
           Field(shell, "Latest Distress test", shell.Transceiver.LatestDistressTest);
}

// "se -u <number>": nine digits beginning with 4 become the mobile number.
QString SetMobileNumber(SimShell& shell, const QString& line) {
    const QString number = line.mid(5).trimmed();
    bool digits = number.size() == 9 && number.front() == QLatin1Char('4');
    for (const QChar ch : number) digits = digits && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
    if (!digits) return "se: invalid mobile number" + shell.LineEnd;
    shell.Transceiver.MobileNumber = number.toInt();
    return {};
}

// "test": the link test runs at once and passes; "st -m" tells its time.
QString StartLinkTest(SimShell& shell, const QString&) {
    SimTransceiver& t = shell.Transceiver;
    t.LinkTestDone = true;
    t.LinkTestResult = "Passed";
    t.LinkTestAt = t.UtcNow();
    return {};
}

}  // namespace

const QList<SimCommand>& SimActionCommands() {
    static const QList<SimCommand> commands = {
        {"li ", true, Login},
        {"lo", false, Logout},
        {"se -o ", true, PreferredOcean},
        {"cl", false, ClearProtocol},
        {"cfg -t ", true, ChangeType},
        {"db egc sim ", true, SimulateEgc},
        {"db msghdl rx ", true, SimulateMessage},
        {"st -a", false, LatestDistress},
        {"se -u", true, SetMobileNumber},
        {"test", false, StartLinkTest},
    };
    return commands;
}

}  // namespace tidepost::sim
