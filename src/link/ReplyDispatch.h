#pragma once
#include <QList>
#include <QString>
#include <array>
#include <functional>

namespace tidepost {

struct Link;

// How a row's text is compared with a reply. All comparisons are exact unless the kind says
// otherwise.
enum class ReplyMatch {
    Echo,                // the reply begins with the text and EchoTerminator (the text alone until one is learnt)
    Start,               // the reply begins with the text
    StartIgnoringCase,   // the same, letter case ignored
    AnywhereIgnoringCase // the text occurs anywhere in the reply, letter case ignored
};

// One row of the dispatch table. The echoed command at the start of a reply selects the rows.
struct ReplyRow {
    int Number;     // 1..47: the table order
    const char* Text;  // row 35 compares "ls " followed by SentFileName instead
    ReplyMatch Match;
};

inline constexpr int kUploadCheckRow = 35;

// The 47 rows, in table order.
const std::array<ReplyRow, 47>& ReplyRows();

// The reply handlers, registered by the area that owns each of them; a handler that is not
// registered is skipped (a Boolean one counts as False). Unless a slot says otherwise it is
// called with the whole reply. The dispatch runs its own part of a row (flags, watchdogs, the
// wait window) around these calls, so the order of what happens is the table's.
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
        Handler SaveData;                    // 10
    } cENID;
    struct {
        Action Show;                         // 10, after cENID.SaveData
    } ENIDForm;
    Handler HandleLesServicesReply;          // 11
    Handler ParseSoftwareInfo;               // 12 (MainForm.ParseSoftwareInfo)
    struct {
        Query IsVisible;
        std::function<void(const QString& caption)> SetCaption;
        Action Show;
    } GPSStatusForm;                         // 13
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
    struct {
        Query IsVisible;
        Action Show;
        Action UpdatePosition;
    } PositionForm;                          // 17, while PositionFormRequested
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
};

// Learns EchoTerminator from a reply beginning "st -l" and LF, CR LF or CR CR LF; True when it
// did (the reply is then a status list).
bool LearnEchoTerminator(Link& link, const QString& reply);

// Whether the row matches the reply with the line end learnt so far.
bool RowMatches(const Link& link, const ReplyRow& row, const QString& reply);
// The numbers of the rows that match, in table order.
QList<int> MatchingRows(const Link& link, const QString& reply);

// The state-2 step: learns the line end, leaves DialogueState at 0 (3 for an upload echo) and,
// unless the terminal window is in use, runs every matching row in table order. Rows 9 and 41
// put the engine back to receiving when the reply is only the echo, for one more quiet period:
// when nothing has arrived by then, the reply is given up and the next command goes out.
void DispatchReply(Link& link);

}  // namespace tidepost
