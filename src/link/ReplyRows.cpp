#include "link/ReplyRows.h"

#include <QVariantList>

#include "foundation/AppSettings.h"
#include "foundation/ErrorHandling.h"
#include "foundation/MessageBoxQueue.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/Link.h"
#include "link/UploadChecks.h"

namespace tidepost {

namespace {

// The modem file names an upload stores are 12 characters long, and the row compares exactly that
// many after "ls ": a name of another length (or none) matches no reply.
constexpr int kUploadCheckEchoLength = 15;

// The name of the upload still waiting for its size check whose listing the reply is: "ls", the
// name and the line end; "" when it is none.
QString UploadCheckedBy(const Link& link, const QString& reply) {
    for (const SentFileCheck& check : link.Requests.SentFileChecks) {
        if (check.SizeChecked) continue;
        const QString echo = QStringLiteral("ls ") + check.SentFileName;
        if (echo.size() == kUploadCheckEchoLength && reply.startsWith(echo + link.Dialogue.EchoTerminator))
            return check.SentFileName;
    }
    return {};
}

template <typename F, typename... Args>
void Call(const F& slot, Args&&... args) {
    if (slot) slot(std::forward<Args>(args)...);
}

// A row that only hands the reply to its handler.
template <ReplyDispatch::Handler ReplyDispatch::*Slot>
void Forward(Link& link, const QString& reply) {
    Call(link.Dispatch.*Slot, reply);
}

void SetEGCTimer(Link& link, bool on) {
    if (link.Windows.Window) link.Windows.Window->SetEGCTimerEnabled(on);
}

void SetMessageTimer(Link& link, bool on) {
    if (link.Windows.Window) link.Windows.Window->SetMessageTimerEnabled(on);
}

// A localised text, or nothing to change when the table has none.
QString Text(const Link& link, int id, const char* english) { return link.F.Strings.GetMlString(id, english); }

void UnloadWaitFormRow(Link& link, const QString&) { UnloadWaitForm(link); }

void LatestDistressRow(Link& link, const QString& reply) {
    if (link.Requests.LatestDistressRequested) Call(link.Dispatch.HandleLatestDistressReply, reply);
    link.Requests.LatestDistressRequested = false;
}

void TransceiverStatusRow(Link& link, const QString& reply) {
    const qsizetype withoutPrompt = qMax<qsizetype>(0, reply.size() - link.Dialogue.CurrentPrompt.size());
    Call(link.Dispatch.HandleTransceiverStatusReply, reply.left(withoutPrompt));
}

void DnidListRow(Link& link, const QString& reply) {
    if (reply.size() > link.Dialogue.EchoTerminatorLength + 5) Call(link.Dispatch.HandleDnidListReply, reply);
    else link.Dialogue.DialogueState = 1;  // only the echo so far: keep receiving
}

void EnidRow(Link& link, const QString& reply) {
    Call(link.Dispatch.cENID.SaveData, reply);
    UnloadWaitForm(link);
    Call(link.Windows.ENIDForm.Show);
}

void GpsStatusRow(Link& link, const QString& reply) {
    auto& form = link.Windows.GPSStatusForm;
    if (form.IsVisible && form.IsVisible()) {
        const QString caption = Text(link, 2717, "GPS Status Updating...");
        if (!caption.isEmpty()) Call(form.SetCaption, caption);
    }
    Call(link.Dispatch.HandleGpsStatusReply, reply);
    if (link.Requests.GpsStatusRequested) {
        UnloadWaitForm(link);
        Call(form.Show);
        link.Requests.GpsStatusRequested = false;
    }
}

void SystemTimeRow(Link& link, const QString& reply) {
    Call(link.Dispatch.HandleSystemTimeReply, reply);
    if (link.Requests.SetPcClockRequested) Call(link.Dispatch.SetPcClockFromTransceiver, reply);
}

void DistressGeneratorRow(Link& link, const QString& reply) {
    CSession& session = link.F.gSession;
    Call(link.Dispatch.HandleDistressGeneratorReply, reply);
    if (session.AddDistressAlertToOutbox()) {
        session.SetAddDistressAlertToOutbox(false);
        Call(link.Dispatch.cOutBox.AddDistressAlert, int(session.DistressAlertStatus()));
        Call(link.Dispatch.OutboxButton_Click);
    }
}

void PositionRow(Link& link, const QString& reply) {
    auto& form = link.Windows.PositionForm;
    Call(link.Dispatch.HandlePositionReply, reply);
    if (!link.Requests.PositionFormRequested) return;
    const bool visible = form.IsVisible && form.IsVisible();
    if (!visible) {
        UnloadWaitForm(link);
        Call(form.Show);
    }
    Call(form.UpdatePosition);
}

void PositionSetRow(Link& link, const QString&) {
    ILinkWindow* window = link.Windows.Window;
    if (window && window->IsPleaseWaitVisible()) window->HidePleaseWait();
}

void DistressGeneratorSetRow(Link& link, const QString& reply) {
    UnloadWaitForm(link);
    ShowReplyError(link.F, reply, Text(link, 2076, "Distress Generator"),
                   Text(link, 2718, "Distress generator not updated."));
}

void EgcListingRow(Link& link, const QString& reply) {
    CSession& session = link.F.gSession;
    if (session.ProcessingEgcs()) return;
    session.SetProcessingEgcs(true);
    SetEGCTimer(link, true);
    const auto& decode = link.Dispatch.CEGC.DecodeEGCs;
    if (decode && decode(reply)) {
        QueueCommand(link, "st -e", true, false);
    } else {
        session.SetProcessingEgcs(false);
        SetEGCTimer(link, false);
    }
}

void EgcLogRow(Link& link, const QString& reply) {
    auto& egc = link.Dispatch.CEGC;
    if (egc.UpdateEgcLog && egc.UpdateEgcLog()) {
        Call(egc.DecodeEgcLog, reply);
        Call(egc.RepairEgcLog);
    } else if (!IsCommandQueued(link, "delete EGC.")) {
        Call(egc.HandleEGCLog, reply);
    }
}

void EgcTransferRow(Link& link, const QString& reply) { Call(link.Dispatch.CEGC.Transfer, reply); }

// The last delete of an EGC download has been answered.
void EgcDeletedRow(Link& link, const QString&) {
    if (IsCommandQueued(link, "delete EGC.")) return;
    link.F.gSession.SetProcessingEgcs(false);
    SetEGCTimer(link, false);
}

void InboxListingRow(Link& link, const QString& reply) {
    CSession& session = link.F.gSession;
    if (session.ProcessingMsgs()) return;
    session.SetProcessingMsgs(true);
    SetMessageTimer(link, true);
    Call(link.Dispatch.HandleInboxListing, reply);
}

void InboxDeletedRow(Link& link, const QString&) {
    if (IsCommandQueued(link, "delete IN.")) return;
    link.F.gSession.SetProcessingMsgs(false);
    SetMessageTimer(link, false);
}

// The listing of an uploaded file: its size must be the one sent. A damaged upload is deleted on
// the transceiver and its submission withdrawn, so no cut message goes out.
void UploadCheckRow(Link& link, const QString& reply) {
    const QString name = UploadCheckedBy(link, reply);
    SentFileCheck* pending = PendingSizeCheck(link, name);
    if (pending == nullptr) return;
    const auto& check = link.Dispatch.CheckUploadedFileSize;
    if (check && !check(reply, name, pending->SentFileSize)) {
        QueueMessageBox(link.F, FormatMlString(Text(link, 2719, "Error: The message '%0' was possibly sent with errors."),
                                               QVariantList{name}));
        Call(link.Dispatch.DeleteUploadedFile, name);
        FailUpload(link, name);
        return;
    }
    pending->SizeChecked = true;
}

void FetchedFileRow(Link& link, const QString& reply) {
    if (GetAppSetting(link.F, link.F.gProductName, "Messages", "PrintReports", "1") != QLatin1String("1")) return;
    QString text = reply;
    Call(link.Dispatch.Print_Fetched_File, text);
}

void ProgramListRow(Link& link, const QString& reply) {
    if (reply.size() < 8) link.Dialogue.DialogueState = 1;  // only the echo so far: keep receiving
    else if (link.Requests.PUReplyMode == 2) Call(link.Dispatch.HandleProgramListReply, reply);
}

void MesRestartRow(Link& link, const QString&) { Call(link.Dispatch.ClearOutboxAfterMesRestart); }

void TxRow(Link& link, const QString& reply) {
    if (reply.contains(QLatin1String("ERROR 250:"), Qt::CaseInsensitive)) Call(link.Dispatch.HandleTxEgcOnlyError, reply);
    else if (reply.contains(QLatin1String("ERROR"), Qt::CaseInsensitive)) Call(link.Dispatch.HandleTxError, reply);
    // Accepted or refused, the submission has been answered.
    EndSentFileCheck(link, EchoedFileName(reply));
}

using D = ReplyDispatch;

constexpr std::array<ReplyRow, kReplyRowCount> kRows{{
    {1, "ver", ReplyMatch::Echo, Forward<&D::HandleVersionReply>},
    {2, "fx ", ReplyMatch::Start, Forward<&D::HandleFixedPositionsReply>},
    {3, "print tideprnt.txt -d", ReplyMatch::Echo, UnloadWaitFormRow},
    {4, "st -a", ReplyMatch::Echo, LatestDistressRow},
    {5, "st -w", ReplyMatch::Echo, TransceiverStatusRow},
    {6, "st -m", ReplyMatch::Echo, Forward<&D::HandleLinkTestReply>},
    {7, "st -s", ReplyMatch::Echo, Forward<&D::HandleSignalStrengthReply>},
    {8, "st -i", ReplyMatch::Echo, Forward<&D::HandleStatusInfoReply>},
    {9, "st -d", ReplyMatch::Echo, DnidListRow},
    {10, "st -g", ReplyMatch::Echo, EnidRow},
    {11, "status -n", ReplyMatch::Echo, Forward<&D::HandleLesServicesReply>},
    {12, "st -v", ReplyMatch::Echo, Forward<&D::ParseSoftwareInfo>},
    {13, "ru -g", ReplyMatch::Echo, GpsStatusRow},
    {14, "ti -u", ReplyMatch::Echo, SystemTimeRow},
    {15, "ti u", ReplyMatch::Echo, Forward<&D::HandleUtcTextReply>},
    {16, "se -g", ReplyMatch::Echo, DistressGeneratorRow},
    {17, "se -p", ReplyMatch::Echo, PositionRow},
    {18, "se -q", ReplyMatch::Start, Forward<&D::HandleDistressTestModeReply>},
    {19, "se -e", ReplyMatch::Echo, Forward<&D::HandleEGCReceiverOnlyReply>},
    {20, "se", ReplyMatch::Echo, Forward<&D::HandleEGCSettingsReply>},
    {21, "se -x", ReplyMatch::Echo, Forward<&D::HandleCoastalAreasReply>},
    {22, "se -sn", ReplyMatch::Echo, Forward<&D::HandleSpareNavareasReply>},
    {23, "set -z", ReplyMatch::Echo, Forward<&D::HandlePrinterRoutingReply>},
    {24, "se -p ", ReplyMatch::Start, PositionSetRow},
    {25, "se -g ", ReplyMatch::Start, DistressGeneratorSetRow},
    {26, "ro", ReplyMatch::Echo, Forward<&D::HandleRoutingMenuReply>},
    {27, "ls EGC.*", ReplyMatch::Echo, EgcListingRow},
    {28, "st -e", ReplyMatch::Echo, EgcLogRow},
    {29, "ty EGC.", ReplyMatch::Start, EgcTransferRow},
    {30, "delete EGC.", ReplyMatch::StartIgnoringCase, EgcDeletedRow},
    {31, "ls IN.*", ReplyMatch::Echo, InboxListingRow},
    {32, "st -r", ReplyMatch::Echo, Forward<&D::HandleInboxLog>},
    {33, "ty IN.", ReplyMatch::Start, Forward<&D::Transfer_IN_To_PC>},
    {34, "delete IN.", ReplyMatch::StartIgnoringCase, InboxDeletedRow},
    {35, "ls ", ReplyMatch::UploadCheckEcho, UploadCheckRow},
    {36, "type ", ReplyMatch::Start, FetchedFileRow},
    {37, "pg -d 0", ReplyMatch::Echo, Forward<&D::HandleProgramStatusReply>},
    {38, "pg -d 1", ReplyMatch::Echo, Forward<&D::HandleProgramStatusReply>},
    {39, "pg -d 2", ReplyMatch::Echo, Forward<&D::HandleProgramStatusReply>},
    {40, "pg -d 3", ReplyMatch::Echo, Forward<&D::HandleProgramStatusReply>},
    {41, "pg -d", ReplyMatch::Echo, ProgramListRow},
    {42, "rs", ReplyMatch::Echo, Forward<&D::HandleMessageReportingReply>},
    {43, "st -n", ReplyMatch::Echo, Forward<&D::UpdateLESList>},
    {44, "Starting application program.", ReplyMatch::AnywhereIgnoringCase, MesRestartRow},
    {45, "se -m ", ReplyMatch::Echo, Forward<&D::ExtractNatureOfDistress>},
    {46, "se -m ALL_OCEANS", ReplyMatch::Echo, Forward<&D::ExtractOption112Les>},
    {47, "tx", ReplyMatch::Start, TxRow},
}};

}  // namespace

const std::array<ReplyRow, kReplyRowCount>& ReplyRows() { return kRows; }

bool RowMatches(const Link& link, const ReplyRow& row, const QString& reply) {
    const QString text = QString::fromLatin1(row.Text);
    const QString& terminator = link.Dialogue.EchoTerminator;
    switch (row.Match) {
    case ReplyMatch::Echo: return reply.startsWith(text + terminator);
    case ReplyMatch::Start: return reply.startsWith(text);
    case ReplyMatch::StartIgnoringCase: return reply.startsWith(text, Qt::CaseInsensitive);
    case ReplyMatch::AnywhereIgnoringCase: return reply.contains(text, Qt::CaseInsensitive);
    case ReplyMatch::UploadCheckEcho: return !UploadCheckedBy(link, reply).isEmpty();
    }
    return false;
}

QList<int> MatchingRows(const Link& link, const QString& reply) {
    QList<int> rows;
    for (const ReplyRow& row : kRows)
        if (RowMatches(link, row, reply)) rows.append(row.Number);
    return rows;
}

}  // namespace tidepost
