#include "messages/RemoteConfigRun.h"

#include <memory>

#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/ILog.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/UsefullRoutines.h"
#include "link/ReplyFields.h"
#include "messages/IMessagesWindow.h"
#include "messages/IRemoteConfig.h"
#include "messages/Messages.h"

namespace tidepost {

namespace {

const QString kRemoteLog = QStringLiteral("RemoteLog.txt");
const QString kInfo = QStringLiteral("Info");

}  // namespace

void RunRemoteConfig(Messages& m, IRemoteConfig& decoder, ILog& log, const QString& text) {
    Foundation& f = m.F;
    if (LeadingNumber(GetAppSetting(f, f.gProductName, QStringLiteral("Settings"), QStringLiteral("AllowRemoteConfig"),
                                    QStringLiteral("1"))) == 0)
        return;
    decoder.SetPassword(DecodeHexComplement(
        f, GetAppSetting(f, f.gProductName, QStringLiteral("Config"), QStringLiteral("Remote Password"), QString())));
    const QDateTime utc = f.gSession.SystemTime();
    decoder.SetUTCTime(utc.time());
    decoder.SetUTCDate(utc.date());
    const RemoteConfigPacket packet = decoder.DecodeConfig(text);

    std::unique_ptr<IRemoteConfigProcess> process = m.NewRemoteConfigProcess ? m.NewRemoteConfigProcess() : nullptr;
    if (process) process->SetLogFile(kRemoteLog);
    const QString seeLog = QStringLiteral("\r\nPlease refer to 'RemoteLog.txt' for details.");
    if (packet.PasswordOK && process && process->ProcessConfig(packet)) {
        log.Log(QStringLiteral("Remote configuration completed successfully"));
        QueueMessageBox(f, QStringLiteral("Remote configuration completed successfully."), kInfo);
    } else if (packet.PasswordOK) {
        log.Log(QStringLiteral("Error: Remote configuration failed"));
        QueueMessageBox(f, "Error: Remote configuration failed." + seeLog, kInfo);
    } else {
        log.Log(QStringLiteral("Error: Remote configuration failed. Password not valid "));
        QueueMessageBox(f, "Error: Remote configuration failed. Password not valid." + seeLog, kInfo);
    }
    process.reset();
    if (m.Window) m.Window->UpdateElectronicFormsMenu();
}

bool LengthCheckApplies(const Foundation& f) {
    const CConfiguration& c = f.gConfiguration;
    return c.GetMinicSwMajor() == 1 && c.GetMinicSwMinor() >= 3 && c.GetTcuSwMajor() == 1 && c.GetTcuSwMinor() >= 3;
}

}  // namespace tidepost
