#pragma once
#include <QString>

namespace tidepost {

struct Foundation;
struct Link;

// The setting "CommandTimeOut" of section "Settings" (default 4) rounded to whole seconds, and
// never below 4.
qint16 ReadCommandTimeOut(Foundation& f);

// The dialogue as the program starts: empty queue, idle, no TCU bridge started, the "not
// supported" box not shown yet, and the time-out read from the settings.
void StartDialogue(Link& link);

// The transceiver's shell prompt ("can0:/$ ", "can1:/$ " or "can2:/$ ") that ends the reply; ""
// when it ends otherwise (cut by the time-out or a lost link, or another shell's prompt).
QString TransceiverPromptAtEnd(const QString& reply);

// LastActivityTime := now.
void StampActivity(Link& link);

// One tick of the main window's `Timer1` (60 ms): one step of the state in DialogueState.
// Idle: send the first queued line on every link that is up. Receiving: collect what arrived and
// decide whether the reply is complete or has timed out. Complete: dispatch it. Streaming: the
// upload step, when one is registered.
void Timer1_Timer(Link& link);

// A command has gone out and no text of its reply has come yet, and the first text can only come
// by a way that announces it (the serial port's receive event, which starts the dialogue's
// timers; no socket carries the dialogue): polling would find nothing until the reply's time-out.
// Returns the monotonic milliseconds at which that time-out falls due, or -1 while the dialogue
// must be polled (text received, an upload's echo wait, the terminal shown, the debug display).
qint64 QuietReplyDeadline(const Link& link);

}  // namespace tidepost
