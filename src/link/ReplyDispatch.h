#pragma once
#include <QString>
#include <functional>

namespace tidepost {

// The reply handlers, registered by the area that owns each of them; a handler that is not
// registered is skipped (a Boolean one counts as False). Unless a slot says otherwise it is
// called with the whole reply. The rows (ReplyRows.h) run their own part (flags, watchdogs, the
// windows) around these calls, so the order of what happens is the table's.
struct ReplyDispatch {
    using Handler = std::function<void(const QString& reply)>;
    using Check = std::function<bool(const QString& reply)>;
    using Action = std::function<void()>;
    using Query = std::function<bool()>;

    // Every status-list reply, before the rows and also while the terminal window is in use
    // (gInfo.CheckInfos, gInfo.CheckErrors).
    Handler CheckInfos;
    Handler CheckErrors;

    Handler HandleVersionReply;              // 1
    Handler HandleFixedPositionsReply;       // 2
    Handler HandleLatestDistressReply;       // 4, only while LatestDistressRequested
    Handler HandleTransceiverStatusReply;    // 5, without the prompt's length at its end
    Handler HandleLinkTestReply;             // 6
    Handler HandleSignalStrengthReply;       // 7
    Handler HandleStatusInfoReply;           // 8
    Handler HandleDnidListReply;             // 9
    struct {
        Handler SaveData;                    // 10, before ENIDForm is shown
    } cENID;
    Handler HandleLesServicesReply;          // 11
    Handler ParseSoftwareInfo;               // 12 (MainForm.ParseSoftwareInfo)
    Handler HandleGpsStatusReply;            // 13
    Handler HandleSystemTimeReply;           // 14
    Handler SetPcClockFromTransceiver;       // 14, while SetPcClockRequested
    Handler HandleUtcTextReply;              // 15
    Handler HandleDistressGeneratorReply;    // 16
    struct {
        std::function<void(int status)> AddDistressAlert;  // 16
    } cOutBox;
    Action OutboxButton_Click;               // 16: the sent-items view shown again
    Handler HandlePositionReply;             // 17
    Handler HandleDistressTestModeReply;     // 18
    Handler HandleEGCReceiverOnlyReply;      // 19
    Handler HandleEGCSettingsReply;          // 20
    Handler HandleCoastalAreasReply;         // 21
    Handler HandleSpareNavareasReply;        // 22
    Handler HandlePrinterRoutingReply;       // 23
    Handler HandleRoutingMenuReply;          // 26
    struct {
        Check DecodeEGCs;                    // 27: True when EGCs are to be fetched
        Query UpdateEgcLog;                  // 28
        Handler DecodeEgcLog;                // 28
        Action RepairEgcLog;                 // 28
        Handler HandleEGCLog;                // 28
        Handler Transfer;                    // 29
    } CEGC;
    Handler HandleInboxListing;              // 31
    Handler HandleInboxLog;                  // 32
    Handler Transfer_IN_To_PC;               // 33
    // 35: False when the uploaded file's size is not the one sent.
    std::function<bool(const QString& reply, const QString& fileName, qint32 fileSize)> CheckUploadedFileSize;
    std::function<void(const QString& fileName)> DeleteUploadedFile;  // 35
    // 36: gets its own copy of the reply, which it may shorten.
    std::function<void(QString& text)> Print_Fetched_File;
    Handler HandleProgramStatusReply;        // 37 to 40
    Handler HandleProgramListReply;          // 41, while PUReplyMode is 2
    Handler HandleMessageReportingReply;     // 42
    Handler UpdateLESList;                   // 43
    Action ClearOutboxAfterMesRestart;       // 44
    Handler ExtractNatureOfDistress;         // 45
    Handler ExtractOption112Les;             // 46
    Handler HandleTxEgcOnlyError;            // 47, "ERROR 250:" in the reply
    Handler HandleTxError;                   // 47, any other "ERROR"
    // An upload was given up (its size check failed, or the link was lost before its submission
    // was answered): the outbox-log lines of that file become "Failed".
    std::function<void(const QString& fileName)> MarkUploadFailed;
};

}  // namespace tidepost
