#include <QTest>
#include <gtest/gtest.h>

#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "platform/QtSerialControl.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/PtyPair.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The engine with the real serial adapter on a pseudo-terminal, the simulated transceiver on its
// other side. The manual clock stands still while the replies travel, so only a prompt can end a
// reply; the waits are for real I/O only.
TEST(DialogueOverPty, SendsQueuedCommandsAndDispatchesTheSimulatorsReplies) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.IsOpen());
    sim::SimShell shell;
    shell.EchoTerminator = sim::EchoEndText(sim::EchoEnd::CrCrLf);
    shell.AddInfo("30", "Logged in");
    shell.ExtraCommands.append({"ver", false, [](sim::SimShell&, const QString&) { return QString("Version 2.0\r\n"); }});
    sim::SimFdTransport transport(shell, pty.MasterFd());
    transport.Pacer.ChunkSize = 7;  // each reply arrives over several reads
    transport.Pacer.ChunkDelayMs = 1;

    test::TestPlatform platform;
    test::SerialPortOnPty port(platform, pty);
    QtSerialControl& serial = port.Serial;
    Foundation f(platform.Os);
    f.gConfiguration.DataPath = platform.DataFolder();
    Link link(f);
    test::FakeLinkWindow window;
    link.Windows.Window = &window;
    ASSERT_EQ(serial.Open(), ISerialControl::OpenOk);

    QStringList statusLists;
    QString version;
    link.Dispatch.CheckInfos = [&](const QString& reply) { statusLists.append(reply); };
    link.Dispatch.HandleVersionReply = [&](const QString& reply) { version = reply; };
    QueueCommand(link, "st -l", true, false);
    QueueCommand(link, "ver", true, false);

    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            Timer1_Timer(link);
            return !version.isEmpty();
        },
        10000));
    EXPECT_EQ(shell.Received, (QStringList{"st -l", "ver"}));
    EXPECT_EQ(statusLists, QStringList{"st -l\r\r\nINFO 30: Logged in\r\ncan0:/$ "});
    EXPECT_EQ(link.Dialogue.EchoTerminator, "\r\r\n");
    EXPECT_EQ(version, "ver\r\r\nVersion 2.0\r\ncan0:/$ ") << "the version row matched with the learnt line end";
    EXPECT_EQ(link.Dialogue.CurrentPrompt, "can0:/$ ");
    EXPECT_TRUE(f.gSession.MesConnected());
    EXPECT_EQ(link.Dialogue.DialogueState, 0);

    // The transceiver stops answering: the reply ends by the time-out and the link is lost.
    shell.Mute = true;
    QueueCommand(link, "st -w", true, false);
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            Timer1_Timer(link);
            return shell.Received.contains("st -w");
        },
        10000));
    Timer1_Timer(link);
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    platform.Clock.AdvanceMs(4001);
    Timer1_Timer(link);
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_EQ(window.PCConnBarColor, 255);
    EXPECT_TRUE(serial.PortOpen()) << "losing the transceiver leaves the port open";
    EXPECT_FALSE(transport.Broken());
}

}  // namespace
