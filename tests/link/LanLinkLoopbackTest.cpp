#include <QElapsedTimer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/LanLink.h"
#include "link/Link.h"
#include "platform/QtSlpDiscovery.h"
#include "platform/QtSocketControl.h"
#include "sim/SimShell.h"
#include "sim/SimSlpResponder.h"
#include "sim/SimTcu.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The program's LAN link with the real socket and discovery against a simulated unit and its
// SLP responder on loopback. The timers run for real, five times faster than in the program, so
// that the bring-up happens over real input and output; the dialogue engine talks to the
// transceiver.
class LanLinkLoopbackTest : public ::testing::Test {
protected:
    static constexpr int kSpeedUp = 5;
    void SetUp() override {
        ASSERT_TRUE(unit.Listen(0));
        ASSERT_TRUE(slp.Listen(QHostAddress::LocalHost, 0));
        slp.Services = {sim::TcuSlpService("127.0.0.1", "1.23")};

        platform.Os.Socket = &socket;
        platform.Os.Slp = &discovery;
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        SetIniValue(f, "[HOST Interface]", "LAN", false);
        SaveAppSetting(f, f.gProductName, "Config", "TCU Port", QString::number(unit.Port()));
        SaveAppSetting(f, f.gProductName, "Config", "SLP Target", QString("127.0.0.1:%1").arg(slp.Port()));

        QObject::connect(&winsockTimer, &QTimer::timeout, &winsockTimer, [this] { Winsock_timer_Timer(link); });
        // The engine's reply time-out runs on the manual clock, moved on at the speed-up of the
        // timers, so that time-outs and tick counts keep the proportions of the program.
        QObject::connect(&timer1, &QTimer::timeout, &timer1, [this] {
            const qint64 now = clock.elapsed();
            platform.Clock.AdvanceMs(kSpeedUp * (now - lastEngineTick));
            lastEngineTick = now;
            Timer1_Timer(link);
        });
    }

    void Run() {
        clock.start();
        lastEngineTick = 0;
        winsockTimer.start(500 / kSpeedUp);
        timer1.start(60 / kSpeedUp);
    }
    bool RunUntil(const std::function<bool()>& done) { return QTest::qWaitFor(done, 15000); }
    bool Supervising() const { return link.Lan.LanLinkState == 5 && f.gSession.MesConnected(); }
    // Supervising, with every queued command answered.
    bool Settled() const { return Supervising() && link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0; }

    sim::SimShell transceiver;
    sim::SimTcuServer unit{transceiver};
    sim::SimSlpResponder slp;
    test::TestPlatform platform;
    QtSocketControl socket;
    QtSlpDiscovery discovery{platform.ProgramFolder(), SlpTimings{1500, 1500}};
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
    QTimer winsockTimer;
    QTimer timer1;
    QElapsedTimer clock;
    qint64 lastEngineTick = 0;
};

TEST_F(LanLinkLoopbackTest, FindsTheUnitConnectsAndTalksToTheTransceiverThroughTheBridge) {
    slp.ReplyDelayMs = 400;  // a distant responder: the user interface must not wait for it
    Run();
    ASSERT_TRUE(RunUntil([this] { return Supervising() && f.gConfiguration.GetTcuSwMajor() == 1; }));

    EXPECT_EQ(f.gConfiguration.SlpTcuAddresses(), QStringList{"127.0.0.1"});
    EXPECT_EQ(GetIniValue(f, "[IP Settings]"), "127.0.0.1");
    EXPECT_EQ(f.gConfiguration.GetTcuSwMinor(), 23);
    EXPECT_TRUE(f.gSession.ConnectedToTCU);
    EXPECT_TRUE(f.gSession.LanConnected);
    EXPECT_EQ(window.TCUConnBarColor, 65280);
    EXPECT_EQ(unit.Connections(), 1);
    EXPECT_TRUE(unit.Tcu.Bridged());
    EXPECT_EQ(unit.Tcu.Received, (QStringList{"", "minic -f"}));
    EXPECT_EQ(transceiver.Received, (QStringList{"st -v", "st -i"}));
    EXPECT_EQ(link.Dialogue.CurrentPrompt, "can0:/$ ");
}

TEST_F(LanLinkLoopbackTest, EndedBridgeIsRestartedOnTheSameConnection) {
    SetIniValue(f, "[IP Settings]", "127.0.0.1", false);
    Run();
    ASSERT_TRUE(RunUntil([this] { return Settled(); }));

    // The bridge program stops while the link is quiet; the next command meets the unit's own
    // shell, the engine's reply time-out declares the link lost, and the probe finds the unit.
    unit.Tcu.EndBridge();
    QueueCommand(link, "st -l", true, false);
    ASSERT_TRUE(RunUntil([this] { return link.Lan.LanLinkState >= 6; }));
    ASSERT_TRUE(RunUntil([this] { return Settled() && transceiver.Received.count("st -v") == 2; }));

    EXPECT_EQ(unit.Connections(), 1);
    EXPECT_TRUE(unit.Tcu.Bridged());
    EXPECT_TRUE(f.gSession.ConnectedToTCU);
}

TEST_F(LanLinkLoopbackTest, SilentTransceiverBehindTheUnitIsFoundAgainWhenItAnswers) {
    SetIniValue(f, "[IP Settings]", "127.0.0.1", false);
    transceiver.Mute = true;
    Run();
    // The bridge answers but the transceiver does not: the link is brought up again and again.
    ASSERT_TRUE(RunUntil([this] { return unit.Connections() >= 3; }));
    EXPECT_FALSE(f.gSession.MesConnected());

    transceiver.Mute = false;
    ASSERT_TRUE(RunUntil([this] { return Supervising(); }));
    EXPECT_TRUE(unit.Tcu.Bridged());
}

TEST_F(LanLinkLoopbackTest, UnitThatGoesAwayIsConnectedAgain) {
    SetIniValue(f, "[IP Settings]", "127.0.0.1", false);
    Run();
    ASSERT_TRUE(RunUntil([this] { return Settled(); }));

    unit.DropClient();
    QueueCommand(link, "st -l", true, false);
    ASSERT_TRUE(RunUntil([this] { return unit.Connections() == 2 && Settled(); }));
    EXPECT_EQ(transceiver.Received.count("st -v"), 2);
}

TEST_F(LanLinkLoopbackTest, UnitWhoseBridgeIsAlreadyRunning) {
    SetIniValue(f, "[IP Settings]", "127.0.0.1", false);
    unit.Tcu.BridgeAtConnect = true;
    Run();
    ASSERT_TRUE(RunUntil([this] { return Supervising(); }));
    EXPECT_TRUE(unit.Tcu.Received.isEmpty());
    EXPECT_EQ(transceiver.Received.mid(0, 2), (QStringList{"", "minic -f"}));
}

}  // namespace
