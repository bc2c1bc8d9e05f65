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
    return "Configuration" + e + "10 : Mobile number" + e + "30 : Message routing" + e + "0  : Exit" + e +
           "Enter filenumber > ";
}

}  // namespace

const QList<SimCommand>& SimPromptCommands() {
    static const QList<SimCommand> table = {
        {"passwd", false, Passwd},
        {"ro", false, ConfigurationMenu},
    };
    return table;
}

}  // namespace tidepost::sim
