#pragma once
#include <QTest>
#include <functional>

#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "support/ManualClock.h"

namespace tidepost::test {

// Runs the link's 60-ms tick, moving the test's clock along with it, until `done` holds; false
// when `ms` of real time pass first (the far end is a real pseudo-terminal or socket).
inline bool RunLinkUntil(Link& link, ManualClock& clock, const std::function<bool()>& done, int ms = 20000) {
    return QTest::qWaitFor(
        [&] {
            clock.AdvanceMs(60);
            Timer1_Timer(link);
            return done();
        },
        ms);
}

// Nothing waits in the command queue and no dialogue with the transceiver is under way.
inline bool LinkIdle(const Link& link) {
    return link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0;
}

}  // namespace tidepost::test
