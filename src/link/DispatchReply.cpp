#include "link/DispatchReply.h"

#include "link/DialogueEngine.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/ReplyRows.h"
#include "link/TickGuard.h"
#include "link/UploadStreaming.h"

namespace tidepost {

namespace {

// A handler that fails must not keep the other rows, or the next command, from running.
template <typename Step>
void Guarded(Link& link, const Step& step) {
    RunGuarded(link.F, "MainForm.Timer1_Timer", step);
}

// The reply so far is only its echo (rows 9 and 41). Such a reply ended by the time-out, so the
// rest gets one more quiet period, counted from now. A reply that gained nothing in that period
// is given up: a transceiver gone silent after its echo would otherwise hold the dialogue, and
// no other command would ever go out.
void KeepReceiving(Link& link) {
    LinkDialogue& d = link.Dialogue;
    if (d.ReplyKeptOpen) {
        d.ReplyKeptOpen = false;
        d.DialogueState = 0;
        return;
    }
    d.ReplyKeptOpen = true;
    StampActivity(link);
}

}  // namespace

bool LearnEchoTerminator(Link& link, const QString& reply) {
    static const struct {
        const char* text;
        const char* terminator;
    } shapes[] = {{"st -l\n", "\n"}, {"st -l\r\n", "\r\n"}, {"st -l\r\r\n", "\r\r\n"}};
    for (const auto& shape : shapes) {
        if (reply.startsWith(QLatin1String(shape.text))) {
            link.Dialogue.EchoTerminator = QString::fromLatin1(shape.terminator);
            link.Dialogue.EchoTerminatorLength = static_cast<qint16>(link.Dialogue.EchoTerminator.size());
            return true;
        }
    }
    return false;
}

void DispatchReply(Link& link) {
    LinkDialogue& d = link.Dialogue;
    const QString reply = d.ReplyBuffer;
    if (LearnEchoTerminator(link, reply)) {
        Guarded(link, [&] {
            if (link.Dispatch.CheckInfos) link.Dispatch.CheckInfos(reply);
        });
        Guarded(link, [&] {
            if (link.Dispatch.CheckErrors) link.Dispatch.CheckErrors(reply);
        });
        Guarded(link, [&] {
            if (d.CheckCommEvent) d.CheckCommEvent();
        });
    }
    if (link.Windows.Window) link.Windows.Window->SetLabel1Caption("Processing");
    d.DialogueState = 0;
    if (IsUploadEcho(link, reply)) BeginStreaming(link);
    if (TerminalVisible(link)) return;  // the terminal is in use: its reply is the user's to read

    for (const ReplyRow& row : ReplyRows())
        if (RowMatches(link, row, reply)) Guarded(link, [&] { row.Action(link, reply); });
    if (d.DialogueState == 1) KeepReceiving(link);
}

}  // namespace tidepost
