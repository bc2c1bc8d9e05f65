#include "link/LinkLoss.h"

#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorLog.h"
#include "link/CommandQueue.h"
#include "link/IDistressModeWindow.h"
#include "link/ILinkWindow.h"
#include "link/ITerminalWindow.h"
#include "link/Link.h"
#include "link/TickGuard.h"
#include "link/UploadChecks.h"
#include "platform/IClock.h"
#include "platform/ISerialControl.h"
#include "platform/ISocketControl.h"
#include "platform/ITrayIcon.h"

namespace tidepost {

namespace {
constexpr int kRed = 255;
constexpr int kMobileNotConnected = 0;
constexpr int kDistressModeLinkLost = 3;
}  // namespace

void ConnectionLost(Link& link) {
    Foundation& f = link.F;
    ILinkWindow* window = link.Windows.Window;
    LinkTransceiver& told = link.Transceiver;
    LinkRequests& requests = link.Requests;
    f.gSession.Reset();
    if (window) window->UpdateMenu(false);
    told.TransceiverSerialNumber.clear();
    told.MesPrinterConfigured = false;
    if (window) {
        window->SetMobileStatus(kMobileNotConnected);
        window->SetAntenneBarValue(0);
        window->SetPCConnBarColor(kRed);
    }
    told.DistressTestModeActive = 0;
    told.MenuUpdateBusy = false;
    if (IDistressModeWindow* distress = link.Windows.DistressModeForm; distress && distress->IsVisible())
        distress->HandleEvent(kDistressModeLinkLost);
    if (SentFileCheckPending(link)) {
        // What became of the uploads on their way is unknown: none of them may be submitted cut,
        // so each is withdrawn and marked failed, and the operator is told.
        QueueMessageBox(f, f.Strings.GetMlString(2835, "The PC has lost connection to the mobile. Due to this the "
                                                       "message might not have been sent."),
                        f.Strings.GetMlString(12, "Info"));
        const QList<SentFileCheck> uploads = requests.SentFileChecks;
        for (const SentFileCheck& upload : uploads) FailUpload(link, upload.SentFileName);
    }
    link.Dialogue.DialogueState = 0;
}

void CloseConnection(Link& link) {
    Foundation& f = link.F;
    if (f.Os.Serial && f.Os.Serial->PortOpen()) f.Os.Serial->Close();
    if (f.gSession.LanConnected) {
        if (link.Windows.Window) link.Windows.Window->SetWinsockTimerEnabled(false);
        if (f.Os.Socket && f.Os.Socket->SocketState() != ISocketControl::Closed) f.Os.Socket->Close();
    }
    f.gSession.SetMesConnected(false);
    if (f.Os.Tray) f.Os.Tray->RemoveIcon();
    f.Windows.TrayIconShown = false;
}

bool IsDownloadIdle(const Link& link) {
    return !link.F.gSession.ProcessingEgcs() && !link.F.gSession.ProcessingMsgs();
}

namespace {

constexpr int kTestIdle = 0;
constexpr int kTestInitiating = 1;
constexpr int kTestUnderTest = 2;

// The exit must wait for the distress buttons test: a test left running would keep the
// transceiver's distress buttons from sending a real alert.
bool DistressTestHoldsExit(const Link& link) {
    const IDistressModeWindow* test = link.Windows.DistressModeForm;
    return test && !link.Dialogue.DistressTestWaitOver && test->GetState() != kTestIdle &&
           link.F.gSession.MesConnected();
}

qint64 Monotonic(const Link& link) { return link.F.Os.Clock ? link.F.Os.Clock->MonotonicMs() : 0; }

}  // namespace

bool BeginCloseDown(Link& link) {
    link.Dialogue.ClosingDown = true;
    link.Dialogue.ClosingDownSince = Monotonic(link);
    link.Dialogue.DistressTestWaitOver = false;
    if (DistressTestHoldsExit(link)) link.Windows.DistressModeForm->EndTest();
    if (IsDownloadIdle(link) && !DistressTestHoldsExit(link)) {
        CloseConnection(link);
        return true;
    }
    if (link.Windows.Window) link.Windows.Window->SetCloseDownTimerEnabled(true);
    return false;
}

void CloseDownTimer_Timer(Link& link) {
    RunGuarded(link.F, "MainForm.CloseDownTimer_Timer", [&] {
        ILinkWindow* window = link.Windows.Window;
        if (!link.Dialogue.ClosingDown) {
            // The user closed the busy window: the exit is cancelled.
            if (window) window->SetCloseDownTimerEnabled(false);
            return;
        }
        if (window && !window->IsPleaseWaitVisible()) {
            const MlStrings& s = link.F.Strings;
            QString caption = s.GetMlString(2737, "Closing Tidepost...");
            if (link.F.gSession.ProcessingEgcs()) caption += s.GetMlString(2738, "(Downloading EGC's)");
            else if (link.F.gSession.ProcessingMsgs()) caption += s.GetMlString(2739, "(Downloading Messages)");
            window->ShowPleaseWait(caption);
        }
        if (DistressTestHoldsExit(link)) {
            if (Monotonic(link) - link.Dialogue.ClosingDownSince >= kDistressTestExitWaitMs) {
                link.Dialogue.DistressTestWaitOver = true;
                ErrorLog(link.F).AddLine(
                    "(MainForm.CloseDownTimer_Timer) The transceiver did not confirm the end of the distress "
                    "buttons test; the program ends without that confirmation.");
            } else {
                const int state = link.Windows.DistressModeForm->GetState();
                // The transceiver reported the test running again: it is ended again.
                if (state == kTestUnderTest || state == kTestInitiating) link.Windows.DistressModeForm->EndTest();
            }
        }
        if (IsDownloadIdle(link) && !DistressTestHoldsExit(link)) {
            CloseConnection(link);
            if (window) window->UnloadMainForm();
        }
    });
}

void EnterTerminalMode(Link& link) {
    link.Dialogue.TerminalModeRequested = true;
    if (link.Windows.TerminalModeForm) link.Windows.TerminalModeForm->MoveCaretToEnd();
    DialogueWorkArrived(link);
    if (link.Windows.Window) link.Windows.Window->SetTimer2Enabled(false);
}

}  // namespace tidepost
