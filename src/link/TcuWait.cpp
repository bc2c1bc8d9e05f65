#include "link/TcuWait.h"

#include "link/LanLink.h"
#include "link/Link.h"
#include "platform/IClock.h"
#include "platform/ISocketControl.h"

namespace tidepost {

namespace {

// The collected text keeps this much of its end: enough for an answer that came in pieces, and a
// unit that talks on for the whole wait cannot fill the memory.
constexpr qsizetype kCollectedKept = 1024;

bool SocketConnected(const Link& link) {
    return link.F.Os.Socket != nullptr && link.F.Os.Socket->SocketState() == ISocketControl::Connected;
}

}  // namespace

void TcuWait::Start(const Link& link, Kind kind) {
    m_kind = kind;
    m_collected.clear();
    const qint64 span = kind == Kind::Bridge ? kBridgeMs : kConnectionMs;
    m_deadline = link.F.Os.Clock->MonotonicMs() + span;
}

TcuWait::Outcome TcuWait::Step(Link& link) {
    if (m_kind == Kind::None) return Outcome::Waiting;
    bool done = false;
    if (m_kind == Kind::Connection) {
        done = SocketConnected(link);
    } else if (SocketConnected(link)) {
        // The answer counts even when it arrives on the step that reaches the deadline: a unit
        // that answered is not to be rebooted.
        m_collected += ReadFromTcu(link);
        done = IsBridgeAnswer(m_collected);
        if (m_collected.size() > kCollectedKept) m_collected = m_collected.right(kCollectedKept);
    }
    if (done) {
        m_kind = Kind::None;
        return Outcome::Succeeded;
    }
    if (link.F.Os.Clock->MonotonicMs() >= m_deadline) {
        m_kind = Kind::None;
        return Outcome::TimedOut;
    }
    return Outcome::Waiting;
}

}  // namespace tidepost
