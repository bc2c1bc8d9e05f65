#include <QCheckBox>
#include <QRadioButton>
#include <QCoreApplication>
#include <functional>
#include <gtest/gtest.h>

#include "config/Config.h"
#include "config/Routing.h"
#include "config/RoutingForm.h"
#include "config/SettingsForm.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/LinkTicks.h"
#include "support/PtyPair.h"
#include "support/QueuedTexts.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The routing and settings dialogs against the simulated transceiver at the far end of a
// pseudo-terminal, through the real serial adapter and the dialogue engine. The shell ends its
// echoes with CR CR LF, the line end that once made it read an extra empty command.
class RoutingOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        shell.EchoTerminator = "\r\r\n";
        shell.Transceiver.Model = "550";
        f.gConfiguration.DataPath = platform.DataFolder();
        ReadIniFile(f);
        link.Windows.Window = &window;
        RegisterConfigHandlers(c);
        f.gSession.SetProductType(1);
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunUntil([&] { return Idle(); }));
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.Received.clear();
    }
    void TearDown() override {
        c.RoutingForm.unload();
        c.SettingsForm.unload();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    bool RunUntil(const std::function<bool()>& done, int ms = 20000) {
        return test::RunLinkUntil(link, platform.Clock, done, ms);
    }
    bool Idle() const { return test::LinkIdle(link); }
    bool RoutingShown() const { return c.RoutingForm.isLoaded() && c.RoutingForm.loaded()->isVisible(); }

    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    Messages m{f, link};
    Config c{f, link, m};
    test::FakeLinkWindow window;
};

TEST_F(RoutingOverPty, MenuIsReadLeftAndWrittenBack) {
    shell.Transceiver.Routes[31] = 5;
    OpenRoutingSetup(c);
    ASSERT_TRUE(RunUntil([&] { return Idle() && RoutingShown(); }));
    EXPECT_EQ(shell.Received, (QStringList{"set -z", "ro", "0"}));
    RoutingForm& form = c.RoutingForm.get();
    EXPECT_TRUE(form.OptionModem->isChecked());
    EXPECT_TRUE(form.RouteBoxes[2][0]->isChecked());
    EXPECT_TRUE(form.RouteBoxes[2][2]->isChecked());

    shell.Received.clear();
    form.RouteBoxes[0][1]->click();  // Mail on the local printer too
    form.OKButton_Click();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    EXPECT_EQ(shell.Received,
              (QStringList{"ro 10  3", "ro 30  1", "ro 31  5", "ro 32  1", "ro 33  1", "se -z PRINTER=YES"}));
    EXPECT_EQ(shell.Transceiver.Routes[10], 3);
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

TEST_F(RoutingOverPty, MenuWithoutItsHeaderIsLeftAndTheLinkGoesOn) {
    ASSERT_TRUE(sim::SetTransceiverValue(shell.Transceiver, "ro-omit", "header"));
    OpenRoutingSetup(c);
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Received.size() >= 3; }));
    EXPECT_EQ(shell.Received, (QStringList{"set -z", "ro", "0"}));
    EXPECT_TRUE(window.Calls.contains("UnloadWaitForm"));
    EXPECT_EQ(test::DrainErrorQueue(f).size(), 1);
    EXPECT_FALSE(RoutingShown());

    // The shell is back at its prompt: the next status query gets its own reply.
    shell.AddInfo("80", "Sent");
    QueueCommand(link, "st -l", true, false);
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    EXPECT_TRUE(shell.Notifications.isEmpty());
    EXPECT_EQ(shell.Received.last(), "st -l");
}

TEST_F(RoutingOverPty, SettingsSendTheMobilePrinterSetUp) {
    SettingsForm& form = c.SettingsForm.get();
    form.SelectPrintOption(0);
    form.OKButton_Click();
    ASSERT_TRUE(RunUntil([&] { return Idle(); }));
    EXPECT_EQ(shell.Received,
              (QStringList{"", "se -z PRINTER=YES", "st -w", "se -z FFEED=NO", "st -w", "se -z PLINES=53", "st -w",
                           "se -z PRTYPEMAX=70", "st -w", "se -z PRTYPEREM=3"}));
    EXPECT_EQ(shell.PrinterSettings.value("PRTYPEREM"), "3");
    EXPECT_TRUE(link.Transceiver.MesPrinterConfigured);
}

}  // namespace
