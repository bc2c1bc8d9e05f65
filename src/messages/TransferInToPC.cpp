#include "messages/TransferInToPC.h"

#include "foundation/AppSettings.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/ILog.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullCodePages.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cErrorLog.h"
#include "link/AppendToLogFile.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "link/ReplyFields.h"
#include "messages/EgcCodes.h"
#include "messages/IMessagesWindow.h"
#include "messages/InboxFetch.h"
#include "messages/InboxIndex.h"
#include "messages/MessageFileNames.h"
#include "messages/Messages.h"
#include "messages/PrintFetchedFile.h"
#include "messages/ReceivedMessageNotice.h"
#include "messages/RemoteConfigRun.h"
#include "messages/RxErrorCounters.h"
#include "platform/AtomicFile.h"

namespace tidepost {

namespace {

const QString kInfo = QStringLiteral("Info");
// A short message is fetched again this many times before it is stored as it came.
constexpr quint8 kMaxRetries = 10;
constexpr int kRed = 255;
constexpr int kBlack = 0;

// The numeric value of a setting of section "Settings"; a text that does not begin with a number
// counts as 0.
qint64 SettingValue(Foundation& f, const QString& key, const QString& defaultValue) {
    return LeadingNumber(GetAppSetting(f, f.gProductName, QStringLiteral("Settings"), key, defaultValue));
}

void QueueInboxDelete(Messages& m, const QString& name) {
    if (IsInboxFileName(name)) QueueCommand(m.L, "delete " + name, false, false);
}

bool QueueInboxRetry(Messages& m, const QString& name) {
    return IsInboxFileName(name) && QueueCommand(m.L, "ty " + name + " -b -k", false, true);
}

void EndOfDownload(Messages& m) { EndInboxDownloadWhenDone(m.L, InboxPending::FetchesAndDeletes); }

// A reply cut by the time-out or a lost link holds part of the message at most: it is neither
// stored nor deleted, so the next cycle fetches the message again, whole.
void LogCutReply(Foundation& f, const QString& reply) {
    const QString echo = reply.section(QLatin1Char('\n'), 0, 0).left(40).trimmed();
    ErrorLog(f).AddLine("(Transfer_IN_To_PC) The reply to \"" + echo +
                        "\" ended without the transceiver's prompt; the message stays on the transceiver.");
}

// Prints a received text when the transceiver is of the 560 or 570 family and the setting
// "PrintIncomingMsg" is 1.
void PrintIncoming(Messages& m, const QString& text, PrintedText kind) {
    const qint16 type = m.F.gSession.ProductType();
    if (type != 4 && type != 5) return;
    if (SettingValue(m.F, QStringLiteral("PrintIncomingMsg"), QStringLiteral("0")) != 1) return;
    QString copy = text;
    Print_Fetched_File(m, copy, kind);
}

// What the length check decided.
enum class LengthCheck { Store, Retry };

LengthCheck CheckLength(Messages& m, const InLogEntry& entry, qsizetype bodyLength, qint64 size) {
    Foundation& f = m.F;
    if (!LengthCheckApplies(f) || !IsAllDigits(m.gFetchMsgNumber)) return LengthCheck::Store;
    const qint16 number = static_cast<qint16>(m.gFetchMsgNumber.toInt());
    if (bodyLength >= size) {
        RemoveRxErrorCount(f, kRxErrorKindMessage, number);
        return LengthCheck::Store;
    }
    const quint8 count = GetRxErrorCount(f, kRxErrorKindMessage, number);
    if (count < kMaxRetries) {
        IncRxErrorCount(f, kRxErrorKindMessage, number);
        return LengthCheck::Retry;
    }
    QueueMessageBox(f,
                    MlText(f, 2831, "The message '") + entry.Name + MlText(f, 2540, "' was attempted received ") +
                        QString::number(count) + MlText(f, 2541, " times, but was received with errors."),
                    kInfo);
    RemoveRxErrorCount(f, kRxErrorKindMessage, number);
    return LengthCheck::Store;
}

// The message file and its index line; the first failure's error. `disk` receives the file's name.
FileError StoreMessage(Messages& m, const InLogEntry& entry, const QString& when, const QString& body, QString& disk) {
    Foundation& f = m.F;
    if (m.L.Dialogue.CheckCommEvent) m.L.Dialogue.CheckCommEvent();
    // Before the start-up check has named the inbox folder there is nowhere to store: an empty
    // name would otherwise put the file at the top of the file system.
    if (f.gInboxDir.isEmpty()) return {kErrPathNotFound, QStringLiteral("Path not found")};
    const QString folder = AddBackslash(f.gInboxDir);
    disk = GetNewMessageFileName(f, f.gInboxDir, QStringLiteral("in"));
    if (disk.isEmpty()) return {6, QStringLiteral("Overflow")};  // every name of the day is taken
    if (FileError e = WriteNewFile(folder + disk, f.Os.Codec.Encode(body))) return e;
    return AppendToIndex(f, folder + kInboxIndexName, InboxIndexLine(entry, when, disk));
}

void ReportStoreFailure(Foundation& f, const FileError& e) {
    if (e.number == kErrDiskFull) {
        QueueMessageBox(f,
                        "(TransferInToPC) Error: Not enough disk space.\r\n" +
                            MlText(f, 2753, "Due to this error, the message can not be saved."),
                        QStringLiteral("Error"));
        return;
    }
    QueueMessageBox(f,
                    ComposeErrorText(QStringLiteral("Transfer_IN_To_PC"), e.number, e.description) + "\r\n" +
                        MlText(f, 2833, "Due to this error, Tidepost might not have saved the Message"),
                    ErrorTitle(e.number));
}

void AddInboxGridRow(Messages& m, const InLogEntry& entry, const QString& when, const QString& disk) {
    IMessagesWindow* window = m.Window;
    if (!window || window->MessageLogShown() != 1) return;
    QString les = QString::number(entry.LES);
    const QStringList cells{disk,
                            entry.Name,
                            FormatThreeDigits(les),
                            ConvertEGCPriorityNo(entry.Priority),
                            ConvertEGCLanguage(entry.Presentation),
                            when,
                            QString::number(entry.Size),
                            QString::number(entry.Reference),
                            entry.Routing};
    // Urgency and distress are red, as the inbox view paints them when it reloads the index.
    window->InboxMSGrid_AddRow(cells, entry.Priority == 2 || entry.Priority == 3 ? kRed : kBlack);
    window->InBox_SetAllColumnsSelected();
}

}  // namespace

bool IsInboxFileName(const QString& name) {
    if (name.size() != 6 || !name.startsWith(QLatin1String("IN."))) return false;
    for (qsizetype i = 3; i < name.size(); ++i) {
        const char16_t c = name.at(i).unicode();
        if (c <= u' ' || c >= 0x7F) return false;
    }
    return true;
}

QString StripReplyFrame(const Link& link, const QString& reply) {
    const QString& end = link.Dialogue.EchoTerminator;
    QString text = reply;
    if (!end.isEmpty()) {
        qsizetype p = 0;
        for (int i = 0; i < 3 && p >= 0; ++i) p = reply.indexOf(end, p + end.size());
        if (p >= 0) text = reply.mid(p + end.size());
    }
    if (text.endsWith(link.Dialogue.CurrentPrompt)) text.chop(link.Dialogue.CurrentPrompt.size());
    return text;
}

void Transfer_IN_To_PC(Messages& m, const QString& reply) {
    Foundation& f = m.F;
    const QString name = reply.mid(3, 6);
    const QString prompt = TransceiverPromptAtEnd(reply);
    if (prompt.isEmpty()) {
        LogCutReply(f, reply);
        EndOfDownload(m);
        return;
    }
    const QString text = reply.chopped(prompt.size());

    // Only a packet that ran is deleted unstored; one that did not run is kept as a message.
    switch (ReceiveRemoteConfig(m, text)) {
    case RemoteConfigOutcome::CarriedOut:
        QueueInboxDelete(m, name);
        EndOfDownload(m);
        return;
    case RemoteConfigOutcome::Leave:
        EndOfDownload(m);
        return;
    case RemoteConfigOutcome::Store:
    case RemoteConfigOutcome::NotAPacket:
        break;
    }

    m.gFetchMsgNumber = name.right(3);
    const int li = FindListingEntry(QStringLiteral("IN"), m.gFetchMsgNumber, m.gInboxListing);
    if (li < 0) {
        PrintIncoming(m, text, PrintedText::Reply);
        EndOfDownload(m);
        return;
    }
    const int lg = FindInLogEntry(m, name);
    if (lg < 0) {
        // Neither deleted nor printed: the message stays on the transceiver.
        AppendToLogFile(f, MlText(f, 2832, "A message was received that was not found in the In Log"),
                        QStringLiteral("ErrorLog.txt"), true);
        EndOfDownload(m);
        return;
    }

    const InLogEntry entry = m.gInboxLog.at(lg);
    const InboxListEntry listed = m.gInboxListing.at(li);
    const qint64 size = qint64(listed.Size) + (m.mnuSimMsgRxError ? 1 : 0);
    const QString when = listed.Date.toString(QStringLiteral("yy-MM-dd HH:mm"));
    const QString body = StripReplyFrame(m.L, reply);

    // Stored before, but its delete never ran: it is only deleted now.
    if (!f.gInboxDir.isEmpty() && IsInInboxIndex(f, AddBackslash(f.gInboxDir) + kInboxIndexName, entry, when)) {
        QueueInboxDelete(m, entry.Name);
        EndOfDownload(m);
        return;
    }

    if (CheckLength(m, entry, body.size(), size) == LengthCheck::Retry) {
        // The repeated fetch keeps the download running; without it the download may end.
        if (!QueueInboxRetry(m, entry.Name)) EndOfDownload(m);
        return;
    }

    QString disk;
    if (const FileError failure = StoreMessage(m, entry, when, body, disk)) {
        // The message stays on the transceiver; an urgency or distress message still sounds.
        EndOfDownload(m);
        ReportStoreFailure(f, failure);
        RaisePriorityAlarm(m, entry.Priority);
        return;
    }
    AddInboxGridRow(m, entry, when, disk);
    QueueInboxDelete(m, entry.Name);
    AnnounceReceivedMessage(m, entry.Priority);
    PrintIncoming(m, body, PrintedText::Body);
    EndOfDownload(m);
}

}  // namespace tidepost
