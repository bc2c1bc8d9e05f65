#pragma once
#include <QString>
#include <functional>

#include "foundation/Foundation.h"
#include "link/CInfo.h"
#include "link/ITransceiverStatusCaption.h"
#include "link/TcuDiscovery.h"
#include "link/ILinkMenus.h"
#include "link/IMobileStatusField.h"
#include "link/StatusReplyHandlers.h"
#include "link/StatusWindows.h"
#include "link/ReplyDispatch.h"
#include "link/cInfoLog.h"

namespace tidepost {

class ILinkWindow;
class ILanLinkWindow;
class ITerminalWindow;
class IDistressModeWindow;
class IPollWindow;
class INotificationsWindow;

// The state of the one conversation with the transceiver's shell: one instance per program run,
// owned by the application object. Members keep the names the rest of the program knows them by.
struct Link {
    explicit Link(Foundation& foundation) : F(foundation) {}
    Foundation& F;

    // Outgoing command lines, each ending in LF (normally CR LF). Kept as one text on purpose:
    // several writers insert raw text, and "is it queued" is a substring test.
    QString CommandQueue;
    bool CommandQueueBusy = false;
    // The user has confirmed the exit while a download may run: only download commands pass.
    bool ClosingDown = false;
    // The transceiver status window once it exists; null before that and in tests without one.
    ITransceiverStatusCaption* TransceiverStatusWindow = nullptr;

    // The transceiver's identity and status replies (TransceiverIdentity.h,
    // TransceiverStatusReply.h, PositionTimeReplies.h).
    // The PC-settings advice is still to be shown in this run (set by the main window's start-up).
    bool PcSettingsAdvicePending = false;
    // The transceiver-status menu asked for the status window; the next status reply opens it.
    bool TransceiverStatusRequested = false;
    // The UTC date and time text last read from "ti u".
    QString UtcTimeText;
    // A cleaned copy of a reply shared between parsers.
    QString ReplyWorkText;
    // The main window's menus and status field, and the status windows of later areas; null or
    // unset before they exist.
    ILinkMenus* Menus = nullptr;
    IMobileStatusField* StatusField = nullptr;
    StatusWindows StatusForms;

    // The dialogue (DialogueEngine.h). DialogueState: 0 idle, 1 receiving a reply, 2 reply
    // complete, 3 streaming an upload or passing terminal keys through.
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
    // The debug display is on (debug menu).
    qint16 DebugMode = 0;

    // Requests of the menus that the reply dispatch answers.
    bool LatestDistressRequested = false;
    bool GpsStatusRequested = false;
    bool PositionFormRequested = false;
    bool SetPcClockRequested = false;
    qint16 PUReplyMode = 0;
    // The size check of the latest uploaded message, waiting for its "ls" reply.
    bool SentFileCheckPending = false;
    QString SentFileName;
    qint32 SentFileSize = 0;

    // What the connected transceiver told or was told; forgotten when the link is lost.
    QString TransceiverSerialNumber;
    bool MesPrinterConfigured = false;
    qint16 DistressTestModeActive = 0;
    bool MenuUpdateBusy = false;

    // The LAN link to the terminal control unit (LanLink.h, TcuDiscovery.h): the bring-up state
    // 0..7, ticks spent in it, the text of its latest read, ticks since the latest discovery, and
    // ticks the TCU indicator stays green after a TCU or transceiver prompt on the serial link.
    quint8 LanLinkState = 0;
    qint32 LanRetryCount = 0;
    QString LanReceiveBuffer;
    qint16 SlpRetryTicks = 0;
    qint32 TcuIndicatorCountdown = 0;
    // Discovery and version questions whose answers are on their way.
    TcuDiscovery SlpSearches;
    ILanLinkWindow* LanWindow = nullptr;

    // The reply rows and the handlers other areas register for them.
    ReplyDispatch Dispatch;
    // Windows, registered once they exist; null before that and in tests without them.
    ILinkWindow* Window = nullptr;
    ITerminalWindow* TerminalModeForm = nullptr;
    IDistressModeWindow* DistressModeForm = nullptr;
    // Steps of the serial link, the upload streaming and the terminal display, set by their code;
    // while one is unset the engine goes on without it.
    std::function<void()> CheckCommEvent;
    std::function<void()> ShowReplyInTerminal;
    std::function<void()> StreamingStep;

    // The periodic polls (PeriodicPolls.h): the transceiver last seen by the change watch, the
    // once-per-run low-disk warning (cleared when another EGC folder is chosen), the terminal
    // window's marker "CheckGPS" for the terminal display, and the main window's part of them.
    ::tidepost::SessionSnapshot SessionSnapshot;
    bool LowDiskWarningShown = false;
    QString TerminalModeFormTag;
    IPollWindow* PollWindow = nullptr;

    // The transceiver's INFO and ERROR notifications: the info log, and the walker of status-list
    // replies, which registers itself on the dispatch (so it comes after Dispatch).
    cInfoLog gInfoLog{F};
    CInfo gInfo{*this};
    // INFO 116's box was queued in this run; INFO 552s not yet balanced by an INFO 80 or 81.
    bool Info116Shown = false;
    qint16 Info552Count = 0;
    // The main window's info-log view, its test-mode notice and distress test window; null until
    // registered.
    INotificationsWindow* NotificationsWindow = nullptr;

    // The identity, status, position and time parsers on their dispatch rows (after Dispatch).
    StatusReplyHandlers StatusReplies{*this};
};

// The terminal window exists and is shown.
bool TerminalVisible(const Link& link);
// Closes the main window's wait form; nothing without a main window.
void UnloadWaitForm(Link& link);

}  // namespace tidepost
