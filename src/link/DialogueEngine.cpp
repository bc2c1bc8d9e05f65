#include "link/DialogueEngine.h"

#include <QStringList>
#include <QVariantList>
#include <cmath>

#include "foundation/AppSettings.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "link/AppendToLogFile.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/DispatchReply.h"
#include "link/ITerminalWindow.h"
#include "link/Link.h"
#include "link/LinkIo.h"
#include "link/LinkLoss.h"
#include "link/ReplyLimits.h"
#include "link/TickGuard.h"
#include "link/UploadChecks.h"
#include "link/UploadStreaming.h"
#include "platform/IClock.h"
#include "platform/ISerialControl.h"
#include "platform/ISocketControl.h"

namespace tidepost {

namespace {

constexpr qint16 kMinCommandTimeOut = 4;
// The transceiver needs this long to echo an upload command before the first read.
constexpr qint64 kTransferEchoWaitMs = 500;

const QString kTcuPrompt = QStringLiteral("kv880:/$ ");
const QStringList kTransceiverPrompts = {QStringLiteral("can0:/$ "), QStringLiteral("can1:/$ "),
                                         QStringLiteral("can2:/$ ")};
const QStringList kPasswordPrompts = {QStringLiteral("Enter password: "), QStringLiteral("Enter new password: "),
                                      QStringLiteral("Confirm new password: ")};

qint64 Now(const Link& link) { return link.F.Os.Clock->MonotonicMs(); }

void Send(Link& link, const QString& line) { WriteToLinks(link, link.F.Os.Codec.Encode(line)); }

// A submission ("tx") goes out only after the listing of its upload ("ls") has shown the size
// that was sent; otherwise a cut file could be submitted. Without that check the submission is
// withheld and its upload given up (the file deleted, its log lines "Failed", a notice queued).
bool WithholdUncheckedSubmission(Link& link, const QString& line) {
    if (!line.startsWith(QLatin1String("tx "))) return false;
    const QString name = EchoedFileName(line);
    const SentFileCheck* upload = FindSentFileCheck(link, name);
    if (upload == nullptr || upload->SizeChecked) return false;
    const QString text =
        MlText(link.F, 3393, "The message '%0' was not submitted: the transceiver did not confirm its upload.");
    QueueMessageBox(link.F, FormatMlString(text, QVariantList{name}));
    if (link.Dispatch.DeleteUploadedFile) link.Dispatch.DeleteUploadedFile(name);
    FailUpload(link, name);
    return true;
}

void IdleStep(Link& link) {
    LinkDialogue& d = link.Dialogue;
    SetLabel1(link, "Idle");
    SetReceiveThreshold(link, 1);
    d.ReplyBuffer.clear();
    d.ReplyKeptOpen = false;
    StampActivity(link);

    QString line = TakeFirstCommandLine(link);
    if (WithholdUncheckedSubmission(link, line)) return;
    if (!line.isEmpty()) {
        if (line.startsWith(QLatin1String("tr "))) {
            line.chop(1);  // an upload command goes out ending with CR only
            d.TransferLineSent = true;
            d.TransferReadAfter = 0;
        }
        d.DialogueState = 1;
        Send(link, line);
    } else if (d.TerminalModeRequested) {
        UnloadWaitForm(link);
        if (ITerminalWindow* terminal = link.Windows.TerminalModeForm) {
            terminal->Show();
            terminal->InitPrompt();
            if (terminal->IsVisible()) terminal->FocusTerminalWindow();
        }
    }
}

// A quiet tick with something received: is the reply complete?
void TestEndOfReply(Link& link) {
    LinkDialogue& d = link.Dialogue;
    const QString& reply = d.ReplyBuffer;
    CSession& session = link.F.gSession;
    bool complete = false;

    const QString prompt = TransceiverPromptAtEnd(reply);
    if (!prompt.isEmpty()) {
        d.CurrentPrompt = prompt;
        complete = true;
        session.ConnectedToTCU_Via_Com = true;
    } else if (reply.endsWith(kTcuPrompt)) {
        // The TCU's own shell answered: the bridge to the transceiver is not running.
        d.CurrentPrompt = kTcuPrompt;
        session.ConnectedToTCU_Via_Com = true;
    } else if (reply.endsWith(QLatin1String("\r\n: ")) && !d.NotSupportedShown) {
        // Queued: a box inside the tick would stop the dialogue until someone clicks.
        d.NotSupportedShown = true;
        QueueMessageBox(link.F, "The transceiver is not supported by this version of Tidepost",
                        "Transceiver not supported");
    }

    if (reply.endsWith(QLatin1String("> ")) || reply.endsWith(QLatin1String(" >"))) complete = true;
    for (const QString& prompt : kPasswordPrompts)
        if (reply.endsWith(d.EchoTerminator + prompt)) complete = true;

    if (complete) {
        d.DialogueState = 2;
        d.RunawayReplyLogged = false;
        session.SetMesConnected(true);
    }
    if (d.CurrentPrompt == kTcuPrompt && !d.MinicStarted) QueueCommand(link, "minic -f", false, true);
    // The echo of an upload command ends its reply at once, so the streaming can start.
    if (IsUploadEcho(link, reply)) d.DialogueState = 2;
}

void ReceivingStep(Link& link) {
    LinkDialogue& d = link.Dialogue;
    if (d.TransferLineSent) {
        if (d.TransferReadAfter == 0) {
            d.TransferReadAfter = Now(link) + kTransferEchoWaitMs;
            return;
        }
        if (Now(link) < d.TransferReadAfter) return;
        d.TransferLineSent = false;
        d.TransferReadAfter = 0;
    }

    QString chunk;
    if (ISerialControl* serial = OpenSerial(link)) {
        chunk = link.F.Os.Codec.Decode(serial->Input());
        // A read that fails closes the port; like a failed write it is checked, logged and
        // forgotten, and the reply ends by the time-out unless its prompt has come.
        if (!serial->PortOpen()) LinkFailure(link, serial->LastErrorNumber(), serial->LastErrorDescription());
    }
    // With both links up the socket carries the same conversation; its text is the one kept.
    if (ISocketControl* socket = ConnectedSocket(link)) chunk = link.F.Os.Codec.Decode(socket->GetData());

    if (ILinkWindow* window = link.Windows.Window; window && window->IsLogPCCommChecked())
        AppendToLogFile(link.F, chunk, "CommLog.txt", false);

    if (!chunk.isEmpty()) {
        SetLabel1(link, "Receiving");
        if (d.ReplyBuffer.isEmpty() || d.ReplyDeadlineMs == 0) StartReplyClock(link);
        d.ReplyBuffer += chunk;
        d.ReplyKeptOpen = false;
        StampActivity(link);
        // The time-out counts from the last chunk, so a line that never stops talking is cut
        // off here instead.
        if (DropRunawayReply(link)) return;
    } else if (d.ReplyBuffer.size() >= 2) {
        TestEndOfReply(link);
        // A reply that ended at its prompt is whole, however late this tick comes (a modal box
        // may have held the timer): it is no time-out and the link is not lost.
        if (d.DialogueState == 2) return;
    }

    // Counted from the last received chunk, not from the send.
    if (Now(link) > d.LastActivityTime + qint64(d.CommandTimeOut) * 1000) {
        if (!TerminalVisible(link)) ConnectionLost(link);
        d.DialogueState = 2;  // the partial reply is dispatched as it is
    }
}

void CompleteStep(Link& link) {
    if (TerminalVisible(link) && link.Dialogue.ShowReplyInTerminal) link.Dialogue.ShowReplyInTerminal();
    link.Transfer.ShowWholeReply = false;
    DispatchReply(link);
}

void UploadStep(Link& link) {
    LinkDialogue& d = link.Dialogue;
    if (d.StreamingStep) {
        d.StreamingStep();
        return;
    }
    // Nothing to stream: wait for the transceiver's answer as after an empty upload.
    d.ReplyBuffer.clear();
    d.DialogueState = 1;
    SetReceiveThreshold(link, 1);
    StampActivity(link);
}

void DebugDisplay(Link& link) {
    ILinkWindow* window = link.Windows.Window;
    if (link.Dialogue.DebugMode == 0 || window == nullptr) return;
    window->SetLabel4Caption(link.Dialogue.CommandQueue);
    const QString ticker = window->Label10Caption();
    window->SetLabel10Caption(ticker.size() > 8 ? QStringLiteral("T1: ") : ticker + "*");
}

void SetTimer1Enabled(Link& link, bool enabled) {
    if (link.Windows.Window) link.Windows.Window->SetTimer1Enabled(enabled);
}

}  // namespace

QString TransceiverPromptAtEnd(const QString& reply) {
    const QString last8 = reply.right(8);
    return kTransceiverPrompts.contains(last8) ? last8 : QString();
}

qint16 ReadCommandTimeOut(Foundation& f) {
    const QString text = GetAppSetting(f, f.gProductName, "Settings", "CommandTimeOut", "4").trimmed();
    bool ok = false;
    const double value = text.toDouble(&ok);
    if (!ok || !std::isfinite(value)) return kMinCommandTimeOut;
    const double rounded = std::nearbyint(value);  // halves to the even neighbour
    if (rounded < kMinCommandTimeOut) return kMinCommandTimeOut;
    if (rounded > 32767) return 32767;
    return static_cast<qint16>(rounded);
}

void StartDialogue(Link& link) {
    LinkDialogue& d = link.Dialogue;
    d.CommandQueue.clear();
    d.DialogueState = 0;
    d.MinicStarted = false;
    d.NotSupportedShown = false;
    d.CommandTimeOut = ReadCommandTimeOut(link.F);
}

void StampActivity(Link& link) { link.Dialogue.LastActivityTime = Now(link); }

qint64 QuietReplyDeadline(const Link& link) {
    const LinkDialogue& d = link.Dialogue;
    if (d.DialogueState != 1 || !d.ReplyBuffer.isEmpty() || d.TransferLineSent || d.DebugMode != 0) return -1;
    if (TerminalVisible(link) || ConnectedSocket(link) != nullptr) return -1;
    // The receive event announces the reply only when it is armed and someone listens.
    if (const ISerialControl* serial = OpenSerial(link); serial && (d.ReceiveThreshold < 1 || !serial->OnComm))
        return -1;
    return d.LastActivityTime + qint64(d.CommandTimeOut) * 1000;
}

void Timer1_Timer(Link& link) {
    constexpr const char* kProcedure = "MainForm.Timer1_Timer";
    // The timer is off while its tick runs, so a tick that lets window events run never
    // re-enters; it is on again after the tick whichever way the step ended. A failure is logged
    // and the dialogue goes on with the next tick.
    RunGuarded(link.F, kProcedure, [&] { SetTimer1Enabled(link, false); });
    RunGuarded(link.F, kProcedure, [&] {
        DebugDisplay(link);
        switch (link.Dialogue.DialogueState) {
        case 0: IdleStep(link); break;
        case 1: ReceivingStep(link); break;
        case 2: CompleteStep(link); break;
        case 3: UploadStep(link); break;
        default: break;
        }
    });
    RunGuarded(link.F, kProcedure, [&] { SetTimer1Enabled(link, true); });
}

}  // namespace tidepost
