#pragma once

namespace tidepost {

struct Link;

// The terminal window's side of the engine (the window itself: ITerminalWindow.h).

// A complete reply shown in the terminal window (DialogueState 2, window visible, before the
// dispatch): the text after the echoed command line, without STX and ETX and with CR LF line
// ends, after the window has been cut to its last 10,000 characters. A self-test summary that
// the 60-s timer's query brought is swallowed once.
void ShowReplyInTerminal(Link& link);

// One step of the pass-through after an upload command typed in the terminal window: the keys
// typed since the last step go to the transceiver, and what it sends gathers until it ends with
// the shell prompt (DialogueState 2, all of it shown). It also ends when the window closes
// (DialogueState 0, the rest is nobody's) and when the link is lost (DialogueState 2).
void PassThroughStep(Link& link);

}  // namespace tidepost
