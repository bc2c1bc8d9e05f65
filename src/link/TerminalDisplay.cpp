#include "link/TerminalDisplay.h"

#include "foundation/UsefullRoutines.h"
#include "link/CommandQueue.h"
#include "link/ITerminalWindow.h"
#include "link/Link.h"
#include "link/LinkIo.h"
#include "platform/ISerialControl.h"
#include "platform/ISocketControl.h"

namespace tidepost {

namespace {

constexpr int kTerminalKeepCharacters = 10000;
const QString kCheckGps = QStringLiteral("CheckGPS");

void EndPassThrough(Link& link, int state) {
    LinkTransfer& t = link.Transfer;
    t.PassThroughActive = false;
    t.TerminalKey.clear();  // a key typed after the end is no part of the upload
    t.ShowWholeReply = state == 2;
    link.Dialogue.DialogueState = state;
    SetReceiveThreshold(link, 1);
    DialogueWorkArrived(link);
}

// The keys typed since the last step, on the serial port when it is open, else on the socket.
void SendTypedKeys(Link& link) {
    LinkTransfer& t = link.Transfer;
    if (t.TerminalKey.isEmpty()) return;
    const QByteArray keys = link.F.Os.Codec.Encode(t.TerminalKey);
    if (ISerialControl* serial = OpenSerial(link)) {
        if (!serial->Output(keys)) LinkFailure(link, serial->LastErrorNumber(), serial->LastErrorDescription());
        t.TerminalKey.clear();
    }
    if (ISocketControl* socket = t.TerminalKey.isEmpty() ? nullptr : ConnectedSocket(link)) {
        if (!socket->SendData(keys)) LinkFailure(link, socket->LastErrorNumber(), socket->LastErrorDescription());
        t.TerminalKey.clear();
    }
}

QString ReadWaiting(Link& link) {
    if (ISerialControl* serial = OpenSerial(link)) {
        const QString chunk = link.F.Os.Codec.Decode(serial->Input());
        if (!serial->PortOpen()) LinkFailure(link, serial->LastErrorNumber(), serial->LastErrorDescription());
        return chunk;
    }
    if (ISocketControl* socket = ConnectedSocket(link)) return link.F.Os.Codec.Decode(socket->GetData());
    return {};
}

}  // namespace

void ShowReplyInTerminal(Link& link) {
    ITerminalWindow* terminal = link.Windows.TerminalModeForm;
    if (terminal == nullptr) return;
    const LinkDialogue& d = link.Dialogue;
    const QString& reply = d.ReplyBuffer;
    QString text;
    if (link.Transfer.ShowWholeReply || reply == d.CurrentPrompt) {
        text = reply;
    } else {
        const qsizetype echoEnd = reply.indexOf(d.EchoTerminator);
        if (echoEnd >= 0) text = reply.mid(echoEnd + d.EchoTerminator.size());
    }
    terminal->KeepLastCharacters(kTerminalKeepCharacters);
    text = LfToCrLf(RemoveStxEtx(text));
    QString& tag = link.Polls.TerminalModeFormTag;
    if (text.contains(QLatin1String("Test Summary:")) && tag == kCheckGps) {
        tag.clear();
        return;
    }
    terminal->AppendText(text);
    terminal->MoveCaretToEnd();
}

void PassThroughStep(Link& link) {
    LinkDialogue& d = link.Dialogue;
    LinkTransfer& t = link.Transfer;
    if (!t.PassThroughActive) {
        t.PassThroughActive = true;
        SetReceiveThreshold(link, 0);
        d.ReplyBuffer.clear();  // the echo has been shown
    }
    if (!TerminalVisible(link)) {
        d.ReplyBuffer.clear();
        EndPassThrough(link, 0);
        return;
    }
    SendTypedKeys(link);
    d.ReplyBuffer += ReadWaiting(link);
    const bool atPrompt = d.ReplyBuffer.size() >= d.CurrentPrompt.size() && d.ReplyBuffer.endsWith(d.CurrentPrompt);
    const bool linkLost = !link.F.gSession.MesConnected() || (OpenSerial(link) == nullptr && ConnectedSocket(link) == nullptr);
    if (atPrompt || linkLost) EndPassThrough(link, 2);
}

}  // namespace tidepost
