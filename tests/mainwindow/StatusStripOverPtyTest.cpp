#include <QAction>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "foundation/Definitions.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/PeriodicPolls.h"
#include "mainwindow/MainForm.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The real main window and its engine on a pseudo-terminal, the simulated transceiver on the other
// side; the status strip is read through its widgets after the status poll has run.
struct StatusStripOverPty : ::testing::Test {
    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        f.gConfiguration.DataPath = platform.DataFolder();
        InitCodeTables(f);
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
    }

    // Queues the commands and runs the engine until they have all been answered, then one tick.
    bool Poll() {
        if (!f.gSession.MesConnected()) QueueCommand(link, "st -l", true, false);
        const bool done = QTest::qWaitFor(
            [&] {
                form.Timer1_Timer();
                if (f.gSession.MesConnected() && !link.Dialogue.CommandQueue.contains("st -i")) {
                    if (!polled) QueueStatusPoll(link);
                    polled = true;
                }
                return polled && link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0;
            },
            10000);
        form.GUITimer_Timer();
        return done;
    }
    template <typename T>
    T* Find(const char* name) {
        return form.findChild<T*>(name);
    }
    bool polled = false;
};

TEST_F(StatusStripOverPty, ShowsTheTransceiverAndOffersTheDistressEditorByItsClass) {
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "utc", "2024-05-06 07:42:10"));
    ASSERT_TRUE(Poll());

    EXPECT_FALSE(Find<QLabel>("Picture570")->isHidden());
    EXPECT_TRUE(Find<QLabel>("Picture560")->isHidden());
    EXPECT_EQ(Find<QLabel>("MobileNumberLabel")->text(), "IMN: 423456789");
    EXPECT_FALSE(Find<QLabel>("MobileStatusField")->text().isEmpty());
    EXPECT_NE(Find<QLabel>("MobileStatusField")->text(), "Mobile not connected");
    for (const char* bar : {"AntenneBar", "PCConnBar", "GPSBar"})
        EXPECT_EQ(Find<QProgressBar>(bar)->property("FillColor").toInt(), 65280) << bar;
    EXPECT_EQ(Find<QLabel>("Panel1")->text(), "07:42 UTC");
    EXPECT_FALSE(Find<QPushButton>("DistressEditorButton")->isHidden());
    EXPECT_TRUE(Find<QAction>("mnuViewDistressEditor")->isVisible());

    // A transceiver without distress alerting: the button and the menu item go.
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "model", "570M"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "solas", "Non-SOLAS Without Distress"));
    polled = false;
    ASSERT_TRUE(Poll());
    EXPECT_EQ(f.gSession.SolasType(), 1);
    EXPECT_TRUE(Find<QPushButton>("DistressEditorButton")->isHidden());
    EXPECT_FALSE(Find<QAction>("mnuViewDistressEditor")->isVisible());
}

}  // namespace
