#include <QCoreApplication>
#include <QAction>
#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

#include "distress/Distress.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "mainwindow/MainForm.h"
#include "messages/Messages.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The Actions and status commands against the simulated transceiver on a pseudo-terminal: what
// they queue reaches the shell, and the next status shows what it changed.
class ActionsOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        f.gConfiguration.DataPath = platform.DataFolder();
        ReadIniFile(f);
        RegisterDistressHandlers(distress);
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunQueue());
        ASSERT_TRUE(f.gSession.MesConnected());
    }
    // Unloaded busy windows go before the state their timers read.
    ~ActionsOverPty() override {
        form.UnloadWaitForm();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    // Runs the engine until the queue is empty and the last reply has been handled.
    bool RunQueue() {
        return QTest::qWaitFor(
            [&] {
                form.Timer1_Timer();
                return link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0;
            },
            10000);
    }
    bool Query(const QString& command) {
        QueueCommand(link, command, true, false);
        return RunQueue();
    }
    QString MobileStatusTag() { return form.findChild<QLabel*>("MobileStatusField")->property("Tag").toString(); }
    bool Checked(const char* item) { return form.findChild<QAction*>(item)->isChecked(); }

    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};
    Messages messages{f, link};
    Distress distress{f, link, messages};
};

TEST_F(ActionsOverPty, LoginLogoutAndPreferredOceanReachTheTransceiver) {
    shell.Transceiver.LoggedIn = false;
    QueueCommand(link, "st -s", true, false);
    form.PreferredPacificMenu_Click();
    form.LoginWestMenu_Click();
    ASSERT_TRUE(RunQueue());
    // The login goes ahead of what was queued, behind an empty line.
    EXPECT_EQ(shell.Received.mid(1), (QStringList{"", "li 44", "st -s", "se -o p"}));

    ASSERT_TRUE(Query("st -w"));
    EXPECT_EQ(f.gSession.TDMOrigin(), 44);
    EXPECT_EQ(MobileStatusTag(), "21") << "logged in to the West Atlantic";
    EXPECT_TRUE(Checked("PreferredPacificMenu"));
    EXPECT_FALSE(Checked("PreferredEastMenu"));
    EXPECT_EQ(GetIniValue(f, "[Preferred Ocean]"), "Pacific");

    form.LogoutMenu_Click();
    ASSERT_TRUE(RunQueue());
    EXPECT_EQ(shell.Received.last(), "lo");
    ASSERT_TRUE(Query("st -w"));
    EXPECT_EQ(MobileStatusTag(), "4") << "logged out";
}

TEST_F(ActionsOverPty, StatusQueriesCloseTheirWaitWindowOnTheReply) {
    QueueCommand(link, "st -s", true, false);
    form.TransceiverStatusMenu_Click();
    EXPECT_TRUE(form.IsWaitFormLoaded());
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nst -w\r\nst -s\r\n");
    ASSERT_TRUE(RunQueue());
    EXPECT_FALSE(form.IsWaitFormLoaded());
    EXPECT_FALSE(link.Requests.TransceiverStatusRequested);

    shell.Transceiver.LatestDistress = "accepted";
    shell.Transceiver.LatestDistressTest = "Accepted";
    form.mnuLatestDistress_Click();
    EXPECT_TRUE(form.IsWaitFormLoaded());
    ASSERT_TRUE(RunQueue());
    EXPECT_EQ(shell.Received.last(), "st -a");
    EXPECT_FALSE(form.IsWaitFormLoaded());
    EXPECT_FALSE(link.Requests.LatestDistressRequested);
    ASSERT_TRUE(distress.LatestDistressForms.isLoaded());
    EXPECT_TRUE(distress.LatestDistressForms.get().isVisible());
    EXPECT_EQ(distress.LatestDistressForms.get().LatestDistressField->text(), "received by MRCC");
    EXPECT_EQ(distress.LatestDistressForms.get().LatestDistressTestField->text(), "successful");
}

TEST_F(ActionsOverPty, DeveloperCommandsChangeTheSimulatedTransceiver) {
    form.mnuChangeTo560SSA_Click();
    form.mnuSimInMsg560_Click();
    form.mnuAbortTransmission_Click();
    ASSERT_TRUE(RunQueue());
    EXPECT_EQ(shell.Received.mid(1), (QStringList{"", "db msghdl rx 2", "", "cfg -t 4", "cl"}));
    EXPECT_EQ(shell.Inbox.Messages.size(), 1);
    ASSERT_TRUE(Query("st -i"));
    EXPECT_EQ(f.gSession.MobileType(), 5) << "maritime with ship security alert";
}

}  // namespace
