#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "link/PeriodicPolls.h"
#include "link/SerialLink.h"
#include "platform/QtSerialControl.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "PollTestWindows.h"
#include "support/FakeLinkWindow.h"
#include "support/PtyPair.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// The simulated transceiver on its own pseudo-terminal. The program reaches it through a fixed
// device name (a link, as udev gives a USB adapter), so a returning transceiver may come back on
// another pseudo-terminal under the same name.
struct SimulatedTransceiver {
    explicit SimulatedTransceiver(const QString& deviceName) {
        shell.EchoTerminator = sim::EchoEndText(sim::EchoEnd::CrLf);
        QFile::remove(deviceName);
        linked = pty.IsOpen() && QFile::link(pty.SlavePath(), deviceName);
        transport = std::make_unique<sim::SimFdTransport>(shell, pty.MasterFd());
    }
    // The transceiver is switched off: its side of the line hangs up.
    void End() {
        transport.reset();
        pty.HangUp();
    }
    test::PtyPair pty;
    sim::SimShell shell;
    std::unique_ptr<sim::SimFdTransport> transport;
    bool linked = false;
};

class SerialLinkOverPty : public ::testing::Test {
protected:
    SerialLinkOverPty() {
        deviceName = devices.path() + "/ttyTransceiver";
        platform.Settings.Save("Tidepost", "Config", "COM3 Device", deviceName);
        platform.Os.Serial = &serial;
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        link.Windows.PollWindow = &pollWindow;
        AttachSerialLink(link);
        StartDialogue(link);
        SetIniValue(f, "[HOST Interface]", "COM", false);
        SetIniValue(f, "[COM port]", "3", false);
    }

    // Runs the engine's ticks while real I/O happens, until the condition holds. The manual clock
    // stands still, so only a prompt ends a reply.
    bool RunEngineUntil(const std::function<bool()>& done) {
        return QTest::qWaitFor(
            [&] {
                Timer1_Timer(link);
                return done();
            },
            10000);
    }
    bool Idle() const { return link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0; }

    QTemporaryDir devices;
    QString deviceName;
    test::TestPlatform platform;
    QtSerialControl serial{platform.Settings, "Tidepost"};
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
    test::FakePollWindow pollWindow;
};

TEST_F(SerialLinkOverPty, StartsPollsLosesAndRegainsTheTransceiver) {
    auto transceiver = std::make_unique<SimulatedTransceiver>(deviceName);
    ASSERT_TRUE(transceiver->linked);

    // Start-up in serial mode: the port of the settings, then the first queries.
    ASSERT_TRUE(OpenComPortAtStartUp(f));
    EXPECT_EQ(serial.DeviceName(), deviceName);
    QueueCommand(link, "st -l\r", true, false);
    QueueCommand(link, "st -l", true, false);
    QueueCommand(link, "se -p", true, false);
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\r\nst -l\r\nse -p\r\n");
    ASSERT_TRUE(RunEngineUntil([&] { return Idle() && transceiver->shell.Received.contains("se -p"); }));
    EXPECT_EQ(transceiver->shell.Received.mid(0, 2), (QStringList{"st -l", ""}));
    EXPECT_TRUE(f.gSession.MesConnected());

    // The next 10-s tick polls the answering transceiver.
    Timer2_Timer(link);
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\nse -q\r\nti -u\r\nst -v\r\nst -i\r\nst -s\r\nst -w\r\nru -g\r\nver\r\n"
                                 "ls IN.*\r\nls EGC.*\r\n");
    ASSERT_TRUE(RunEngineUntil([&] { return Idle() && transceiver->shell.Received.contains("ls EGC.*"); }));
    EXPECT_TRUE(f.gSession.MesConnected());

    // The transceiver goes away: the port closes on the hang-up, the next query finds no answer,
    // and its time-out declares the link lost.
    transceiver->End();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !serial.PortOpen(); }, 5000));
    QueueCommand(link, "st -l", false, false);
    Timer1_Timer(link);  // taken from the queue; the closed port writes nothing
    ASSERT_EQ(link.Dialogue.DialogueState, 1);
    platform.Clock.AdvanceMs(4001);
    Timer1_Timer(link);
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_EQ(window.PCConnBarColor, 255);

    // While it is away every 10-s tick tries the port again, without success and without a poll.
    Timer1_Timer(link);  // the partial reply is dispatched
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    Timer2_Timer(link);
    EXPECT_FALSE(serial.PortOpen());
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\n");

    // It returns on the same device name: the next tick reopens the port and the link is back.
    transceiver = std::make_unique<SimulatedTransceiver>(deviceName);
    ASSERT_TRUE(transceiver->linked);
    Timer2_Timer(link);
    EXPECT_TRUE(serial.PortOpen());
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\n");
    ASSERT_TRUE(RunEngineUntil([&] { return Idle() && f.gSession.MesConnected(); }));
    EXPECT_EQ(transceiver->shell.Received, QStringList{"st -l"});

    Timer2_Timer(link);
    EXPECT_TRUE(link.Dialogue.CommandQueue.contains("st -v\r\n"));
}

TEST_F(SerialLinkOverPty, CommunicationLogHoldsWhatCameFromTheTransceiver) {
    SimulatedTransceiver transceiver(deviceName);
    ASSERT_TRUE(transceiver.linked);
    transceiver.transport->Pacer.ChunkSize = 5;  // the reply arrives over several reads
    transceiver.transport->Pacer.ChunkDelayMs = 1;
    transceiver.shell.AddInfo("30", "Logged in");
    window.LogPCComm = true;
    ASSERT_TRUE(OpenComPortAtStartUp(f));
    QueueCommand(link, "st -l", true, false);
    ASSERT_TRUE(RunEngineUntil([&] { return Idle() && f.gSession.MesConnected(); }));
    // The login notice makes the program ask for the status at once: both replies follow each
    // other in the log as they came, with nothing between them.
    const QString log = QString::fromLatin1(platform.ReadDataFile("CommLog.txt"));
    EXPECT_TRUE(log.startsWith("st -l\r\nINFO 30: Logged in\r\ncan0:/$ st -w\r\n")) << log.toStdString();
    EXPECT_TRUE(log.endsWith("can0:/$ ")) << log.toStdString();
}

}  // namespace
