#include "distress/TestModeReplies.h"

#include <QAction>
#include <QWidget>

#include "distress/DistressTestMode.h"
#include "foundation/Foundation.h"
#include "foundation/IMainForm.h"
#include "foundation/MessageBoxQueue.h"
#include "link/INotificationsWindow.h"
#include "link/Link.h"

namespace tidepost {

namespace {

// The reply answers the bare "se -q": its echo ends right after the command. Before the line end
// is learnt, a CR or LF there says the same.
bool AnswersBareQuery(const Link& link, const QString& reply) {
    const QString command = QStringLiteral("se -q");
    const QString& end = link.Dialogue.EchoTerminator;
    if (!end.isEmpty()) return reply.startsWith(command + end);
    return reply.startsWith(command) &&
           (reply.size() == command.size() || reply[command.size()] == '\r' || reply[command.size()] == '\n');
}

}  // namespace

void SetDistressTestModeActive(Link& link, bool active) {
    link.Transceiver.DistressTestModeActive = active ? 1 : 0;
    IMainForm* main = link.F.Windows.MainForm;
    QWidget* window = main ? main->Form() : nullptr;
    if (!window) return;
    if (auto* item = window->findChild<QAction*>(QStringLiteral("DistressTestModeMenu"))) item->setEnabled(true);
}

void HandleDistressTestModeReply(Link& link, DistressTestMode& machine, const QString& reply) {
    Foundation& f = link.F;
    const QString info = f.Strings.GetMlString(12, "Info");
    if (reply.contains(QLatin1String("NOT implemented"), Qt::CaseInsensitive)) {
        // The periodic bare query of a transceiver without the test mode stays silent.
        if (AnswersBareQuery(link, reply)) return;
        if (machine.GetState() != kTestIdle) {
            machine.HandleEvent(kTestModeLeft);
            SetDistressTestModeActive(link, false);
        }
        QueueMessageBox(f, f.Strings.GetMlString(104, "Distress Test Mode not supported"), info);
        return;
    }
    if (reply.contains(QLatin1String("Distress functionality enabled"))) {
        if (machine.GetState() != kTestIdle) machine.HandleEvent(kTestModeLeft);
        return;
    }
    if (reply.contains(QLatin1String("Illegal argument"))) {
        if (machine.GetState() != kTestIdle) {
            machine.HandleEvent(kTestModeLeft);
            SetDistressTestModeActive(link, false);
        }
        QueueMessageBox(f, f.Strings.GetMlString(2836, "Distress test mode not supported"), info);
        return;
    }
    if (reply.contains(QLatin1String("Distress functionality disabled"))) {
        if (machine.GetState() == kTestUnderTest) return;
        machine.HandleEvent(kTestModeEntered);
        SetDistressTestModeActive(link, true);
        if (INotificationsWindow* window = link.Windows.NotificationsWindow) window->ShowDistressButtonsTestWindow();
    }
}

}  // namespace tidepost
