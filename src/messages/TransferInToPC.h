#pragma once
#include <QString>

namespace tidepost {

struct Link;
struct Messages;

// The message body of a fetch reply: the text after the echoed command and the two lines that
// follow it (lines end with EchoTerminator), less CurrentPrompt at its end. A reply with fewer
// than three line ends is returned whole, less the prompt.
QString StripReplyFrame(const Link& link, const QString& reply);

// Handles the reply of a fetch command "ty IN.nnn" (dispatch row 33). A remote-configuration
// packet is handed to the remote configuration: one that ran is deleted unstored, one that waits
// for the transceiver's time is left alone, any other is stored as an ordinary message. The
// message, when listed and in the message log, is checked for length (and fetched again when
// short, up to ten times), stored as a new file of the inbox folder with its line in "in.idx",
// shown in the inbox view, deleted on the transceiver, announced (icon and notice, or the urgency
// or distress alarm) and printed when the settings ask. Only a reply that ends with the
// transceiver's prompt is stored or deleted; a message already in the index is only deleted. Every
// path ends with the end-of-download rule except a queued retry. Failures are queued as boxes.
void Transfer_IN_To_PC(Messages& m, const QString& reply);

// "IN." and three printable characters without blanks: the only names a delete or a repeated
// fetch is built from.
bool IsInboxFileName(const QString& name);

}  // namespace tidepost
