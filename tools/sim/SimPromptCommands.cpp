#include "sim/SimPromptCommands.h"

namespace tidepost::sim {

namespace {

// The password questions are not echoed: each answer is followed by the next question on a line
// of its own, and the last by the result and the prompt.

QString AskNewPassword(SimShell& shell, const QString&) {
    shell.NextLine = [](SimShell& s, const QString& line) {
        s.NextLine = [newPassword = line](SimShell& s2, const QString& confirmation) {
            const QString result = confirmation == newPassword ? "Password changed" : "Passwords do not match";
            return s2.EchoTerminator + result + s2.LineEnd + s2.Prompt;
        };
        return s.EchoTerminator + "Confirm new password: ";
    };
    return shell.EchoTerminator + "Enter new password: ";
}

QString Passwd(SimShell& shell, const QString&) {
    shell.NextLine = AskNewPassword;
    return "Enter password: ";
}

// The routing classes' lines name their traffic; the value's colon stands 35 characters after
// the start of the class number.
QString RoutingLabel(int routeClass) {
    switch (routeClass) {
    case 10: return "Mail";
    case 30: return "EGC System Messages";
    case 31: return "EGC FleetNET Messages";
    case 32: return "EGC SafetyNET Safety";
    default: return "EGC SafetyNET Urgent+Distress";
    }
}

QString ConfigurationMenu(SimShell& shell, const QString&) {
    shell.NextLine = [](SimShell& s, const QString& line) {
        bool ok = false;
        const int number = line.trimmed().toInt(&ok);
        QString body;
        if (!ok) body = "Not a file number" + s.LineEnd;
        else if (number != 0) body = "File " + QString::number(number) + " selected" + s.LineEnd;
        return line + s.EchoTerminator + body + s.Prompt;
    };
    const QString& e = shell.LineEnd;
    const SimTransceiver& t = shell.Transceiver;
    QString menu = t.RoutingOmit == "header" ? QString() : "Configuration" + e;
    for (auto it = t.Routes.cbegin(); it != t.Routes.cend(); ++it) {
        if (t.RoutingOmit == QString::number(it.key())) continue;
        menu += QString::number(it.key()) + " : " + RoutingLabel(it.key()).leftJustified(30) + ": " +
                QString::number(it.value()) + e;
    }
    return menu + "0  : Exit" + e + "Enter filenumber > ";
}

// "ro <class> <mask>": sets the routing of one class at once, without the menu.
QString SetRouting(SimShell& shell, const QString& line) {
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    bool classOk = false;
    bool maskOk = false;
    const int routeClass = words.value(1).toInt(&classOk);
    const int mask = words.value(2).toInt(&maskOk);
    if (words.size() != 3 || !classOk || !maskOk || !shell.Transceiver.Routes.contains(routeClass) || mask < 0 ||
        mask > 7)
        return "usage: ro <class> <mask>" + shell.LineEnd;
    shell.Transceiver.Routes[routeClass] = mask;
    return {};
}

}  // namespace

const QList<SimCommand>& SimPromptCommands() {
    static const QList<SimCommand> table = {
        {"passwd", false, Passwd},
        {"ro", false, ConfigurationMenu},
        {"ro ", true, SetRouting},
    };
    return table;
}

}  // namespace tidepost::sim
