#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "link/CommandQueue.h"
#include "link/CommonDialogs.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"
#include "support/PtyPair.h"
#include "support/LinkTicks.h"
#include "support/QueuedTexts.h"
#include "support/SerialPortOnPty.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// A text printed on the transceiver's printer, over the real serial adapter on a pseudo-terminal
// with the simulated transceiver at its far end. The engine ticks as the main window's timer
// would, 60 ms a tick on the test's clock.
class PrintOverPty : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        transport.Pacer.ChunkSize = 16;
        transport.Pacer.ChunkDelayMs = 1;
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        platform.Settings.Save("Tidepost", "Settings", "UseMesPrinter", "1");
        f.gSession.SetProductType(1);
        ASSERT_EQ(port.Serial.Open(), ISerialControl::OpenOk);
        QueueCommand(link, "st -l", true, false);
        ASSERT_TRUE(RunUntil([&] { return Idle(); }));  // learns the shell's line end and prompt
        ASSERT_TRUE(f.gSession.MesConnected());
        shell.ReceivedBytes.clear();
    }
    bool RunUntil(const std::function<bool()>& done, int ms = 20000) {
        return test::RunLinkUntil(link, platform.Clock, done, ms);
    }
    bool Idle() const { return test::LinkIdle(link); }

    test::PtyPair pty;
    sim::SimShell shell;
    sim::SimFdTransport transport{shell, pty.MasterFd()};
    test::TestPlatform platform;
    test::SerialPortOnPty port{platform, pty};
    Foundation f{platform.Os};
    Link link{f};
    test::FakeLinkWindow window;
};

TEST_F(PrintOverPty, ThePrintedTextReachesTheTransceiverByteForByte) {
    const QString body = QString("Noon report\r\nAll well \u00e9t\u00e9 on board.\r\n") + QString("0123456789").repeated(40);
    const QByteArray bytes = f.Os.Codec.Encode(body);
    PrintText(link, nullptr, body, 0);
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Printed.size() == 1; }));

    EXPECT_EQ(shell.ReceivedBytes, "\r\nse -z PRINTER=YES\r\nst -w\r\nse -z FFEED=NO\r\nst -w\r\n"
                                   "se -z PLINES=53\r\nst -w\r\nse -z PRTYPEMAX=70\r\nst -w\r\n"
                                   "se -z PRTYPEREM=3\r\nst -w\r\ntr tideprnt.txt -b " +
                                       QByteArray::number(bytes.size()) + "\r" + bytes +
                                       "print tideprnt.txt -d\r\n\r\n");
    EXPECT_EQ(shell.Printed.first().toLatin1(), bytes);
    EXPECT_EQ(shell.PrinterSettings.value("PLINES"), "53");
    EXPECT_EQ(shell.PrinterSettings.value("PRINTER"), "YES");

    // The second print in the same connection: the upload and the print line only.
    shell.ReceivedBytes.clear();
    PrintText(link, nullptr, "Second\r\n", 0);
    ASSERT_TRUE(RunUntil([&] { return Idle() && shell.Printed.size() == 2; }));
    EXPECT_EQ(shell.ReceivedBytes, "\r\ntr tideprnt.txt -b 8\rSecond\r\nprint tideprnt.txt -d\r\n");
    EXPECT_EQ(shell.Printed.last(), "Second\r\n");
    EXPECT_FALSE(link.Transfer.RawTransferMode);
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
}

}  // namespace
