#include <gtest/gtest.h>

#include <QAction>
#include <QFrame>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include "foundation/Foundation.h"
#include "foundation/MessageBoxQueue.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "mainwindow/PleaseWait.h"
#include "mainwindow/WaitForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct MainFormFixture : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    MainFormFixture() { f.gConfiguration.DataPath = platform.DataFolder(); }

    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(name);
    }
};

TEST_F(MainFormFixture, RegistersItselfWithTheFoundationAndTheLink) {
    EXPECT_EQ(f.Windows.MainForm, &form);
    EXPECT_EQ(link.Windows.Window, &form);
    EXPECT_EQ(form.objectName(), "MainForm");
}

TEST_F(MainFormFixture, UnregistersWhenDestroyed) {
    Link other{f};
    {
        MainForm second(f, other);
        EXPECT_EQ(other.Windows.Window, &second);
    }
    EXPECT_EQ(other.Windows.Window, nullptr);
    EXPECT_EQ(f.Windows.MainForm, nullptr);
}

struct TimerCase {
    const char* name;
    int intervalMs;
};

class MainFormTimers : public MainFormFixture, public ::testing::WithParamInterface<TimerCase> {};

TEST_P(MainFormTimers, ExistWithTheirIntervalAndStartOff) {
    QTimer* timer = Find<QTimer>(GetParam().name);
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->interval(), GetParam().intervalMs);
    EXPECT_FALSE(timer->isActive());
}

INSTANTIATE_TEST_SUITE_P(Timers, MainFormTimers,
                         ::testing::Values(TimerCase{"Timer1", 60}, TimerCase{"Timer2", 10000},
                                           TimerCase{"Timer_60S", 60000}, TimerCase{"EventTimer", 100},
                                           TimerCase{"CloseDownTimer", 65}, TimerCase{"EGCTimer", 60000},
                                           TimerCase{"MessageTimer", 60000}, TimerCase{"Winsock_timer", 500},
                                           TimerCase{"MBoxTimer", 300}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MainFormFixture, ControlsAreFoundByName) {
    for (const char* name : {"Label1", "Label4", "Label10", "Label11", "MobileStatusField", "Infofield"})
        EXPECT_NE(Find<QLabel>(name), nullptr) << name;
    for (const char* name : {"AntenneBar", "PCConnBar", "TCUConnBar"}) EXPECT_NE(Find<QProgressBar>(name), nullptr) << name;
    EXPECT_NE(Find<QStatusBar>("MainFormStatusBar"), nullptr);
    ASSERT_NE(Find<QFrame>("InfoBox"), nullptr);
    EXPECT_TRUE(Find<QFrame>("InfoBox")->isHidden());
    EXPECT_NE(Find<QAction>("mnuLogPCComm"), nullptr);
}

TEST_F(MainFormFixture, EnableTimersSwitchesTheDialogueTimers) {
    form.EnableTimers(true);
    EXPECT_TRUE(Find<QTimer>("Timer1")->isActive());
    EXPECT_TRUE(Find<QTimer>("Timer2")->isActive());
    EXPECT_TRUE(Find<QTimer>("MessageTimer")->isActive());
    EXPECT_TRUE(Find<QTimer>("MBoxTimer")->isActive());
    EXPECT_FALSE(Find<QTimer>("CloseDownTimer")->isActive());
    form.EnableTimers(false);
    EXPECT_FALSE(Find<QTimer>("Timer1")->isActive());
}

TEST_F(MainFormFixture, StartingARunningWatchdogDoesNotRestartIt) {
    QTimer* watchdog = Find<QTimer>("EGCTimer");
    form.SetEGCTimerEnabled(true);
    const int id = watchdog->timerId();
    form.SetEGCTimerEnabled(true);
    EXPECT_EQ(watchdog->timerId(), id);
    form.SetEGCTimerEnabled(false);
    EXPECT_FALSE(watchdog->isActive());
}

TEST_F(MainFormFixture, EngineTickWritesTheActivityLabelAndRestartsItsTimer) {
    link.Dialogue.CommandQueue = "ver\r\n";
    platform.Serial.Open();
    form.Timer1_Timer();
    EXPECT_EQ(Find<QLabel>("Label1")->text(), "Idle");
    // The wait for the reply goes on: polled, or resting on the reply's time-out.
    EXPECT_TRUE(Find<QTimer>("Timer1")->isActive() || Find<QTimer>("ReplyTimeOutTimer")->isActive());
    EXPECT_EQ(platform.Serial.Written(), "ver\r\n");
}

TEST_F(MainFormFixture, DebugLabelsShowWhatTheEngineWrites) {
    link.Dialogue.DebugMode = 1;
    link.Dialogue.CommandQueue = "st -l\r\n";
    form.Timer1_Timer();
    EXPECT_EQ(Find<QLabel>("Label4")->text(), "st -l\r\n");
    EXPECT_EQ(Find<QLabel>("Label10")->text(), "T1: *");
}

TEST_F(MainFormFixture, StatusPanelsCountFromOne) {
    form.SetStatusPanelText(2, "2012-07-03 09:05:00: Logged in");
    EXPECT_EQ(Find<QLabel>("Panel2")->text(), "2012-07-03 09:05:00: Logged in");
    form.SetStatusPanelText(4, "nowhere");
    form.SetStatusPanelText(0, "nowhere");
    EXPECT_TRUE(Find<QLabel>("Panel1")->text().isEmpty());
}

TEST_F(MainFormFixture, MobileStatusKeepsTheCodeAndShowsItsTextWhileConnected) {
    f.MobileStatusTexts = {"Mobile not connected", "Sending Distress", "Link Test...", "Connected to mobile"};
    QLabel* field = Find<QLabel>("MobileStatusField");
    form.SetMobileStatus(3);
    EXPECT_EQ(field->property("Tag").toString(), "3");
    EXPECT_TRUE(field->text().isEmpty()) << "no text while the transceiver does not answer";

    f.gSession.SetMesConnected(true);
    form.SetMobileStatus(3);
    EXPECT_EQ(field->text(), "Connected to mobile");
    form.SetMobileStatus(26);
    EXPECT_EQ(field->property("Tag").toString(), "3") << "a code above 25 changes nothing";
    EXPECT_EQ(field->text(), "Connected to mobile");
}

TEST_F(MainFormFixture, BarsTakeTheirFillColourAndValue) {
    form.SetPCConnBarColor(65280);
    form.SetTCUConnBarColor(255);
    form.SetAntenneBarValue(60);
    EXPECT_EQ(Find<QProgressBar>("PCConnBar")->property("FillColor").toInt(), 65280);
    EXPECT_TRUE(Find<QProgressBar>("PCConnBar")->styleSheet().contains("#00ff00"));
    EXPECT_TRUE(Find<QProgressBar>("TCUConnBar")->styleSheet().contains("#ff0000"));
    EXPECT_EQ(Find<QProgressBar>("AntenneBar")->value(), 60);
}

TEST_F(MainFormFixture, UpdateMenuEnablesTheTransceiverItems) {
    QAction item("Transceiver status");
    form.AddTransceiverMenuItem(&item);
    form.UpdateMenu(false);
    EXPECT_FALSE(item.isEnabled());
    form.UpdateMenu(true);
    EXPECT_TRUE(item.isEnabled());
}

TEST_F(MainFormFixture, LogPCCommFollowsItsMenuItem) {
    EXPECT_FALSE(form.IsLogPCCommChecked());
    Find<QAction>("mnuLogPCComm")->setChecked(true);
    EXPECT_TRUE(form.IsLogPCCommChecked());
}

TEST_F(MainFormFixture, WaitFormIsCreatedOnFirstUseAndUnloaded) {
    EXPECT_FALSE(form.IsWaitFormLoaded());
    form.UnloadWaitForm();  // nothing to unload
    form.GetWaitForm().show();
    EXPECT_TRUE(form.IsWaitFormLoaded());
    form.UnloadWaitForm();
    EXPECT_FALSE(form.IsWaitFormLoaded());
}

// ---- the exit that waits for a download ----

TEST_F(MainFormFixture, ExitWithoutDownloadClosesAtOnce) {
    form.show();
    platform.Serial.Open();
    EXPECT_TRUE(form.close());
    EXPECT_TRUE(link.Dialogue.ClosingDown);
    EXPECT_FALSE(platform.Serial.PortOpen());
}

TEST_F(MainFormFixture, ExitWaitsForTheDownloadThenCloses) {
    form.show();
    platform.Serial.Open();
    f.gSession.SetProcessingMsgs(true);
    EXPECT_FALSE(form.close());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(Find<QTimer>("CloseDownTimer")->isActive());

    form.CloseDownTimer_Timer();
    ASSERT_TRUE(form.IsPleaseWaitVisible());
    EXPECT_EQ(form.GetPleaseWait().findChild<QLabel*>("Label1")->text(), "Closing Tidepost...(Downloading Messages)");

    f.gSession.SetProcessingMsgs(false);
    form.CloseDownTimer_Timer();
    EXPECT_FALSE(form.isVisible());
    EXPECT_FALSE(form.IsPleaseWaitVisible());
    EXPECT_FALSE(Find<QTimer>("CloseDownTimer")->isActive());
    EXPECT_FALSE(platform.Serial.PortOpen());
    EXPECT_TRUE(link.Dialogue.ClosingDown) << "closing the busy window with the program is not a cancel";
}

TEST_F(MainFormFixture, ClosingTheBusyWindowByHandCancelsTheExit) {
    form.show();
    f.gSession.SetProcessingEgcs(true);
    EXPECT_FALSE(form.close());
    form.CloseDownTimer_Timer();
    ASSERT_TRUE(form.IsPleaseWaitVisible());

    form.GetPleaseWait().close();  // the user closes it
    EXPECT_FALSE(link.Dialogue.ClosingDown);
    form.CloseDownTimer_Timer();
    EXPECT_FALSE(Find<QTimer>("CloseDownTimer")->isActive());
    EXPECT_TRUE(form.isVisible());
    EXPECT_TRUE(QueueCommand(link, "st -l", false, false));
}

TEST_F(MainFormFixture, ExitCommandClosesTheWindow) {
    form.show();
    form.mnuExit_Click();
    EXPECT_FALSE(form.isVisible());
}

}  // namespace

TEST_F(MainFormFixture, QueuedTextsAreShownOnePerTickOldestFirstUnderTheFixedTitle) {
    QueueMessageBox(f, "first", "Error 53", 16);
    QueueMessageBox(f, "second");
    form.EnableTimers(true);
    form.MBoxTimer_Timer();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "first");
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Tidepost Info");
    EXPECT_EQ(platform.Boxes.Shown[0].buttons, MsgButtons::Ok);
    EXPECT_TRUE(Find<QTimer>("MBoxTimer")->isActive());
    form.MBoxTimer_Timer();
    form.MBoxTimer_Timer();  // nothing left: no box
    ASSERT_EQ(platform.Boxes.Shown.size(), 2);
    EXPECT_EQ(platform.Boxes.Shown[1].text, "second");
    // Taken out, the same text may be queued and shown again.
    QueueMessageBox(f, "first");
    form.MBoxTimer_Timer();
    EXPECT_EQ(platform.Boxes.Shown.size(), 3);
}

TEST(MainFormLanguage, BarLabelsTakeTheirTextsFromTheStringTable) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    f.Strings.SetMlLanguage(1049);
    MainForm form{f, link};
    EXPECT_EQ(form.findChild<QLabel*>("Label15")->text(), f.Strings.GetString(1918, 1049));
    EXPECT_EQ(form.findChild<QLabel*>("Label9")->text(), f.Strings.GetString(1920, 1049));
    EXPECT_NE(form.findChild<QLabel*>("Label15")->text(), "Antenna signal");
}
