#pragma once
#include <QString>
#include <functional>

namespace tidepost {

struct Link;

// Adds a command line to link.Dialogue.CommandQueue: at the end as cmd + CR LF, or at the front as
// CR LF + cmd + CR LF (an empty line first, then cmd). Refused (False, nothing added) when
// IsCommandAllowed refuses cmd, when allowDuplicate is False and cmd already occurs anywhere in
// the queue (case-sensitive substring), and, at the end only, when cmd is empty.
bool QueueCommand(Link& link, const QString& cmd, bool allowDuplicate, bool atFront);

// Puts line and a single LF before everything queued, so it is the next line sent: the answer to
// a question the transceiver is asking now. Nothing is checked or refused.
void PutAnswerAtHead(Link& link, const QString& line);

// The admission gate: everything passes unless the program is closing down, when only the
// commands that carry a running EGC or message download to its end, and "se -q 0" that ends the
// distress buttons test, are admitted.
bool IsCommandAllowed(const Link& link, const QString& cmd);

// True when text occurs anywhere in the queue, letter case ignored.
bool IsCommandQueued(const Link& link, const QString& text);

// Takes the first line out of the queue: everything up to and including the first LF. Returns ""
// and leaves the queue unchanged when the queue holds no LF.
QString TakeFirstCommandLine(Link& link);

// Takes every queued line for which `withdraw` (given the line without its line end) is true out
// of the queue, keeping the others in order; returns how many were taken.
int WithdrawCommands(Link& link, const std::function<bool(const QString& line)>& withdraw);

// The dialogue has work for Timer1: a line is queued, a reply is being received, completed or
// streamed, the idle step after a reply has not yet run, terminal mode was asked for or its window
// is shown, or the debug display runs.
// Without any of these Timer1 rests until DialogueWorkArrived starts it again (and while a reply
// is awaited quietly, see QuietReplyDeadline).
bool DialogueHasWork(const Link& link);

// Tells the main window that the dialogue has work now (a line was queued by any writer, reply
// bytes arrived), so that Timer1 starts in the same call rather than on a later tick.
void DialogueWorkArrived(Link& link);

}  // namespace tidepost
