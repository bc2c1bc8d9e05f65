#include <QFile>
#include <QVariantList>
#include <memory>

#include "egc/CEGC.h"
#include "egc/Egc.h"
#include "egc/EgcIndexLine.h"
#include "egc/EgcReplyParsers.h"
#include "egc/EgcStore.h"
#include "egc/IEgcView.h"
#include "foundation/AppSettings.h"
#include "foundation/ErrorHandling.h"
#include "foundation/Foundation.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/ILog.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "foundation/UsefullRoutines.h"
#include "foundation/cErrorLog.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "link/ReplyFields.h"
#include "messages/MessageFileNames.h"
#include "messages/Messages.h"
#include "messages/PrintFetchedFile.h"
#include "messages/RemoteConfigRun.h"
#include "messages/RxErrorCounters.h"
#include "platform/AtomicFile.h"

namespace tidepost {

namespace {

// A short EGC is fetched again this many times before it is stored as it came.
constexpr quint8 kMaxRetries = 10;
constexpr qint16 kEnidDownload = 33;

bool IsAlarmPriority(qint16 priority) { return priority == 2 || priority == 3; }

// Raises the alarm of an urgent or distress EGC however its handling ends, unless a repeated
// fetch takes over (that copy raises it).
struct AlarmOnExit {
    Egc& E;
    bool Raise = false;
    ~AlarmOnExit() {
        if (Raise) RaiseEgcAlarm(E);
    }
};

qint64 SettingValue(Foundation& f, const QString& key, const QString& defaultValue) {
    return LeadingNumber(GetAppSetting(f, f.gProductName, QStringLiteral("Settings"), key, defaultValue));
}

QString EchoLine(const QString& reply) { return reply.section(QLatin1Char('\n'), 0, 0).left(40).trimmed(); }

EgcLogEntry UnknownRecord(const QString& name, const EgcFileEntry* listed) {
    EgcLogEntry e;
    e.Les = e.Service = e.Priority = e.Language = e.Column9 = e.Column10 = -1;
    e.RefNo = -1;
    e.Routing = QStringLiteral("Unknown");
    e.FileName = name;
    e.Date = listed ? listed->Date : QStringLiteral("Unknown");
    e.Time = listed ? listed->Time : QStringLiteral("Unknown");
    e.Length = listed ? listed->Size : -1;
    return e;
}

void ReportStoreFailure(Foundation& f, const FileError& e, const QString& path) {
    const QString notSaved = MlText(f, 2543, "Due to this error, Tidepost might not have saved the EGC.");
    if (e.number == kErrDiskFull) {
        QueueMessageBox(f, MlText(f, 2542, "(EGC.Transfer) Error: Not enough disk space.") + "\r\n" + notSaved,
                        MlErrorTitle(f, e.number));
        return;
    }
    QueueMessageBox(f,
                    FormatErrorText(f, 2569, QStringLiteral("(EGC.Transfer) Error '%0': %1."), e.number, e.description) +
                        "\r\n" + GetFileErrorText(f, e.number, path) + "\r\n" + notSaved,
                    MlErrorTitle(f, e.number));
}

// The EGC file and its index line; the first failure's error. `path` names the file the failure
// concerns: before a name is chosen, a made-up one of the EGC's number and listed size.
FileError StoreEgc(Egc& e, const EgcLogEntry& record, quint8 level, const QString& text, QString& path,
                   QString& line) {
    Foundation& f = e.F;
    if (e.L.Dialogue.CheckCommEvent) e.L.Dialogue.CheckCommEvent();
    // Before the start-up check has named the EGC folder there is nowhere to store: an empty name
    // would put the file at the top of the file system.
    if (f.gEgcDir.isEmpty()) return {kErrPathNotFound, QStringLiteral("Path not found")};
    const QString folder = EgcFolder(f);
    const QString disk = GetNewMessageFileName(f, f.gEgcDir, QStringLiteral("egc"));
    if (disk.isEmpty()) return {6, QStringLiteral("Overflow")};  // every name of the day is taken
    FreeEgcDiskSpace(e, level);
    path = folder + disk;
    if (FileError err = WriteNewFile(path, f.Os.Codec.Encode(text))) return err;
    line = EgcIndexLineText(record, disk);
    if (FileError err = AppendToIndex(f, EgcIndexPath(f), line)) {
        // The EGC stays on the transceiver and comes again: no file without its line is left.
        QFile::remove(path);
        path = EgcIndexPath(f);
        return err;
    }
    return {};
}

}  // namespace

void CEGC::Transfer(const QString& reply) {
    Foundation& f = E.F;
    Link& link = E.L;
    Messages& m = E.M;
    // Only "EGC." and three digits name an EGC; anything else would build a wrong fetch or delete.
    if (reply.size() <= 11 || !IsEgcFileName(reply.mid(3, 7))) {
        ErrorLog(f).AddLine("(cEGC.Transfer) The reply to \"" + EchoLine(reply) + "\" names no EGC; nothing was stored.");
        EndEgcDownloadWhenDone(link);
        return;
    }
    gFetchEgcName = reply.mid(3, 7);
    m.gFetchMsgNumber = gFetchEgcName.right(3);
    const QString name = gFetchEgcName;
    // A reply cut by the time-out or a lost link holds part of the EGC at most: it is neither
    // stored nor deleted, so the EGC comes again whole.
    const bool complete = !TransceiverPromptAtEnd(reply).isEmpty();
    const QString text = ExtractEgcMsgFromBuffer(reply);

    // Only a packet that ran is deleted unstored; one that did not run is kept as an EGC.
    if (complete) {
        switch (ReceiveRemoteConfig(m, text)) {
        case RemoteConfigOutcome::CarriedOut:
            QueueCommand(link, "delete " + name, false, false);
            return;
        case RemoteConfigOutcome::Leave:
            // The mark stays before it, so the next listing offers it again.
            m_storeFailed = true;
            EndEgcDownloadWhenDone(link);
            return;
        case RemoteConfigOutcome::Store:
        case RemoteConfigOutcome::NotAPacket:
            break;
        }
    }

    const EgcLogEntry* logged = nullptr;
    if (m_countLog > 0) {
        for (const EgcLogEntry& entry : m_logList)
            if (entry.FileName == name) {
                logged = &entry;
                break;
            }
    } else if (complete) {
        m_updateEgcLog = true;
        QueueCommand(link, QStringLiteral("st -e"), true, true);
    }
    const EgcFileEntry* listed = nullptr;
    for (const EgcFileEntry& entry : m_fileList)
        if (entry.Name == name) {
            listed = &entry;
            break;
        }
    const EgcLogEntry record = logged ? *logged : UnknownRecord(name, listed);

    if (complete && record.Service == kEnidDownload) {
        ShowStatusMessage(f, MlText(f, 2538, "New ENID Downloaded"));
        if (!m_storeFailed) {
            SetIniValue(f, QStringLiteral("[LastEgcNumber]"), m.gFetchMsgNumber, false);
            SetIniValue(f, QStringLiteral("[LastEgcDate]"), record.Date + u' ' + record.Time, true);
        }
        QueueCommand(link, "delete " + name, true, false);
        return;
    }

    AlarmOnExit alarm{E, IsAlarmPriority(record.Priority)};
    if (!complete) {
        ErrorLog(f).AddLine("(cEGC.Transfer) The reply to \"" + EchoLine(reply) +
                            "\" ended without the transceiver's prompt; the EGC stays on the transceiver.");
        EndEgcDownloadWhenDone(link);
        return;
    }

    const qint16 model = f.gSession.ProductModel();
    if (model != 6 && model != 1 && listed) {
        const qint64 expected = qint64(listed->Size) + (m.mnuSimEgcRxError ? 1 : 0);
        if (LengthCheckApplies(f) && IsAllDigits(m.gFetchMsgNumber)) {
            const qint16 number = static_cast<qint16>(m.gFetchMsgNumber.toInt());
            if (text.size() < expected) {
                const quint8 count = GetRxErrorCount(f, kRxErrorKindEgc, number);
                if (count < kMaxRetries) {
                    IncRxErrorCount(f, kRxErrorKindEgc, number);
                    const QString again = "ty " + name + " -b -k";
                    if (QueueCommand(link, again, false, true) || IsCommandQueued(link, again)) {
                        alarm.Raise = false;  // the repeated copy raises it
                        return;
                    }
                } else {
                    QueueMessageBox(f,
                                    FormatMlString(MlText(f, 2568,
                                                          "The EGC message '%0' was attempted received %1 times, "
                                                          "but was received with errors."),
                                                   QVariantList{name, int(count)}),
                                    QStringLiteral("Info"));
                    RemoveRxErrorCount(f, kRxErrorKindEgc, number);
                }
            } else {
                RemoveRxErrorCount(f, kRxErrorKindEgc, number);
            }
        }
        if (link.Dialogue.CheckCommEvent) link.Dialogue.CheckCommEvent();
    }

    QString path = EgcFolder(f) + "EGC_" + m.gFetchMsgNumber + u'_' + QString::number(listed ? listed->Size : -1) + ".txt";
    QString line;
    const quint8 level = record.Priority >= 0 && record.Priority <= 3 ? quint8(record.Priority) : 0;
    if (const FileError failure = StoreEgc(E, record, level, text, path, line)) {
        // The EGC stays on the transceiver, and the mark stays before it for the rest of this
        // download, so the next listing offers it again.
        m_storeFailed = true;
        ReportStoreFailure(f, failure, path);
        EndEgcDownloadWhenDone(link);
        return;
    }
    if (E.EgcView) E.EgcView->AddEgcRow(line);
    if (!m_storeFailed) {
        SetIniValue(f, QStringLiteral("[LastEgcNumber]"), m.gFetchMsgNumber, false);
        SetIniValue(f, QStringLiteral("[LastEgcDate]"), record.Date + u' ' + record.Time, true);
    }
    QueueCommand(link, "delete " + name, true, false);

    const qint16 type = f.gSession.ProductType();
    if ((type == 5 || type == 4) && SettingValue(f, QStringLiteral("PrintEgcs"), QStringLiteral("0")) == 1) {
        QString copy = text;
        Print_Fetched_File(m, copy, PrintedText::Body);
    }
}

}  // namespace tidepost
