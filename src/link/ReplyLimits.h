#pragma once
#include <QString>

namespace tidepost {

struct Link;

// The most a reply may hold without its prompt ending it: far beyond any listing, status or
// message the shell sends, so only a line that never stops talking (noise at a wrong speed, a
// device streaming on the wrong port) reaches it.
inline constexpr qsizetype kMaxReplyChars = qsizetype(1) << 20;

// How long a reply may run, from its first character, on the line in use: twice the time
// kMaxReplyChars take at the line's speed (10 bits a character), and never under a minute. A
// legitimate reply is far smaller and arrives at the line's speed, so it never gets there; a line
// that trickles text without a prompt does, long before it fills the reply.
qint64 ReplyDeadlineMs(const Link& link);

// A reply has begun: starts its deadline on the monotonic clock.
void StartReplyClock(Link& link);

// When the reply being received has grown past kMaxReplyChars or run past its deadline: drops
// it, writes one line in the error pattern to the error log for each outage, and treats the link
// as lost (not while the terminal window is in use, where the user reads the line). The engine is
// idle afterwards. True when it did.
bool DropRunawayReply(Link& link);

}  // namespace tidepost
