#pragma once
#include <QString>
#include <functional>

namespace tidepost {

// The one conversation with the transceiver's shell: the command queue and the engine that sends
// a line, collects its reply and hands it to the dispatch (DialogueEngine.h, CommandQueue.h).
struct LinkDialogue {
    // Outgoing command lines, each ending in LF (normally CR LF). Kept as one text on purpose:
    // several writers insert raw text, and "is it queued" is a substring test.
    QString CommandQueue;
    bool CommandQueueBusy = false;
    // The user has confirmed the exit while a download may run: only download commands pass.
    bool ClosingDown = false;
    // When the exit was confirmed (monotonic milliseconds), and whether it has stopped waiting
    // for the distress buttons test to end (LinkLoss.h).
    qint64 ClosingDownSince = 0;
    bool DistressTestWaitOver = false;

    // DialogueState: 0 idle, 1 receiving a reply, 2 reply complete, 3 streaming an upload or
    // passing terminal keys through.
    qint32 DialogueState = 0;
    QString ReplyBuffer;
    // A dispatch row found the reply to be only its echo and sent the engine back to receiving;
    // cleared when more text arrives and when the next command goes out.
    bool ReplyKeptOpen = false;
    // The last send, received chunk or terminal key, in milliseconds of the monotonic clock, so
    // that midnight and clock changes do not disturb the reply time-out.
    qint64 LastActivityTime = 0;
    // Seconds a reply may stay quiet; at least 4.
    qint16 CommandTimeOut = 4;
    // The prompt that ended the latest reply ending with one; parsers cut it off.
    QString CurrentPrompt;
    // The line end after the echoed command, learnt from status-list replies.
    QString EchoTerminator;
    qint16 EchoTerminatorLength = 0;
    // An upload command has just gone out: the first read waits until TransferReadAfter
    // (monotonic milliseconds; 0 until that wait has begun) so the echo can arrive whole.
    bool TransferLineSent = false;
    qint64 TransferReadAfter = 0;
    bool NotSupportedShown = false;
    bool MinicStarted = false;
    bool TerminalModeRequested = false;
    // When the reply being received began (monotonic milliseconds) and how long it may run;
    // a line that talks on without a prompt is cut off there (ReplyLimits.h). The error log
    // hears of that once until a reply ends at its prompt again.
    qint64 ReplyStartedAt = 0;
    qint64 ReplyDeadlineMs = 0;
    bool RunawayReplyLogged = false;
    // The serial port's receive event as last set: 1 announces the next character, 0 is silent.
    qint32 ReceiveThreshold = 0;
    // The debug display is on (debug menu).
    qint16 DebugMode = 0;
    // A cleaned copy of a reply shared between parsers.
    QString ReplyWorkText;

    // Steps of the serial link, the upload streaming and the terminal display, set by their code;
    // while one is unset the engine goes on without it.
    std::function<void()> CheckCommEvent;
    std::function<void()> ShowReplyInTerminal;
    std::function<void()> StreamingStep;
};

}  // namespace tidepost
