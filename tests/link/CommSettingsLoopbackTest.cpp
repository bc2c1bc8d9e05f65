#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "foundation/AppSettings.h"
#include "foundation/IniFile.h"
#include "link/CommSettingsForm.h"
#include "link/DialogueEngine.h"
#include "link/LanLink.h"
#include "link/Link.h"
#include "platform/QtSocketControl.h"
#include "sim/SimShell.h"
#include "sim/SimTcu.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The main window as the LAN link sees it: the dialog's own visibility holds the machine back.
class LanWindow : public ILanLinkWindow {
public:
    void SetMobileStatusFieldCaption(const QString& caption) override { Caption = caption; }
    bool IsCommSettingsFormVisible() const override { return Form != nullptr && Form->isVisible(); }
    QString Caption;
    const QWidget* Form = nullptr;
};

// The dialog with the real socket against the simulated unit on loopback. The dialog's wait timer,
// the engine and the LAN link's timer run for real; the manual clock that their time-outs read is
// moved on five times faster than real time, so a 6.5-s wait takes 1.3 s.
class CommSettingsLoopback : public ::testing::Test {
protected:
    static constexpr int kSpeedUp = 5;
    void SetUp() override {
        ASSERT_TRUE(unit.Listen(0));
        platform.Os.Socket = &socket;
        f.gConfiguration.DataPath = platform.DataFolder();
        f.MobileStatusTexts = {"Mobile not connected"};
        link.Windows.Window = &window;
        link.Windows.LanWindow = &lanWindow;
        ReadIniFile(f);
        SaveAppSetting(f, f.gProductName, "Config", "TCU Port", QString::number(unit.Port()));
        form = std::make_unique<CommSettingsForm>(link, nullptr);
        lanWindow.Form = form.get();

        QObject::connect(&timer1, &QTimer::timeout, &timer1, [this] {
            const qint64 now = real.elapsed();
            platform.Clock.AdvanceMs(kSpeedUp * (now - lastTick));
            lastTick = now;
            Timer1_Timer(link);
        });
        QObject::connect(&winsockTimer, &QTimer::timeout, &winsockTimer, [this] { Winsock_timer_Timer(link); });
        real.start();
        timer1.start(60 / kSpeedUp);
        winsockTimer.start(500 / kSpeedUp);
    }
    bool RunUntil(const std::function<bool()>& done) { return QTest::qWaitFor(done, 15000); }
    bool SettledThroughTheBridge() const {
        return f.gSession.MesConnected() && link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0;
    }
    void OkWithAddress(const QString& address) {
        form->show();
        form->findChild<QComboBox*>("TcuIpAdrList")->setEditText(address);
        form->OKButton_Click();
    }

    sim::SimShell transceiver;
    sim::SimTcuServer unit{transceiver};
    test::TestPlatform platform;
    QtSocketControl socket;
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
    LanWindow lanWindow;
    std::unique_ptr<CommSettingsForm> form;
    QTimer timer1;
    QTimer winsockTimer;
    QElapsedTimer real;
    qint64 lastTick = 0;
};

TEST_F(CommSettingsLoopback, OkBringsTheUnitsBridgeUpAndSetAndClearRestartIt) {
    OkWithAddress("127.0.0.1");
    ASSERT_TRUE(RunUntil([this] { return !form->isVisible(); }));
    ASSERT_TRUE(RunUntil([this] { return SettledThroughTheBridge(); }));

    EXPECT_TRUE(QString::fromLatin1(platform.ReadDataFile("Tidepost.ini")).contains("[IP Settings]\r\n127.0.0.1\r\n"));
    EXPECT_EQ(unit.Connections(), 1);
    EXPECT_EQ(unit.Tcu.Received, (QStringList{"", "minic -f"}));
    EXPECT_EQ(transceiver.Received, (QStringList{"st -v", "st -i"}));
    EXPECT_TRUE(f.gSession.ConnectedToTCU);
    EXPECT_TRUE(f.gSession.LanConnected);
    EXPECT_EQ(window.TCUConnBarColor, 65280);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());

    // A fixed address through the running bridge: "exit" gives the unit's own shell back.
    form->show();
    form->findChild<QCheckBox*>("FFIP")->setChecked(true);
    form->findChild<QLineEdit*>("ForcedIP")->setText("1.2.3.4; reboot");
    form->SetFixedIpButton_Click();
    EXPECT_FALSE(form->IsWaiting());
    EXPECT_EQ(unit.Tcu.Received.size(), 2);
    form->findChild<QLineEdit*>("ForcedIP")->setText("192.168.1.50");
    form->SetFixedIpButton_Click();
    ASSERT_TRUE(form->IsWaiting());
    ASSERT_TRUE(RunUntil([this] { return !form->IsWaiting(); }));
    EXPECT_EQ(unit.Tcu.Received,
              (QStringList{"", "minic -f", "exit", "sysconf -h 0", "sysconf -i 192.168.1.50", "minic -f"}));
    EXPECT_EQ(unit.Tcu.FixedIp, "192.168.1.50");
    EXPECT_EQ(unit.Tcu.HostMode, 0);
    EXPECT_TRUE(unit.Tcu.Bridged());
    EXPECT_TRUE(f.gSession.LanConnected);

    form->ClearFixedIpButton_Click();
    ASSERT_TRUE(RunUntil([this] { return !form->IsWaiting(); }));
    EXPECT_EQ(unit.Tcu.Received.mid(6), (QStringList{"exit", "sysconf -h 1", "minic -f"}));
    EXPECT_EQ(unit.Tcu.HostMode, 1);
    EXPECT_TRUE(unit.Tcu.Bridged());
    // Only the refused address was reported.
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_TRUE(platform.Boxes.Shown[0].text.startsWith("Please enter the fixed IP address"));

    // The link goes on once the dialog is gone.
    form->CancelButton_Click();
    transceiver.Received.clear();
    link.Dialogue.CommandQueue = "st -l\r\n";
    ASSERT_TRUE(RunUntil([this] { return transceiver.Received.contains("st -l") && SettledThroughTheBridge(); }));
    EXPECT_EQ(unit.Connections(), 1);
}

TEST_F(CommSettingsLoopback, MutedUnitIsToldToRebootAfterTheBridgeWait) {
    unit.Tcu.Mute = true;
    OkWithAddress("127.0.0.1");
    ASSERT_TRUE(RunUntil([this] { return !form->IsWaiting(); }));
    EXPECT_TRUE(RunUntil([this] { return unit.Tcu.Received.contains("reboot"); }));
    EXPECT_EQ(unit.Tcu.Received, (QStringList{"", "minic -f", "reboot"}));
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Mini-C Terminal not responding, please try again");
    EXPECT_TRUE(form->isVisible());
    EXPECT_TRUE(transceiver.Received.isEmpty());
}

TEST_F(CommSettingsLoopback, UnitThatIsNotThereIsReported) {
    sim::SimShell other;
    {
        // A port that was free a moment ago: nothing listens there now.
        sim::SimTcuServer gone{other};
        ASSERT_TRUE(gone.Listen(0));
        SaveAppSetting(f, f.gProductName, "Config", "TCU Port", QString::number(gone.Port()));
    }
    OkWithAddress("127.0.0.1");
    ASSERT_TRUE(RunUntil([this] { return !form->IsWaiting(); }));
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "TCP/IP Timemout, please check IP address or try again");
    EXPECT_FALSE(f.gSession.ConnectedToTCU);
    EXPECT_EQ(unit.Connections(), 0);
}

}  // namespace
