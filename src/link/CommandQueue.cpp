#include "link/CommandQueue.h"

#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "foundation/Definitions.h"

namespace tidepost {

namespace {


// Keeps a read-modify-write of the queue whole. Everything runs on one thread and nothing here
// lets window events run, so the flag can never be found set; it marks the edit for any handler
// that might one day run inside it.
class QueueEdit {
public:
    explicit QueueEdit(Link& link) : m_link(link) {
        Q_ASSERT(!m_link.Dialogue.CommandQueueBusy);
        m_link.Dialogue.CommandQueueBusy = true;
    }
    ~QueueEdit() { m_link.Dialogue.CommandQueueBusy = false; }
    QueueEdit(const QueueEdit&) = delete;
    QueueEdit& operator=(const QueueEdit&) = delete;

private:
    Link& m_link;
};

bool ContainsAnyIgnoringCase(const QString& cmd, std::initializer_list<const char*> markers) {
    for (const char* m : markers)
        if (cmd.contains(QLatin1String(m), Qt::CaseInsensitive)) return true;
    return false;
}

void AnnounceStatusUpdate(Link& link) {
    const auto& window = link.Windows.TransceiverStatusForm;
    if (!window.IsVisible || !window.IsVisible() || !window.SetCaption) return;
    const QString caption = link.F.Strings.GetMlString(2888, "Transceiver Status updating...");
    if (!caption.isEmpty()) window.SetCaption(caption);
}

}  // namespace

bool QueueCommand(Link& link, const QString& cmd, bool allowDuplicate, bool atFront) {
    if (!IsCommandAllowed(link, cmd)) return false;
    if (!allowDuplicate && link.Dialogue.CommandQueue.contains(cmd, Qt::CaseSensitive)) return false;

    bool added = false;
    if (atFront) {
        QueueEdit edit(link);
        link.Dialogue.CommandQueue = kCrLf + cmd + kCrLf + link.Dialogue.CommandQueue;
        added = true;
    } else if (!cmd.isEmpty()) {
        QueueEdit edit(link);
        link.Dialogue.CommandQueue += cmd + kCrLf;
        added = true;
    }
    if (cmd == QLatin1String("st -w")) AnnounceStatusUpdate(link);
    if (added) DialogueWorkArrived(link);
    return added;
}

void PutAnswerAtHead(Link& link, const QString& line) {
    // The edit does not wait for the busy flag: the transceiver's question must be answered
    // before any other line goes out.
    link.Dialogue.CommandQueue.prepend(line + QLatin1Char('\n'));
    DialogueWorkArrived(link);
}

bool IsCommandAllowed(const Link& link, const QString& cmd) {
    if (!link.Dialogue.ClosingDown) return true;
    // The exit ends a running distress buttons test first.
    if (cmd == QLatin1String("se -q 0")) return true;
    const CSession& session = link.F.gSession;
    if (session.ProcessingEgcs() && ContainsAnyIgnoringCase(cmd, {"ty EGC.", "st -e", "delete EGC."}))
        return true;
    if (session.ProcessingMsgs() && ContainsAnyIgnoringCase(cmd, {"ty IN.", "st -r", "delete IN."}))
        return true;
    return false;
}

bool IsCommandQueued(const Link& link, const QString& text) {
    return link.Dialogue.CommandQueue.contains(text, Qt::CaseInsensitive);
}

QString TakeFirstCommandLine(Link& link) {
    const qsizetype lf = link.Dialogue.CommandQueue.indexOf(QLatin1Char('\n'));
    if (lf < 0) return {};
    QueueEdit edit(link);
    QString line = link.Dialogue.CommandQueue.left(lf + 1);
    link.Dialogue.CommandQueue.remove(0, lf + 1);
    return line;
}

int WithdrawCommands(Link& link, const std::function<bool(const QString& line)>& withdraw) {
    const QString& queue = link.Dialogue.CommandQueue;
    QString kept;
    int taken = 0;
    qsizetype at = 0;
    while (at < queue.size()) {
        const qsizetype lf = queue.indexOf(QLatin1Char('\n'), at);
        const qsizetype end = lf < 0 ? queue.size() : lf + 1;
        const QString line = queue.mid(at, end - at);
        QString command = line;
        while (command.endsWith(QLatin1Char('\n')) || command.endsWith(QLatin1Char('\r'))) command.chop(1);
        // Text not yet ended by an LF is no line the engine would send; it stays.
        if (lf >= 0 && withdraw(command)) ++taken;
        else kept += line;
        at = end;
    }
    if (taken > 0) {
        QueueEdit edit(link);
        link.Dialogue.CommandQueue = kept;
    }
    return taken;
}

bool DialogueHasWork(const Link& link) {
    const LinkDialogue& d = link.Dialogue;
    // Back at rest after a reply, one idle step still has to arm the port's receive event (so that
    // text the transceiver sends on its own wakes the dialogue) and show the engine idle.
    const bool idleStepDue = d.DialogueState == 0 && d.ReceiveThreshold < 1;
    return !d.CommandQueue.isEmpty() || d.DialogueState != 0 || idleStepDue || d.TerminalModeRequested ||
           d.DebugMode != 0 || TerminalVisible(link);
}

void DialogueWorkArrived(Link& link) {
    if (link.Windows.Window) link.Windows.Window->DialogueWorkArrived();
}

}  // namespace tidepost
