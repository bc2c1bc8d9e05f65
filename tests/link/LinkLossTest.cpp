#include <gtest/gtest.h>

#include "DialogueFixture.h"
#include "foundation/MessageBoxQueue.h"
#include "foundation/cErrorQueue.h"
#include "link/CommandQueue.h"
#include "link/DownloadWatchdogs.h"
#include "link/LinkLoss.h"
#include "link/UploadChecks.h"

using namespace tidepost;
using test::DialogueFixture;

namespace {

struct LinkLoss : DialogueFixture {
    test::FakeDistressModeWindow distressWindow;

    LinkLoss() {
        link.Windows.DistressModeForm = &distressWindow;
        f.gSession.SetMesConnected(true);
        f.gSession.SetMobileNumber(431234567);
        f.gSession.SetProcessingMsgs(true);
        f.gSession.LanConnected = true;
        f.gSession.ConnectedToTCU = true;
        link.Transceiver.TransceiverSerialNumber = "SN 0815";
        link.Transceiver.MesPrinterConfigured = true;
        link.Transceiver.DistressTestModeActive = 1;
        link.Transceiver.MenuUpdateBusy = true;
        link.Dialogue.DialogueState = 1;
    }
};

TEST_F(LinkLoss, ForgetsTheTransceiverAndTurnsTheIndicatorsRed) {
    ConnectionLost(link);
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_EQ(f.gSession.MobileNumber(), 0);
    EXPECT_FALSE(f.gSession.ProcessingMsgs());
    EXPECT_TRUE(f.gSession.LanConnected) << "the link variables survive";
    EXPECT_TRUE(f.gSession.ConnectedToTCU);
    EXPECT_EQ(window.MenuUpdates, QList<bool>{false});
    EXPECT_TRUE(link.Transceiver.TransceiverSerialNumber.isEmpty());
    EXPECT_FALSE(link.Transceiver.MesPrinterConfigured);
    EXPECT_EQ(window.MobileStatus, 0);
    EXPECT_EQ(window.AntenneBar, 0);
    EXPECT_EQ(window.PCConnBarColor, 255);
    EXPECT_EQ(link.Transceiver.DistressTestModeActive, 0);
    EXPECT_FALSE(link.Transceiver.MenuUpdateBusy);
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_TRUE(platform.Serial.PortOpen()) << "the links stay open";
}

TEST_F(LinkLoss, WithoutAnUploadOnItsWayNothingIsQueued) {
    link.Dialogue.CommandQueue = "tx AB123456.TXT -c 112\n";
    ConnectionLost(link);
    EXPECT_EQ(ErrorQueue(f).Count(), 0);
    EXPECT_EQ(link.Dialogue.CommandQueue, "tx AB123456.TXT -c 112\n") << "a checked upload's submission stays";
}

TEST_F(LinkLoss, UploadsOnTheirWayAreReportedWithdrawnAndMarkedFailed) {
    QStringList failed;
    link.Dispatch.MarkUploadFailed = [&](const QString& name) { failed.append(name); };
    BeginSentFileCheck(link, "AB123456.TXT", 250);
    BeginSentFileCheck(link, "AB123457.TXT", 30);
    link.Requests.SentFileChecks[0].SizeChecked = true;
    link.Dialogue.CommandQueue = "tx AB123456.TXT -c 112 -n\ntr AB123457.TXT -b 30\r\nls AB123457.TXT\r\nst -l\r\n"
                                 "tx AB123457.TXT -c 112 -n\nls AB123458.TXT\r\n";
    ConnectionLost(link);
    ASSERT_EQ(ErrorQueue(f).Count(), 1);
    EXPECT_EQ(ErrorQueue(f).Peek().toString(),
              "The PC has lost connection to the mobile. Due to this the message might not have been sent.");
    EXPECT_TRUE(link.Requests.SentFileChecks.isEmpty());
    EXPECT_EQ(failed, (QStringList{"AB123456.TXT", "AB123457.TXT"}));
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\nls AB123458.TXT\r\n");
}

TEST_F(LinkLoss, DistressTestWindowIsToldOnlyWhenVisible) {
    ConnectionLost(link);
    EXPECT_TRUE(distressWindow.Events.isEmpty());
    distressWindow.Visible = true;
    ConnectionLost(link);
    EXPECT_EQ(distressWindow.Events, QList<int>{3});
}

TEST_F(LinkLoss, WorksWithoutAnyWindow) {
    link.Windows.Window = nullptr;
    link.Windows.DistressModeForm = nullptr;
    EXPECT_NO_THROW(ConnectionLost(link));
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
}

// ---- closing the links ----

struct CloseCase {
    const char* name;
    bool lanConnected;
    int socketState;
    bool winsockTimerStopped;
    int socketCloses;
};

class CloseConnectionCases : public LinkLoss, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseConnectionCases, ClosesTheLinksOfTheMode) {
    const CloseCase& c = GetParam();
    f.gSession.LanConnected = c.lanConnected;
    platform.Socket.State = c.socketState;
    window.Timers["Winsock_timer"] = true;
    f.Windows.TrayIconShown = true;

    CloseConnection(link);

    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_EQ(platform.Serial.CloseCount, 1);
    EXPECT_EQ(window.TimerOn("Winsock_timer"), !c.winsockTimerStopped);
    EXPECT_EQ(platform.Socket.CloseCount, c.socketCloses);
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_GE(platform.Tray.RemoveCount, 1);
    EXPECT_FALSE(f.Windows.TrayIconShown);
}

INSTANTIATE_TEST_SUITE_P(
    Modes, CloseConnectionCases,
    ::testing::Values(CloseCase{"SerialLeavesTheLanTimerRunning", false, ISocketControl::Closed, false, 0},
                      CloseCase{"LanStopsItsTimerAndClosesTheSocket", true, ISocketControl::Connected, true, 1},
                      CloseCase{"LanWithTheSocketAlreadyClosed", true, ISocketControl::Closed, true, 0},
                      CloseCase{"LanWithAConnectionPending", true, ISocketControl::Connecting, true, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LinkLoss, ClosingAClosedSerialPortDoesNothing) {
    platform.Serial.Close();
    CloseConnection(link);
    EXPECT_EQ(platform.Serial.CloseCount, 1);
}

// ---- the exit that waits for a download ----

struct DownloadCase {
    bool egcs;
    bool msgs;
    bool idle;
    QString caption;
};

class ClosingDown : public LinkLoss, public ::testing::WithParamInterface<DownloadCase> {};

TEST_P(ClosingDown, ShowsWhatItWaitsFor) {
    const DownloadCase& c = GetParam();
    f.gSession.SetProcessingEgcs(c.egcs);
    f.gSession.SetProcessingMsgs(c.msgs);
    EXPECT_EQ(IsDownloadIdle(link), c.idle);
    if (c.idle) return;

    EXPECT_FALSE(BeginCloseDown(link));
    EXPECT_TRUE(link.Dialogue.ClosingDown);
    EXPECT_TRUE(window.TimerOn("CloseDownTimer"));
    EXPECT_TRUE(platform.Serial.PortOpen());

    CloseDownTimer_Timer(link);
    EXPECT_EQ(window.PleaseWaitCaption, c.caption);
    EXPECT_TRUE(window.PleaseWaitVisible);
    CloseDownTimer_Timer(link);
    EXPECT_EQ(window.Calls.count("ShowPleaseWait"), 1) << "shown on the first tick only";
    EXPECT_FALSE(window.Calls.contains("UnloadMainForm"));
}

INSTANTIATE_TEST_SUITE_P(
    Downloads, ClosingDown,
    ::testing::Values(DownloadCase{false, false, true, ""},
                      DownloadCase{false, true, false, "Closing Tidepost...(Downloading Messages)"},
                      DownloadCase{true, false, false, "Closing Tidepost...(Downloading EGC's)"},
                      DownloadCase{true, true, false, "Closing Tidepost...(Downloading EGC's)"}),
    [](const auto& info) {
        const DownloadCase& c = info.param;
        return std::string(c.egcs ? (c.msgs ? "EgcsAndMessages" : "Egcs") : (c.msgs ? "Messages" : "Nothing"));
    });

TEST_F(LinkLoss, ExitWithoutDownloadClosesAtOnce) {
    f.gSession.SetProcessingMsgs(false);
    EXPECT_TRUE(BeginCloseDown(link));
    EXPECT_TRUE(link.Dialogue.ClosingDown);
    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_FALSE(window.TimerOn("CloseDownTimer"));
}

TEST_F(LinkLoss, ExitGoesOnOnceTheDownloadHasEnded) {
    ASSERT_FALSE(BeginCloseDown(link));
    CloseDownTimer_Timer(link);
    EXPECT_TRUE(platform.Serial.PortOpen());

    // Only commands that finish the download are admitted while the exit waits.
    EXPECT_FALSE(QueueCommand(link, "st -l", false, false));
    EXPECT_TRUE(QueueCommand(link, "delete IN.1", false, false));

    MessageTimer_Timer(link);  // the watchdog ends the download at the latest
    CloseDownTimer_Timer(link);
    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_EQ(window.Calls.last(), "UnloadMainForm");
}

TEST_F(LinkLoss, ClosingTheBusyWindowCancelsTheExit) {
    ASSERT_FALSE(BeginCloseDown(link));
    CloseDownTimer_Timer(link);
    link.Dialogue.ClosingDown = false;  // what closing the busy window by hand does
    CloseDownTimer_Timer(link);
    EXPECT_FALSE(window.TimerOn("CloseDownTimer"));
    EXPECT_TRUE(platform.Serial.PortOpen());
    EXPECT_FALSE(window.Calls.contains("UnloadMainForm"));
    EXPECT_TRUE(QueueCommand(link, "st -l", false, false)) << "commands are admitted again";
}

// ---- the exit and the distress buttons test ----

struct ExitDuringTest : LinkLoss {
    ExitDuringTest() {
        f.gSession.SetProcessingMsgs(false);
        // The fake machine: ending the test moves it to Cancelling.
        distressWindow.OnEndTest = [this] { distressWindow.State = 3; };
    }
    QString ErrorLog() const { return QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt")); }
};

TEST_F(ExitDuringTest, ExitWaitsUntilTheTestHasEndedAndEndsItAgainWhenItRuns) {
    distressWindow.State = 2;
    EXPECT_FALSE(BeginCloseDown(link));
    EXPECT_EQ(distressWindow.EndTests, 1);
    EXPECT_TRUE(window.TimerOn("CloseDownTimer"));
    CloseDownTimer_Timer(link);
    EXPECT_EQ(distressWindow.EndTests, 1) << "Cancelling waits for the transceiver";
    EXPECT_TRUE(platform.Serial.PortOpen());

    distressWindow.State = 2;  // the transceiver reports the test running
    CloseDownTimer_Timer(link);
    EXPECT_EQ(distressWindow.EndTests, 2);
    EXPECT_FALSE(window.Calls.contains("UnloadMainForm"));

    distressWindow.State = 0;
    CloseDownTimer_Timer(link);
    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_EQ(window.Calls.last(), "UnloadMainForm");
    EXPECT_TRUE(ErrorLog().isEmpty());
}

TEST_F(ExitDuringTest, StartingTestIsEndedToo) {
    distressWindow.State = 1;
    EXPECT_FALSE(BeginCloseDown(link));
    EXPECT_EQ(distressWindow.EndTests, 1);
}

TEST_F(ExitDuringTest, WaitsAtMostThirtySecondsThenLogsAndEnds) {
    distressWindow.State = 2;
    ASSERT_FALSE(BeginCloseDown(link));
    platform.Clock.AdvanceMs(kDistressTestExitWaitMs - 1);
    CloseDownTimer_Timer(link);
    EXPECT_TRUE(platform.Serial.PortOpen());
    platform.Clock.AdvanceMs(1);
    CloseDownTimer_Timer(link);
    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_EQ(window.Calls.last(), "UnloadMainForm");
    EXPECT_EQ(ErrorLog().count("did not confirm the end of the distress buttons test"), 1);
}

TEST_F(ExitDuringTest, NoWaitWhileTheTransceiverDoesNotAnswerOrNoTestRuns) {
    const struct {
        const char* what;
        bool connected;
        int state;
    } cases[] = {{"link down", false, 2}, {"idle", true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        platform.Serial.Open();
        f.gSession.SetMesConnected(c.connected);
        distressWindow.State = c.state;
        distressWindow.EndTests = 0;
        EXPECT_TRUE(BeginCloseDown(link));
        EXPECT_EQ(distressWindow.EndTests, 0);
        EXPECT_FALSE(window.TimerOn("CloseDownTimer"));
    }
}

TEST_F(ExitDuringTest, DownloadAndTestAreBothWaitedFor) {
    f.gSession.SetProcessingMsgs(true);
    distressWindow.State = 2;
    ASSERT_FALSE(BeginCloseDown(link));
    distressWindow.State = 0;
    CloseDownTimer_Timer(link);
    EXPECT_TRUE(platform.Serial.PortOpen()) << "the download still runs";
    f.gSession.SetProcessingMsgs(false);
    CloseDownTimer_Timer(link);
    EXPECT_FALSE(platform.Serial.PortOpen());
}

// ---- terminal mode ----

TEST_F(LinkLoss, EnterTerminalModeStopsThePollAndWaitsForTheQueue) {
    link.Windows.TerminalModeForm = &terminal;
    window.Timers["Timer2"] = true;
    link.Dialogue.CommandQueue = "st -l\r\n";
    link.Dialogue.DialogueState = 0;
    EnterTerminalMode(link);
    EXPECT_TRUE(link.Dialogue.TerminalModeRequested);
    EXPECT_EQ(terminal.Calls, QStringList{"MoveCaretToEnd"});
    EXPECT_FALSE(window.TimerOn("Timer2"));

    Tick();  // sends the queued line first
    EXPECT_EQ(terminal.Calls, QStringList{"MoveCaretToEnd"});
    link.Dialogue.DialogueState = 0;
    Tick();
    EXPECT_EQ(terminal.Calls, (QStringList{"MoveCaretToEnd", "Show", "InitPrompt", "Focus"}));
}

}  // namespace
