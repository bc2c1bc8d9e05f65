#pragma once
#include <QList>
#include <QString>

namespace tidepost {

// One uploaded message file: its transceiver name and the size its listing must show.
struct SentFileCheck {
    QString SentFileName;
    qint32 SentFileSize = 0;
    // The "ls" reply showed the whole file; only the answer to the submission is awaited.
    bool SizeChecked = false;
    // The file's windows-1251 bytes go out moved to code page 866: the choice made when this
    // upload was queued, which a later send's choice does not change.
    bool To866 = false;
};

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
    // Every message upload on its way, oldest first, from its queuing until the transceiver has
    // answered its submission ("tx"); each has its own size check (UploadChecks.h).
    QList<SentFileCheck> SentFileChecks;
};

}  // namespace tidepost
