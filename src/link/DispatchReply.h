#pragma once
#include <QString>

namespace tidepost {

struct Link;

// Learns EchoTerminator from a reply beginning "st -l" and LF, CR LF or CR CR LF; True when it
// did (the reply is then a status list).
bool LearnEchoTerminator(Link& link, const QString& reply);

// The state-2 step: learns the line end, leaves DialogueState at 0 (3 for an upload echo) and,
// unless the terminal window is in use, runs every matching row in table order (ReplyRows.h).
// Rows 9 and 41 put the engine back to receiving when the reply is only the echo, for one more
// quiet period: when nothing has arrived by then, the reply is given up and the next command
// goes out.
void DispatchReply(Link& link);

}  // namespace tidepost
