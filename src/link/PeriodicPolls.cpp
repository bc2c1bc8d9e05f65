#include "link/PeriodicPolls.h"

#include <QStringList>
#include <QVariantList>
#include <cmath>
#include <functional>

#include "foundation/AppSettings.h"
#include "foundation/GeneralRoutines.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/MlStrings.h"
#include "foundation/MlText.h"
#include "link/CommandQueue.h"
#include "link/ILinkWindow.h"
#include "link/IPollWindow.h"
#include "link/Link.h"
#include "link/SerialLink.h"
#include "link/TickGuard.h"
#include "platform/IDiskSpace.h"

namespace tidepost {

namespace {

constexpr qint64 kDefaultLowDiskLimitKB = 1024;
constexpr qint64 kLowestLowDiskLimitKB = 512;
constexpr int kInfoTitle = 12;

bool NotModel1Or6(const CSession& s) { return s.ProductModel() != 1 && s.ProductModel() != 6; }

struct PollQuery {
    const char* Command;
    bool AllowDuplicate;
    std::function<bool(const Link&)> Condition;  // empty: always
};

// The status query set, in the order it is queued.
const QList<PollQuery>& StatusPollQueries() {
    static const QList<PollQuery> queries = {
        {"se -q", false,
         [](const Link& l) { return l.F.gSession.SolasType() != 1 && NotModel1Or6(l.F.gSession); }},
        {"ti -u", true, {}},
        {"st -v", false, {}},
        {"st -i", false, {}},
        {"st -s", false, {}},
        {"st -w", false, {}},
        {"ru -g", false, {}},
        {"ver", true, {}},
        {"se -r 1", false,
         [](const Link& l) { return l.F.gSession.ProductModel() != 0 && NotModel1Or6(l.F.gSession); }},
        {"ls IN.*", false, [](const Link& l) { return !l.F.gSession.ProcessingMsgs(); }},
        {"ls EGC.*", false, [](const Link& l) { return !l.F.gSession.ProcessingEgcs(); }},
        // Queued with its own LF, so an empty line follows it. It allows duplicates but is not
        // queued again while any line holding it still waits.
        {"st -n\n", true,
         [](const Link& l) {
             const CSession& s = l.F.gSession;
             return (s.CurrentProtocol() == QLatin1String("Free") || s.CurrentChannel() == QLatin1String("NCS")) &&
                    !IsCommandQueued(l, "st -n");
         }},
    };
    return queries;
}

// The file system's mount point stands for the drive letter of the warning; without one the
// folder itself is named.
QString DriveName(Foundation& f, const QString& folder) {
    const QString root = f.Os.Disk ? f.Os.Disk->RootPath(folder) : QString();
    return root.isEmpty() ? folder : root;
}

// "LowDiskSpaceLimit" rounded to whole kilobytes; a limit below the lowest is replaced by the
// default, also in the settings.
qint64 LowDiskLimitKB(Foundation& f) {
    const QString text = GetAppSetting(f, f.gProductName, "Settings", "LowDiskSpaceLimit",
                                       QString::number(kDefaultLowDiskLimitKB));
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    const double limit = ok && std::isfinite(value) ? std::nearbyint(value) : 0;
    if (limit < kLowestLowDiskLimitKB) {
        SaveAppSetting(f, f.gProductName, "Settings", "LowDiskSpaceLimit", QString::number(kDefaultLowDiskLimitKB));
        return kDefaultLowDiskLimitKB;
    }
    return limit > 9.0e15 ? qint64(9.0e15) : static_cast<qint64>(limit);
}

QString LowDiskWarningText(const Foundation& f, qint64 freeKB, const QString& drive) {
    const QStringList lines = {
        FormatMlString(MlText(f, 2723, "Warning, Low disk space (%0 kBytes) on drive '%1'."), {freeKB, drive}),
        MlText(f, 2724, "In case more disk space is not retrieved, "),
        MlText(f, 2725, "attempts to receive new messages could fail and Tidepost"),
        MlText(f, 2726, "could start behaving abnormally."),
        QString(),
        MlText(f, 2727, "Please do one or more of the following things."),
        MlText(f, 2728, "* Use another drive or partition to save EGC's and messages"),
        MlText(f, 2729, "* Use Windows Disk Clean Up (Windows 98, 2000, XP)"),
        MlText(f, 2730, "* Empty the Windows Recycle Bin."),
        FormatMlString(MlText(f, 2733, "* Manually delete unused files on drive '%0'."), {drive}),
        FormatMlString(
            MlText(f, 2734, "* Manually delete Commlog.txt, Errorlog.txt and Remotelog.txt from drive '%0'."), {drive}),
        MlText(f, 2735, "* Manually delete unused EGC's or messages from Tidepost."),
    };
    return lines.join("\r\n");
}

void CheckFreeDiskSpace(Link& link) {
    Foundation& f = link.F;
    const qint64 freeKB = GetFreeDiskSpaceKB(f, f.gEgcDir);
    if (freeKB < 0) {
        // Repeats every minute; the queue drops the text while it still waits.
        QueueMessageBox(f, MlText(f, 2736, "EGC Directory invalid. Please set EGC Directory in 'Options->Routing'"),
                        MlText(f, kInfoTitle, "Info"));
        return;
    }
    const qint64 limit = LowDiskLimitKB(f);
    if (freeKB >= limit || link.Polls.LowDiskWarningShown) return;
    QueueMessageBox(f, LowDiskWarningText(f, freeKB, DriveName(f, f.gEgcDir)), MlText(f, kInfoTitle, "Info"));
    link.Polls.LowDiskWarningShown = true;
}

void AdvanceTicker(Link& link) {
    if (link.Dialogue.DebugMode == 0 || link.Windows.PollWindow == nullptr) return;
    const QString ticker = link.Windows.PollWindow->Label11Caption();
    link.Windows.PollWindow->SetLabel11Caption(ticker.size() > 8 ? QStringLiteral("T2: ") : ticker + "*");
}

void TakeSnapshot(Link& link) {
    const CSession& s = link.F.gSession;
    SessionSnapshot& snapshot = link.Polls.SessionSnapshot;
    snapshot.MobileNumber = s.MobileNumber();
    snapshot.MobileType = s.MobileType();
    snapshot.PCBNumber = s.PCBNumber();
    snapshot.ProductModel = s.ProductModel();
    snapshot.ProductType = s.ProductType();
    snapshot.SwVerStr = s.SwVerStr();
}

void OnTransceiverChanged(Link& link) {
    Foundation& f = link.F;
    const CSession& s = f.gSession;
    if (!link.Transceiver.MenuUpdateBusy) {
        link.Transceiver.MenuUpdateBusy = true;
        if (link.Windows.Window) link.Windows.Window->UpdateMenu(s.MesConnected());
        link.Transceiver.MenuUpdateBusy = false;
    }
    TakeSnapshot(link);
    // The next EGC listing must not be filtered by the last EGC of the previous transceiver.
    SetIniValue(f, "[LastEgcNumber]", QString(), false);
    SetIniValue(f, "[LastEgcDate]", QString(), false);
    // The distress alert generator settings of a transceiver that has one.
    if (s.SolasType() != 1 && s.SolasType() > 0) {
        if (NotModel1Or6(s)) QueueCommand(link, "se -g", true, false);
        if (s.ProductType() == 5 || s.ProductType() == 4) QueueCommand(link, "se -m ALL_OCEANS", true, false);
    }
}

}  // namespace

void QueueStatusPoll(Link& link) {
    for (const PollQuery& query : StatusPollQueries())
        if (!query.Condition || query.Condition(link)) QueueCommand(link, query.Command, query.AllowDuplicate, false);
}

void ResetSessionSnapshot(Link& link) { link.Polls.SessionSnapshot = SessionSnapshot{}; }

void Timer2_Timer(Link& link) {
    RunGuarded(link.F, "MainForm.Timer2_Timer", [&] {
        AdvanceTicker(link);
        // The status list carries the transceiver's INFO and ERROR notifications.
        QueueCommand(link, "st -l", false, false);
        if (!link.F.gSession.MesConnected() || TerminalVisible(link)) {
            Foundation& f = link.F;
            if (GetIniValue(f, "[HOST Interface]") == QLatin1String("COM"))
                OpenComPort(f, GetComPortSetting(f), GetComSettings(f));
        } else {
            QueueStatusPoll(link);
        }
    });
}

void Timer_60S_Timer(Link& link) {
    RunGuarded(link.F, "MainForm.Timer_60S_Timer", [&] {
        if (!TerminalVisible(link) && link.F.gSession.MesConnected() && !IsCommandQueued(link, "se -p")) {
            QueueCommand(link, "se -p", true, false);
            // The terminal display swallows the self-test summary this query may bring.
            link.Polls.TerminalModeFormTag = QStringLiteral("CheckGPS");
        }
        CheckFreeDiskSpace(link);
    });
}

bool EventTimerHasWork(Link& link) {
    if (link.F.gSession.HasMobileChanged(link.Polls.SessionSnapshot)) return true;
    const QString answer = GetIniValue(link.F, "[SETPCTIME]");
    return answer != QLatin1String("No") && answer != QLatin1String("Yes") && link.Windows.PollWindow;
}

void EventTimer_Timer(Link& link) {
    RunGuarded(link.F, "MainForm.EventTimer_Timer", [&] {
        if (link.F.gSession.HasMobileChanged(link.Polls.SessionSnapshot)) OnTransceiverChanged(link);

        const QString answer = GetIniValue(link.F, "[SETPCTIME]");
        if (answer != QLatin1String("No") && answer != QLatin1String("Yes") && link.Windows.PollWindow &&
            !link.Windows.PollWindow->IsASISFormVisible())
            link.Windows.PollWindow->ShowSetTimeForm();
    });
}

}  // namespace tidepost
