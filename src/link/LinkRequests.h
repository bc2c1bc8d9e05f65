#pragma once
#include <QString>

namespace tidepost {

// What the menus and the start-up asked for and the reply dispatch answers when its reply comes.
struct LinkRequests {
    // The PC-settings advice is still to be shown in this run (set by the start-up).
    bool PcSettingsAdvicePending = false;
    // The transceiver-status menu asked for the status window; the next status reply opens it.
    bool TransceiverStatusRequested = false;
    bool LatestDistressRequested = false;
    bool GpsStatusRequested = false;
    bool PositionFormRequested = false;
    bool SetPcClockRequested = false;
    qint16 PUReplyMode = 0;
    // The size check of the latest uploaded message, waiting for its "ls" reply.
    bool SentFileCheckPending = false;
    QString SentFileName;
    qint32 SentFileSize = 0;
};

}  // namespace tidepost
