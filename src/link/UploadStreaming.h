#pragma once
#include <QString>

namespace tidepost {

struct Link;

// What the engine does in DialogueState 3, after the echo of an upload command: it writes the
// file (or the printer's text) into the link, or, while the terminal window is shown, passes the
// user's keys through until the shell prompt returns (TerminalDisplay.h).

// Whether a complete reply is an upload command's echo: it begins with "tr ", or, while the
// terminal window is shown, with "transfer " (the terminal passes both through).
bool IsUploadEcho(const Link& link, const QString& reply);
// DialogueState 3 for a new upload or pass-through; nothing of an earlier one is kept.
void BeginStreaming(Link& link);
// One engine tick in DialogueState 3. The first prepares the upload (the text, the upload
// window) and the first 100 ms later writes all of it in pieces of 100 bytes, then waits for
// the transceiver's answer (DialogueState 1). A pass-through takes one step a tick.
void StreamingStep(Link& link);
// Fills the engine's seams StreamingStep and ShowReplyInTerminal.
void RegisterUploadStreaming(Link& link);

}  // namespace tidepost
