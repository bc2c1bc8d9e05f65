#include <QComboBox>
#include <QTest>
#include <gtest/gtest.h>

#include "foundation/IniFile.h"
#include "link/CommSettingsForm.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// Serial OK with the real serial adapter: port 1 is a pseudo-terminal with the simulated
// transceiver on its other side, the other fifteen numbers name no device.
TEST(CommSettingsOverPty, SerialOkOpensTheChosenPortAndTheTransceiverIsAsked) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.IsOpen());
    sim::SimShell shell;
    sim::SimFdTransport transport(shell, pty.MasterFd());
    test::TestPlatform platform;
    test::SerialPortOnPty port(platform, pty);
    for (int n = 2; n <= 16; ++n)
        platform.Settings.Save("Tidepost", "Config", QString("COM%1 Device").arg(n), "/dev/no-such-port");
    Foundation f(platform.Os);
    f.gConfiguration.DataPath = platform.DataFolder();
    Link link(f);
    test::FakeLinkWindow window;
    link.Windows.Window = &window;
    ReadIniFile(f);

    CommSettingsForm form(link, nullptr);
    form.show();
    auto* ports = form.findChild<QComboBox*>("ComPortList");
    ASSERT_EQ(ports->count(), 1);
    EXPECT_EQ(ports->itemText(0), "1");
    form.Label4_Click();
    auto* speeds = form.findChild<QComboBox*>("BaudRateList");
    speeds->setCurrentIndex(speeds->findText("9600"));
    form.OKButton_Click();

    EXPECT_FALSE(form.isVisible());
    EXPECT_TRUE(port.Serial.PortOpen());
    EXPECT_EQ(port.Serial.Settings(), "9600,n,8,1");
    const QString ini = QString::fromLatin1(platform.ReadDataFile("Tidepost.ini"));
    EXPECT_TRUE(ini.contains("[HOST Interface]\r\nCOM\r\n"));
    EXPECT_TRUE(ini.contains("[COM port]\r\n1\r\n"));
    EXPECT_TRUE(ini.contains("[COM Settings]\r\n9600,n,8,1\r\n"));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            Timer1_Timer(link);
            return link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0 && shell.Received.size() == 2;
        },
        10000));
    EXPECT_EQ(shell.Received, (QStringList{"st -v", "st -i"}));
    EXPECT_TRUE(f.gSession.MesConnected());
}

}  // namespace
