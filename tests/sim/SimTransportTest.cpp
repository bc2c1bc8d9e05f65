#include <QElapsedTimer>
#include <QTest>
#include <gtest/gtest.h>

#include "platform/QtSerialControl.h"
#include "platform/QtSocketControl.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeSettingsStore.h"
#include "support/PtyPair.h"

using namespace tidepost;
using namespace tidepost::sim;

namespace {

template <typename Read>
QByteArray ReadUntilPrompt(Read read, int prompts = 1) {
    QByteArray got;
    (void)QTest::qWaitFor([&] { got += read(); return got.count("can0:/$ ") >= prompts; }, 5000);
    return got;
}

// The simulator in-process on a real pseudo-terminal, reached through the real serial port.
TEST(SimOnPty, AnswersTheSerialPort) {
    test::PtyPair pty;
    ASSERT_TRUE(pty.IsOpen());
    SimShell shell;
    shell.EchoTerminator = EchoEndText(EchoEnd::CrCrLf);
    shell.AddError("253", "REPORT.017 written");
    SimFdTransport transport(shell, pty.MasterFd());

    test::FakeSettingsStore store;
    store.Save("Tidepost", "Config", "COM1 Device", pty.SlavePath());
    QtSerialControl port(store, "Tidepost");
    port.SetCommPort(1);
    port.SetSettings("115200,n,8,1");
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);

    ASSERT_TRUE(port.Output("st -l\r\n"));
    EXPECT_EQ(ReadUntilPrompt([&] { return port.Input(); }),
              "st -l\r\r\nERROR 253: REPORT.017 written\r\ncan0:/$ ");

    // The program closes and reopens its port; the simulator keeps serving.
    port.Close();
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    ASSERT_TRUE(port.Output("nosuch -x\r\n"));
    EXPECT_EQ(ReadUntilPrompt([&] { return port.Input(); }), "nosuch -x\r\r\nnosuch: command not found\r\ncan0:/$ ");
    EXPECT_FALSE(transport.Broken());
}

TEST(SimOnTcp, AnswersTheSocketAndPacesItsOutput) {
    SimShell shell;
    SimTcpTransport transport(shell);
    ASSERT_TRUE(transport.Listen(0));
    transport.Pacer.ChunkSize = 4;
    shell.AddInfo("30", "Logged in");

    QtSocketControl socket;
    socket.SetRemoteHost("127.0.0.1");
    socket.SetRemotePort(transport.Port());
    socket.SetLocalPort(0);
    socket.Connect();
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.SocketState() == ISocketControl::Connected; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return transport.HasClient(); }, 5000));

    ASSERT_TRUE(socket.SendData("st -l\r\n"));
    EXPECT_EQ(ReadUntilPrompt([&] { return socket.GetData(); }), "st -l\r\nINFO 30: Logged in\r\ncan0:/$ ");

    transport.DropClient();
    EXPECT_TRUE(QTest::qWaitFor([&] { return socket.SocketState() != ISocketControl::Connected; }, 5000));
}

TEST(OutputPacer, SplitsIntoPiecesInOrder) {
    QList<QByteArray> pieces;
    OutputPacer pacer([&](const QByteArray& b) { pieces.append(b); });
    pacer.Send("whole");
    EXPECT_EQ(pieces, QList<QByteArray>{"whole"});

    pieces.clear();
    pacer.ChunkSize = 3;
    pacer.Send("abcdefg");
    pacer.Send("hi");
    ASSERT_TRUE(QTest::qWaitFor([&] { return pieces.join().size() == 9; }, 5000));
    EXPECT_EQ(pieces, (QList<QByteArray>{"abc", "def", "ghi"}));
}

TEST(OutputPacer, SlowNextTricklesOneReplyACharacterAtATime) {
    QList<QByteArray> pieces;
    OutputPacer pacer([&](const QByteArray& b) { pieces.append(b); });
    pacer.SlowNext(40);
    QElapsedTimer clock;
    clock.start();
    pacer.Send("abcd");
    ASSERT_TRUE(QTest::qWaitFor([&] { return pieces.size() == 4; }, 5000));
    EXPECT_EQ(pieces, (QList<QByteArray>{"a", "b", "c", "d"}));
    EXPECT_GE(clock.elapsed(), 25) << "three gaps of about 10 ms";
    pieces.clear();
    pacer.Send("next");
    EXPECT_EQ(pieces, QList<QByteArray>{"next"}) << "only the next reply is slow";
}

}  // namespace
