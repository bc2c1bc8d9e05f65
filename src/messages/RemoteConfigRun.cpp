#include "messages/RemoteConfigRun.h"

#include <memory>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/ILog.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/UsefullCodePages.h"
#include "foundation/UsefullRoutines.h"
#include "messages/IMessagesWindow.h"
#include "messages/IRemoteConfig.h"
#include "messages/Messages.h"
#include "messages/RemoteSeen.h"

namespace tidepost {

namespace {

const QString kRemoteLog = QStringLiteral("RemoteLog.txt");
const QString kStartMarker = QStringLiteral("$XYWGHJIP$");

QString SeeLog(const Foundation& f) { return "\r\n" + MlText(f, 2537, "Please refer to 'RemoteLog.txt' for details."); }

void QueueOutcome(Foundation& f, const QString& text) { QueueMessageBox(f, text, MlText(f, 12, "Info")); }

void Failed(Foundation& f, ILog& log) {
    log.Log(QStringLiteral("Error: Remote configuration failed"));
    QueueOutcome(f, MlText(f, 2535, "Error: Remote configuration failed.") + SeeLog(f));
}

// The outcome of a decoded packet; the decoder's lines are in the log already.
RemoteConfigOutcome Carry(Messages& m, ILog& log, const RemoteConfigPacket& packet, const QString& text) {
    Foundation& f = m.F;
    if (!packet.PasswordOK) {
        log.Log(QStringLiteral("Error: Remote configuration failed. Password not valid "));
        QueueOutcome(f, MlText(f, 2536, "Error: Remote configuration failed. Password not valid.") + SeeLog(f));
        return RemoteConfigOutcome::Store;
    }
    if (packet.Malformed) {
        Failed(f, log);
        return RemoteConfigOutcome::Store;
    }
    const qsizetype start = text.indexOf(kStartMarker);
    const QString digest = RemotePacketDigest(f, start < 0 ? text : text.mid(start));
    bool seen = false;
    if (FileError e = IsRemotePacketSeen(f, digest, seen)) {
        log.Log("Error: '" + QString::fromLatin1(kRemoteSeenFileName) + "' could not be read: " + e.description);
        Failed(f, log);
        return RemoteConfigOutcome::Store;
    }
    if (seen) {
        log.Log(QStringLiteral("Error: Packet already processed"));
        return RemoteConfigOutcome::Store;
    }
    // Noted before anything runs: a packet that cannot be noted could be carried out twice.
    if (FileError e = RememberRemotePacket(f, f.gSession.SystemTime(), digest)) {
        log.Log("Error: '" + QString::fromLatin1(kRemoteSeenFileName) + "' could not be written: " + e.description);
        Failed(f, log);
        return RemoteConfigOutcome::Store;
    }
    std::unique_ptr<IRemoteConfigProcess> process = m.NewRemoteConfigProcess ? m.NewRemoteConfigProcess() : nullptr;
    if (process) process->SetLogFile(kRemoteLog);
    if (process && process->ProcessConfig(packet)) {
        log.Log(QStringLiteral("Remote configuration completed successfully"));
        QueueOutcome(f, MlText(f, 2534, "Remote configuration completed successfully."));
    } else {
        Failed(f, log);
    }
    return RemoteConfigOutcome::CarriedOut;
}

}  // namespace

RemoteConfigOutcome ReceiveRemoteConfig(Messages& m, const QString& text) {
    Foundation& f = m.F;
    cLog log(f);
    log.SetLogFile(kRemoteLog);
    std::unique_ptr<IRemoteConfig> decoder = m.NewRemoteConfig ? m.NewRemoteConfig() : nullptr;
    if (!decoder) return RemoteConfigOutcome::NotAPacket;
    decoder->SetLogging(&log);
    if (!decoder->ExistConfig(text)) return RemoteConfigOutcome::NotAPacket;

    if (LeadingNumber(GetAppSetting(f, f.gProductName, QStringLiteral("Settings"), QStringLiteral("AllowRemoteConfig"),
                                    QStringLiteral("1"))) == 0) {
        log.Log(QStringLiteral("Error: Remote configuration not allowed"));
        return RemoteConfigOutcome::Store;
    }
    // Before the first time reply the clock reads 1970: every token would be refused and the
    // packet lost among the messages. It waits on the transceiver for the next cycle instead.
    if (!f.gSession.SystemTimeSet()) {
        log.Log(QStringLiteral("Error: Transceiver time unknown"));
        return RemoteConfigOutcome::Leave;
    }
    decoder->SetPassword(DecodeHexComplement(
        f, GetAppSetting(f, f.gProductName, QStringLiteral("Config"), QStringLiteral("Remote Password"), QString())));
    const QDateTime utc = f.gSession.SystemTime();
    decoder->SetUTCTime(utc.time());
    decoder->SetUTCDate(utc.date());
    const RemoteConfigPacket packet = decoder->DecodeConfig(text);
    const RemoteConfigOutcome outcome = Carry(m, log, packet, text);
    if (m.Window) m.Window->UpdateElectronicFormsMenu();
    return outcome;
}

bool LengthCheckApplies(const Foundation& f) {
    const CConfiguration& c = f.gConfiguration;
    return c.GetMinicSwMajor() == 1 && c.GetMinicSwMinor() >= 3 && c.GetTcuSwMajor() == 1 && c.GetTcuSwMinor() >= 3;
}

}  // namespace tidepost
