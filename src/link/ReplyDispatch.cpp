#include "link/ReplyDispatch.h"

#include <QVariantList>

#include "foundation/AppSettings.h"
#include "foundation/ErrorHandling.h"
#include "foundation/MessageBoxQueue.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/TickGuard.h"

namespace tidepost {

namespace {

constexpr std::array<ReplyRow, 47> kRows{{
    {1, "ver", ReplyMatch::Echo},
    {2, "fx ", ReplyMatch::Start},
    {3, "print tideprnt.txt -d", ReplyMatch::Echo},
    {4, "st -a", ReplyMatch::Echo},
    {5, "st -w", ReplyMatch::Echo},
    {6, "st -m", ReplyMatch::Echo},
    {7, "st -s", ReplyMatch::Echo},
    {8, "st -i", ReplyMatch::Echo},
    {9, "st -d", ReplyMatch::Echo},
    {10, "st -g", ReplyMatch::Echo},
    {11, "status -n", ReplyMatch::Echo},
    {12, "st -v", ReplyMatch::Echo},
    {13, "ru -g", ReplyMatch::Echo},
    {14, "ti -u", ReplyMatch::Echo},
    {15, "ti u", ReplyMatch::Echo},
    {16, "se -g", ReplyMatch::Echo},
    {17, "se -p", ReplyMatch::Echo},
    {18, "se -q", ReplyMatch::Start},
    {19, "se -e", ReplyMatch::Echo},
    {20, "se", ReplyMatch::Echo},
    {21, "se -x", ReplyMatch::Echo},
    {22, "se -sn", ReplyMatch::Echo},
    {23, "set -z", ReplyMatch::Echo},
    {24, "se -p ", ReplyMatch::Start},
    {25, "se -g ", ReplyMatch::Start},
    {26, "ro", ReplyMatch::Echo},
    {27, "ls EGC.*", ReplyMatch::Echo},
    {28, "st -e", ReplyMatch::Echo},
    {29, "ty EGC.", ReplyMatch::Start},
    {30, "delete EGC.", ReplyMatch::StartIgnoringCase},
    {31, "ls IN.*", ReplyMatch::Echo},
    {32, "st -r", ReplyMatch::Echo},
    {33, "ty IN.", ReplyMatch::Start},
    {34, "delete IN.", ReplyMatch::StartIgnoringCase},
    {35, "ls ", ReplyMatch::Echo},
    {36, "type ", ReplyMatch::Start},
    {37, "pg -d 0", ReplyMatch::Echo},
    {38, "pg -d 1", ReplyMatch::Echo},
    {39, "pg -d 2", ReplyMatch::Echo},
    {40, "pg -d 3", ReplyMatch::Echo},
    {41, "pg -d", ReplyMatch::Echo},
    {42, "rs", ReplyMatch::Echo},
    {43, "st -n", ReplyMatch::Echo},
    {44, "Starting application program.", ReplyMatch::AnywhereIgnoringCase},
    {45, "se -m ", ReplyMatch::Echo},
    {46, "se -m ALL_OCEANS", ReplyMatch::Echo},
    {47, "tx", ReplyMatch::Start},
}};

// The modem file names an upload stores are 12 characters long, and the row compares exactly that
// many after "ls ": a name of another length (or none) matches no reply.
constexpr int kUploadCheckEchoLength = 15;

template <typename F, typename... Args>
void Call(const F& slot, Args&&... args) {
    if (slot) slot(std::forward<Args>(args)...);
}

void SetEGCTimer(Link& link, bool on) {
    if (link.Window) link.Window->SetEGCTimerEnabled(on);
}

void SetMessageTimer(Link& link, bool on) {
    if (link.Window) link.Window->SetMessageTimerEnabled(on);
}

// A localised text, or nothing to change when the table has none.
QString Text(const Link& link, int id, const char* english) { return link.F.Strings.GetMlString(id, english); }

void RunRow(Link& link, int number, const QString& reply) {
    ReplyDispatch& d = link.Dispatch;
    CSession& session = link.F.gSession;
    switch (number) {
    case 1: Call(d.HandleVersionReply, reply); break;
    case 2: Call(d.HandleFixedPositionsReply, reply); break;
    case 3: UnloadWaitForm(link); break;
    case 4:
        if (link.LatestDistressRequested) Call(d.HandleLatestDistressReply, reply);
        link.LatestDistressRequested = false;
        break;
    case 5: Call(d.HandleTransceiverStatusReply, reply.left(qMax<qsizetype>(0, reply.size() - link.CurrentPrompt.size()))); break;
    case 6: Call(d.HandleLinkTestReply, reply); break;
    case 7: Call(d.HandleSignalStrengthReply, reply); break;
    case 8: Call(d.HandleStatusInfoReply, reply); break;
    case 9:
        if (reply.size() > link.EchoTerminatorLength + 5) Call(d.HandleDnidListReply, reply);
        else link.DialogueState = 1;  // only the echo so far: keep receiving
        break;
    case 10:
        Call(d.cENID.SaveData, reply);
        UnloadWaitForm(link);
        Call(d.ENIDForm.Show);
        break;
    case 11: Call(d.HandleLesServicesReply, reply); break;
    case 12: Call(d.ParseSoftwareInfo, reply); break;
    case 13:
        if (d.GPSStatusForm.IsVisible && d.GPSStatusForm.IsVisible()) {
            const QString caption = Text(link, 2717, "GPS Status Updating...");
            if (!caption.isEmpty()) Call(d.GPSStatusForm.SetCaption, caption);
        }
        Call(d.HandleGpsStatusReply, reply);
        if (link.GpsStatusRequested) {
            UnloadWaitForm(link);
            Call(d.GPSStatusForm.Show);
            link.GpsStatusRequested = false;
        }
        break;
    case 14:
        Call(d.HandleSystemTimeReply, reply);
        if (link.SetPcClockRequested) Call(d.SetPcClockFromTransceiver, reply);
        break;
    case 15: Call(d.HandleUtcTextReply, reply); break;
    case 16:
        Call(d.HandleDistressGeneratorReply, reply);
        if (session.AddDistressAlertToOutbox()) {
            session.SetAddDistressAlertToOutbox(false);
            Call(d.cOutBox.AddDistressAlert, int(session.DistressAlertStatus()));
            Call(d.OutboxButton_Click);
        }
        break;
    case 17:
        Call(d.HandlePositionReply, reply);
        if (link.PositionFormRequested) {
            const bool visible = d.PositionForm.IsVisible && d.PositionForm.IsVisible();
            if (!visible) {
                UnloadWaitForm(link);
                Call(d.PositionForm.Show);
            }
            Call(d.PositionForm.UpdatePosition);
        }
        break;
    case 18: Call(d.HandleDistressTestModeReply, reply); break;
    case 19: Call(d.HandleEGCReceiverOnlyReply, reply); break;
    case 20: Call(d.HandleEGCSettingsReply, reply); break;
    case 21: Call(d.HandleCoastalAreasReply, reply); break;
    case 22: Call(d.HandleSpareNavareasReply, reply); break;
    case 23: Call(d.HandlePrinterRoutingReply, reply); break;
    case 24:
        if (link.Window && link.Window->IsPleaseWaitVisible()) link.Window->HidePleaseWait();
        break;
    case 25:
        UnloadWaitForm(link);
        ShowReplyError(link.F, reply, nullptr, Text(link, 2076, "Distress Generator"),
                       Text(link, 2718, "Distress generator not updated."));
        break;
    case 26: Call(d.HandleRoutingMenuReply, reply); break;
    case 27:
        if (!session.ProcessingEgcs()) {
            session.SetProcessingEgcs(true);
            SetEGCTimer(link, true);
            const bool fetch = d.CEGC.DecodeEGCs && d.CEGC.DecodeEGCs(reply);
            if (fetch) {
                QueueCommand(link, "st -e", true, false);
            } else {
                session.SetProcessingEgcs(false);
                SetEGCTimer(link, false);
            }
        }
        break;
    case 28:
        if (d.CEGC.UpdateEgcLog && d.CEGC.UpdateEgcLog()) {
            Call(d.CEGC.DecodeEgcLog, reply);
            Call(d.CEGC.RepairEgcLog);
        } else if (!IsCommandQueued(link, "delete EGC.")) {
            Call(d.CEGC.HandleEGCLog, reply);
        }
        break;
    case 29: Call(d.CEGC.Transfer, reply); break;
    case 30:
        // The last delete of an EGC download has been answered.
        if (!IsCommandQueued(link, "delete EGC.")) {
            session.SetProcessingEgcs(false);
            SetEGCTimer(link, false);
        }
        break;
    case 31:
        if (!session.ProcessingMsgs()) {
            session.SetProcessingMsgs(true);
            SetMessageTimer(link, true);
            Call(d.HandleInboxListing, reply);
        }
        break;
    case 32: Call(d.HandleInboxLog, reply); break;
    case 33: Call(d.Transfer_IN_To_PC, reply); break;
    case 34:
        if (!IsCommandQueued(link, "delete IN.")) {
            session.SetProcessingMsgs(false);
            SetMessageTimer(link, false);
        }
        break;
    case 35: {
        const QString name = link.SentFileName;
        const bool sizeOk = !d.CheckUploadedFileSize || d.CheckUploadedFileSize(reply, name, link.SentFileSize);
        if (!sizeOk) {
            QueueMessageBox(link.F, FormatMlString(Text(link, 2719, "Error: The message '%0' was possibly sent with errors."),
                                                   QVariantList{name}));
            Call(d.DeleteUploadedFile, name);
        }
        link.SentFileCheckPending = false;
        link.SentFileName.clear();
        link.SentFileSize = 0;
        break;
    }
    case 36:
        if (GetAppSetting(link.F, link.F.gProductName, "Messages", "PrintReports", "1") == QLatin1String("1")) {
            QString text = reply;
            Call(d.Print_Fetched_File, text);
        }
        break;
    case 37:
    case 38:
    case 39:
    case 40: Call(d.HandleProgramStatusReply, reply); break;
    case 41:
        if (reply.size() < 8) link.DialogueState = 1;  // only the echo so far: keep receiving
        else if (link.PUReplyMode == 2) Call(d.HandleProgramListReply, reply);
        break;
    case 42: Call(d.HandleMessageReportingReply, reply); break;
    case 43: Call(d.UpdateLESList, reply); break;
    case 44: Call(d.ClearOutboxAfterMesRestart); break;
    case 45: Call(d.ExtractNatureOfDistress, reply); break;
    case 46: Call(d.ExtractOption112Les, reply); break;
    case 47:
        if (reply.contains(QLatin1String("ERROR 250:"), Qt::CaseInsensitive)) Call(d.HandleTxEgcOnlyError, reply);
        else if (reply.contains(QLatin1String("ERROR"), Qt::CaseInsensitive)) Call(d.HandleTxError, reply);
        break;
    default: break;
    }
}

// A handler that fails must not keep the other rows, or the next command, from running.
template <typename Step>
void Guarded(Link& link, const Step& step) {
    RunGuarded(link.F, "MainForm.Timer1_Timer", step);
}

// The reply so far is only its echo (rows 9 and 41). Such a reply ended by the time-out, so the
// rest gets one more quiet period, counted from now. A reply that gained nothing in that period
// is given up: a transceiver gone silent after its echo would otherwise hold the dialogue, and
// no other command would ever go out.
void KeepReceiving(Link& link) {
    if (link.ReplyKeptOpen) {
        link.ReplyKeptOpen = false;
        link.DialogueState = 0;
        return;
    }
    link.ReplyKeptOpen = true;
    StampActivity(link);
}

}  // namespace

const std::array<ReplyRow, 47>& ReplyRows() { return kRows; }

bool LearnEchoTerminator(Link& link, const QString& reply) {
    static const struct {
        const char* text;
        const char* terminator;
    } shapes[] = {{"st -l\n", "\n"}, {"st -l\r\n", "\r\n"}, {"st -l\r\r\n", "\r\r\n"}};
    for (const auto& shape : shapes) {
        if (reply.startsWith(QLatin1String(shape.text))) {
            link.EchoTerminator = QString::fromLatin1(shape.terminator);
            link.EchoTerminatorLength = static_cast<qint16>(link.EchoTerminator.size());
            return true;
        }
    }
    return false;
}

bool RowMatches(const Link& link, const ReplyRow& row, const QString& reply) {
    const QString text = QString::fromLatin1(row.Text);
    switch (row.Match) {
    case ReplyMatch::Echo: {
        if (row.Number == kUploadCheckRow) {
            const QString echo = text + link.SentFileName;
            return echo.size() == kUploadCheckEchoLength && reply.startsWith(echo + link.EchoTerminator);
        }
        return reply.startsWith(text + link.EchoTerminator);
    }
    case ReplyMatch::Start: return reply.startsWith(text);
    case ReplyMatch::StartIgnoringCase: return reply.startsWith(text, Qt::CaseInsensitive);
    case ReplyMatch::AnywhereIgnoringCase: return reply.contains(text, Qt::CaseInsensitive);
    }
    return false;
}

QList<int> MatchingRows(const Link& link, const QString& reply) {
    QList<int> rows;
    for (const ReplyRow& row : kRows)
        if (RowMatches(link, row, reply)) rows.append(row.Number);
    return rows;
}

void DispatchReply(Link& link) {
    const QString reply = link.ReplyBuffer;
    if (LearnEchoTerminator(link, reply)) {
        Guarded(link, [&] { Call(link.Dispatch.CheckInfos, reply); });
        Guarded(link, [&] { Call(link.Dispatch.CheckErrors, reply); });
        Guarded(link, [&] { Call(link.CheckCommEvent); });
    }
    if (link.Window) link.Window->SetLabel1Caption("Processing");
    link.DialogueState = reply.startsWith(QLatin1String("tr ")) ? 3 : 0;
    if (TerminalVisible(link)) return;  // the terminal is in use: its reply is the user's to read

    for (const ReplyRow& row : kRows)
        if (RowMatches(link, row, reply)) Guarded(link, [&] { RunRow(link, row.Number, reply); });
    if (link.DialogueState == 1) KeepReceiving(link);
}

}  // namespace tidepost
