#pragma once
#include <QByteArray>
#include <QString>

namespace tidepost {

// What the engine streams after the echo of an upload command ("tr"), and the keys it passes
// through while the terminal window's user types an upload by hand (UploadStreaming.h).
struct LinkTransfer {
    // Set by the printing through the transceiver's printer before it queues its upload: the
    // echo of "tr tideprnt.txt" streams this text instead of a file, once.
    bool RawTransferMode = false;
    QString RawTransferText;
    // The code page chosen in the send dialogue; 1 with the Russian interface moves the streamed
    // bytes from windows-1251 to code page 866. Each upload takes the value it had when it was
    // queued (SentFileCheck::To866).
    quint8 SendCodePage = 0;
    // Every key typed in the terminal window since the engine's last pass-through step, so that
    // none is lost between two ticks.
    QString TerminalKey;

    // The upload being streamed: prepared on the first streaming tick, written on the first tick
    // from WriteAt (monotonic milliseconds) on, so the transceiver has its pause after the echo.
    bool Prepared = false;
    qint64 WriteAt = 0;
    QByteArray Text;
    bool Raw = false;
    // A pass-through runs: what it reads gathers in ReplyBuffer until the prompt comes.
    bool PassThroughActive = false;
    // The complete reply is a pass-through's output, shown whole (it has no echo line to drop).
    bool ShowWholeReply = false;
};

}  // namespace tidepost
