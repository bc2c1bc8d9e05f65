#pragma once
#include <QtGlobal>

namespace tidepost {

struct Link;

// The transceiver no longer answers: the session and what it told are forgotten, the indicators
// turn red, a pending upload check is reported, and the dialogue goes back to idle. The links
// stay open; their own code notices when they are gone.
void ConnectionLost(Link& link);

// Closes both links and forgets that the transceiver answers.
void CloseConnection(Link& link);

// No EGC or message download is running.
bool IsDownloadIdle(const Link& link);

// The user has confirmed the exit: sets ClosingDown and ends a running distress buttons test;
// with no download running and no test to wait for closes the links and returns True (the window
// may close now); otherwise starts `CloseDownTimer` and returns False, so the exit waits.
bool BeginCloseDown(Link& link);

// One tick of `CloseDownTimer` (65 ms) while the exit waits for a download, or for the distress
// buttons test to end (ended again whenever the transceiver reports it running; waited for at
// most kDistressTestExitWaitMs, and not at all while the transceiver does not answer).
void CloseDownTimer_Timer(Link& link);
inline constexpr qint64 kDistressTestExitWaitMs = 30000;

// Hands the dialogue to the terminal window: it is shown once the command queue has run empty.
void EnterTerminalMode(Link& link);

}  // namespace tidepost
