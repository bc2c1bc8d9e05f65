#include "config/PcClock.h"

#include "config/Config.h"
#include "config/SetupDialogs.h"
#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlText.h"
#include "foundation/cErrorLog.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/PositionTimeReplies.h"
#include "platform/IClock.h"
#include "platform/IClockSetter.h"

namespace tidepost {

namespace {

const QString kTimeCommand = QStringLiteral("ti -u");

QString SecondsText(const QDateTime& local) { return local.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")); }

void ServeRequest(Config& c) {
    c.L.Requests.SetPcClockRequested = false;
    c.Setup->ClockReports = {};
}

}  // namespace

qint16 GetTimeZoneBias(Foundation& f) {
    if (!f.Os.Clock) return 0;
    return static_cast<qint16>(-f.Os.Clock->Now().offsetFromUtc() / 60);
}

QDateTime PcClockLocalTime(Foundation& f, const QDateTime& utc) {
    const QDateTime instant(utc.date(), utc.time(), Qt::UTC);
    return instant.toOffsetFromUtc(-GetTimeZoneBias(f) * 60);
}

void RequestPcClock(Config& c, bool fromFirstStartQuestion) {
    c.L.Requests.SetPcClockRequested = true;
    c.Setup->ClockReports = {};
    if (fromFirstStartQuestion)
        QueueCommand(c.L, kTimeCommand, false, true);
    else
        QueueCommand(c.L, kTimeCommand, true, false);
}

void SetPcClockFromTransceiver(Config& c, const QString& reply) {
    Foundation& f = c.F;
    PcClockReports& told = c.Setup->ClockReports;
    if (reply.contains(QLatin1String("ERROR 120"))) {
        if (!told.CommandRefusalLogged) {
            told.CommandRefusalLogged = true;
            ErrorLog(f).AddLine(MlText(f, 2846,
                                       "Error: PC time could not be set. Command does not exist or you do not have "
                                       "access to this command on current user level."));
        }
        return;
    }
    // A time kept from an earlier reply may be hours old after a lost link: only this reply counts.
    const std::optional<QDateTime> utc = ReadSystemTimeReply(reply, c.L.Dialogue.EchoTerminator);
    if (!utc) return;
    QDateTime local = PcClockLocalTime(f, *utc);
    local = local.addSecs(-local.time().second()).addMSecs(-local.time().msec());

    if (GetAppSetting(f, f.gProductName, "Config", "PC Clock", QString()) == QLatin1String("Log")) {
        ErrorLog(f).AddLine(QStringLiteral("PC clock not set (log only): ") + SecondsText(local));
        ServeRequest(c);
        return;
    }
    const ClockSetResult result = f.Os.ClockSetter
                                      ? f.Os.ClockSetter->SetClock(local)
                                      : ClockSetResult{false, QStringLiteral("no way to set the clock on this system")};
    if (result.Done) {
        ServeRequest(c);
        return;
    }
    if (told.SystemRefusalReported) return;
    told.SystemRefusalReported = true;
    ErrorLog(f).AddLine(QStringLiteral("PC clock not set to ") + SecondsText(local) + QStringLiteral(": ") +
                        result.Reason);
    QueueMessageBox(f, FormatMlString(MlText(f, 3540,
                                             "The PC clock was not set: %0.\r\nSetting it needs the right to set the "
                                             "system time (root, or the CAP_SYS_TIME capability)."),
                                      {result.Reason}));
}

}  // namespace tidepost
