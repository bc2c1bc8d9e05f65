// The transceiver's replies: bytes arrive in chunks on the serial line while a command is
// outstanding, and go through the dialogue engine, the reply dispatch and every handler the link
// and the message, distress, configuration, EGC and reporting areas register, as in the running
// program. The programs dialog has been asked for once, so every program list goes to it.
//
// Input: byte 0 picks the command, byte 1 the echo's line end, whether the shell's prompt ends
// the reply (0x80), whether a DNID list goes to the set-up of a new program (0x40) rather than
// to the DNID list dialog, and whether the distress generator windows wait for their reply (0x20), byte 2 the size of the chunks; the rest is what the transceiver sends
// after the echo.
#include <array>

#include <QDir>

#include "FuzzWorld.h"
#include "config/Config.h"
#include "config/LesEditForm.h"
#include "egc/Egc.h"
#include "distress/Distress.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "messages/MessageHandlers.h"
#include "messages/Messages.h"
#include "reporting/Reporting.h"
#include "reporting/ReportingHandlers.h"
#include "support/FakeLinkWindow.h"

TIDEPOST_FUZZ_START_QT

namespace {

// Every command whose reply the program reads, with the arguments it sends.
constexpr std::array kCommands = {
    "st -l", "ver", "fx 1", "print tideprnt.txt -d", "st -a", "st -w", "st -m", "st -s", "st -i", "st -d", "st -g",
    "status -n", "st -v", "ru -g", "ti -u", "ti u", "se -g", "se -p", "se -q", "se -e", "se", "se -x", "se -sn",
    "set -z", "se -p 5530.00N 01230.00E", "se -g 1 2", "ro", "ls EGC.*", "st -e", "ty EGC.001 -b", "delete EGC.001",
    "ls IN.*", "st -r", "ty IN.001 -b -k", "delete IN.001", "ls AB123456.TXT", "type tideprnt.txt", "pg -d 0",
    "pg -d 1", "pg -d 2", "pg -d 3", "pg -d", "rs", "st -n", "se -m 1", "se -m ", "se -m ALL_OCEANS", "tx AB123456.TXT -l 012",
    "se -q 1", "se -q 0",
};
constexpr std::array kLineEnds = {"\r\n", "\n", "\r\r\n", "\r"};
constexpr int kTickMs = 60;
// Enough ticks for a reply without its prompt to end by the time-out, and for what the handlers
// queue after it to be sent and given up in turn.
constexpr int kMaxIdleTicks = 400;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace tidepost;
    if (size < 3) return 0;
    fuzz::FuzzWorld w;
    Link link{w.f};
    Messages m{w.f, link};
    RegisterMessageHandlers(m);
    Config config{w.f, link, m};
    RegisterConfigHandlers(config);
    // The station services reply is read only while a station's name dialog is open.
    config.LesEditForm.get().LoadLes("101", "Station");
    config.LesEditForm.get().show();
    Egc egc{w.f, link, m};
    RegisterEgcHandlers(egc);
    w.f.gEgcDir = w.platform.DataFolder() + "/egc";
    QDir().mkpath(w.f.gEgcDir);
    Reporting r{w.f, link};
    RegisterReportingHandlers(r);
    link.Requests.PUReplyMode = 2;
    // The distress area's parsers too: the test mode in whatever state the input drives it to,
    // and the latest-distress window as the menu asks for it.
    Distress d{w.f, link, m};
    RegisterDistressHandlers(d);
    // The generator windows the replies fill, open and close, as the application connects them.
    ConnectDistressGeneratorWindows(d);
    d.ShowDistressGeneratorOnReply = (data[1] & 0x20) != 0;
    d.ShowLmAlertSettingsOnReply = (data[1] & 0x20) != 0;
    link.Requests.LatestDistressRequested = true;
    // A PC clock request waits, so a time reply also reaches the clock (the fake one).
    link.Requests.SetPcClockRequested = true;
    r.DnidReplyTarget = (data[1] & 0x40) ? 1 : 0;
    test::FakeLinkWindow window;
    link.Windows.Window = &window;
    w.platform.Serial.Open();
    StartDialogue(link);

    const QString command = QString::fromLatin1(kCommands[data[0] % kCommands.size()]);
    const QByteArray lineEnd = kLineEnds[data[1] % kLineEnds.size()];
    const bool prompt = data[1] & 0x80;
    const qsizetype chunk = 1 + data[2] % 64;
    // The shell's line end is learnt from the first "st -l" echo, as at start-up.
    link.Dialogue.EchoTerminator = QString::fromLatin1(lineEnd);
    link.Dialogue.EchoTerminatorLength = static_cast<qint16>(lineEnd.size());

    QByteArray reply = command.toLatin1() + lineEnd;
    reply.append(reinterpret_cast<const char*>(data + 3), static_cast<qsizetype>(size - 3));
    if (prompt) reply.append("can0:/$ ");

    QueueCommand(link, command, true, false);
    Timer1_Timer(link);  // sends the command
    for (qsizetype at = 0; at < reply.size(); at += chunk) {
        w.platform.Serial.PushIncoming(reply.mid(at, chunk));
        w.platform.Clock.AdvanceMs(kTickMs);
        Timer1_Timer(link);
    }
    for (int i = 0; i < kMaxIdleTicks; ++i) {
        if (link.Dialogue.DialogueState == 0 && link.Dialogue.CommandQueue.isEmpty()) break;
        w.platform.Clock.AdvanceMs(kTickMs);
        Timer1_Timer(link);
    }
    return 0;
}
