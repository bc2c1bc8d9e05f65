#include "link/ReplyLimits.h"

#include <algorithm>

#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/SerialLink.h"
#include "link/TickGuard.h"
#include "platform/IClock.h"
#include "platform/ISerialControl.h"

namespace tidepost {

namespace {

constexpr qint64 kBitsPerCharacter = 10;  // start bit, 8 data bits, stop bit
constexpr qint64 kShortestDeadlineMs = 60'000;
// The slowest speed the link settings offer: a speed that cannot be read counts as this one, so
// that its deadline is the most generous.
constexpr qint64 kSlowestBaud = 2400;
// "Device I/O error": the line delivers something that is no reply.
constexpr int kDeviceIoError = 57;

// The line's speed in bits a second: the serial port's settings while it is open, otherwise the
// default serial speed, which the terminal control unit's line to the transceiver runs at.
qint64 LineBaud(const Link& link) {
    const ISerialControl* serial = link.F.Os.Serial;
    const QString settings = serial != nullptr && serial->PortOpen() ? serial->Settings() : kDefaultComSettings;
    bool ok = false;
    const qint64 baud = settings.section(QLatin1Char(','), 0, 0).trimmed().toLongLong(&ok);
    return ok && baud > 0 ? baud : kSlowestBaud;
}

qint64 Now(const Link& link) { return link.F.Os.Clock->MonotonicMs(); }

}  // namespace

qint64 ReplyDeadlineMs(const Link& link) {
    const qint64 fillMs = kMaxReplyChars * kBitsPerCharacter * 1000 / LineBaud(link);
    return std::max(kShortestDeadlineMs, 2 * fillMs);
}

void StartReplyClock(Link& link) {
    link.Dialogue.ReplyStartedAt = Now(link);
    link.Dialogue.ReplyDeadlineMs = ReplyDeadlineMs(link);
}

bool DropRunawayReply(Link& link) {
    LinkDialogue& d = link.Dialogue;
    const bool tooLong = d.ReplyBuffer.size() > kMaxReplyChars;
    const bool tooSlow = Now(link) - d.ReplyStartedAt > d.ReplyDeadlineMs;
    if (!tooLong && !tooSlow) return false;

    if (!d.RunawayReplyLogged) {
        const QString description =
            tooLong ? QStringLiteral("The transceiver sent %1 characters without a prompt").arg(d.ReplyBuffer.size())
                    : QStringLiteral("The transceiver kept sending for %1 s without a prompt")
                          .arg((Now(link) - d.ReplyStartedAt) / 1000);
        LogTickFailure(link.F, "MainForm.Timer1_Timer", kDeviceIoError,
                       description + QStringLiteral("; the reply was dropped and the link counts as lost"));
        d.RunawayReplyLogged = true;
    }
    d.ReplyBuffer.clear();  // gives the memory back
    d.ReplyKeptOpen = false;
    if (!TerminalVisible(link)) ConnectionLost(link);
    d.DialogueState = 0;
    return true;
}

}  // namespace tidepost
