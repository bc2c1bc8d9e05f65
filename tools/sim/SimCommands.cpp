#include "sim/SimShell.h"
#include "sim/SimActionCommands.h"
#include "sim/SimDistressCommands.h"
#include "sim/SimDnidCommands.h"
#include "sim/SimEgcCommands.h"
#include "sim/SimEgcSetupCommands.h"
#include "sim/SimInboxCommands.h"
#include "sim/SimMessageReportingCommands.h"
#include "sim/SimPromptCommands.h"
#include "sim/SimReportingCommands.h"
#include "sim/SimUploadCommands.h"
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

// The debug command "db usrrep <number> 1": the transceiver reports that number as an INFO entry
// of its next status list, as if the event had happened.
QString UserReport(SimShell& shell, const QString& line) {
    const QStringList words = line.split(' ', Qt::SkipEmptyParts);
    bool ok = false;
    const int number = words.size() >= 3 ? words.at(2).toInt(&ok) : 0;
    if (!ok || number <= 0) return "usage: db usrrep <number> 1" + shell.LineEnd;
    shell.AddInfo(QString::number(number), "Simulated user report " + QString::number(number));
    return {};
}

// "co <reference> <LES>": asks the LES for the confirmation of a delivered message. The shell only
// echoes it; the answer comes later as INFO 130 or 131 in the status list.
QString ConfirmationRequest(SimShell& shell, const QString& line) {
    shell.ConfirmationRequests.append(line);
    return {};
}

}  // namespace

const QList<SimCommand>& SimCommandTable() {
    static const QList<SimCommand> table = [] {
        QList<SimCommand> t = {
            {"st -l", false, StatusList},
            {"db usrrep ", true, UserReport},
            {"co ", true, ConfirmationRequest},
        };
        t += SimStatusCommands();
        t += SimEgcCommands();
        t += SimInboxCommands();
        t += SimUploadCommands();
        t += SimDistressCommands();
        t += SimEgcSetupCommands();
        t += SimPromptCommands();
        t += SimActionCommands();
        t += SimReportingCommands();
        t += SimDnidCommands();
        t += SimMessageReportingCommands();
        return t;
    }();
    return table;
}

}  // namespace tidepost::sim
