#include "sim/SimShell.h"
#include "sim/SimStatusCommands.h"

namespace tidepost::sim {

namespace {

// The status list: every waiting INFO and ERROR entry, each as "KIND number: text" on a line of
// its own (its text may take further lines), reported once.
QString StatusList(SimShell& shell, const QString&) {
    QString body;
    for (const Notification& n : shell.Notifications)
        body += n.Kind + ' ' + n.Number + ": " + QString(n.Text).replace("\r\n", shell.LineEnd) + shell.LineEnd;
    shell.Notifications.clear();
    return body;
}

}  // namespace

const QList<SimCommand>& SimCommandTable() {
    static const QList<SimCommand> table = [] {
        QList<SimCommand> t = {
            {"st -l", false, StatusList},
        };
        t += SimStatusCommands();
        return t;
    }();
    return table;
}

}  // namespace tidepost::sim
