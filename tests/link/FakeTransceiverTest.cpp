#include <gtest/gtest.h>

#include "support/FakeSerialControl.h"
#include "support/FakeSocketControl.h"
#include "support/FakeTransceiver.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

// The scripted transceiver is what every engine and parser test stands on: its reply shapes and
// its delivery over successive reads must be exactly what it promises.
struct OnSerial : ::testing::Test {
    void SetUp() override { ASSERT_EQ(port.Open(), ISerialControl::OpenOk); }
    QList<QByteArray> Reads(int n) {
        QList<QByteArray> out;
        for (int i = 0; i < n; ++i) out.append(port.Input());
        return out;
    }
    FakeSerialControl port;
    FakeTransceiver shell{port};
};

TEST_F(OnSerial, AnswersWithEchoTerminatorBodyAndPrompt) {
    shell.On("st -l", FakeTransceiver::Lines({"INFO 21: Distress Acknowledgement received"}));
    port.Output("st -l\r\n");
    EXPECT_EQ(port.Input(), "st -l\r\nINFO 21: Distress Acknowledgement received\r\ncan0:/$ ");
    EXPECT_EQ(port.Input(), QByteArray());
    EXPECT_TRUE(shell.AllAnswered());
    EXPECT_EQ(shell.Received, QStringList{"st -l"});
}

TEST_F(OnSerial, UploadIsEchoedReadAsItsAnnouncedBytesThenAnswered) {
    shell.On("tr 12070301.out -b 4", "4 bytes\r\n");
    port.Output("tr 12070301.out -b 4\r");
    EXPECT_EQ(port.Input(), "tr 12070301.out -b 4\r\n");
    port.Output("\nab");
    EXPECT_EQ(port.Input(), QByteArray()) << "the file is not complete yet";
    port.Output("\r\nls 12070301.out\r\n");
    EXPECT_EQ(port.Input(), "4 bytes\r\ncan0:/$ ");
    EXPECT_EQ(port.Input(), "\r\ncan0:/$ ") << "the LF after the file is a line of its own";
    EXPECT_EQ(port.Input(), "ls 12070301.out\r\ncan0:/$ ");
    ASSERT_EQ(shell.Uploads.size(), 1);
    EXPECT_EQ(shell.Uploads[0].Bytes, "\nab\r");
    EXPECT_TRUE(shell.Uploads[0].Complete());
    EXPECT_EQ(shell.Received, (QStringList{"tr 12070301.out -b 4", "", "ls 12070301.out"}));

    // Unscripted: the prompt alone; a silent transceiver still takes the bytes but says nothing.
    port.Output("tr 12070302.out -b 0\r");
    EXPECT_EQ(port.Input(), "tr 12070302.out -b 0\r\n");
    EXPECT_EQ(port.Input(), "can0:/$ ");
    shell.On("tr 12070303.out -b 2").Silent = true;
    port.Output("tr 12070303.out -b 2\rxy");
    EXPECT_EQ(port.Input(), QByteArray());
    EXPECT_EQ(shell.Uploads.last().Bytes, "xy");
}

TEST_F(OnSerial, EchoTerminatorAndPromptAreTheShells) {
    struct Case {
        QString terminator;
        QString prompt;
    };
    for (const Case& c : {Case{"\n", "can1:/$ "}, Case{"\r\r\n", "can2:/$ "}}) {
        shell.EchoTerminator = c.terminator;
        shell.Prompt = c.prompt;
        shell.On("ver", "1.0\r\n");
        port.Output("ver\r\n");
        EXPECT_EQ(QString::fromLatin1(port.Input()), "ver" + c.terminator + "1.0\r\n" + c.prompt);
    }
}

TEST_F(OnSerial, ScriptIsUsedInOrderAndRepeatsOnlyWhenAsked) {
    shell.On("st -l", "INFO 30: A\r\n");
    shell.On("st -l", "");
    shell.On("ver", "v\r\n").Repeat = true;
    port.Output("st -l\r\n");
    EXPECT_EQ(port.Input(), "st -l\r\nINFO 30: A\r\ncan0:/$ ");
    port.Output("st -l\r\n");
    EXPECT_EQ(port.Input(), "st -l\r\ncan0:/$ ");
    port.Output("ver\r\n");
    port.Input();
    port.Output("ver\r\n");
    EXPECT_EQ(port.Input(), "ver\r\nv\r\ncan0:/$ ");
    EXPECT_TRUE(shell.AllAnswered());
}

TEST_F(OnSerial, UnscriptedAndEmptyLinesGetTheirEchoAndThePrompt) {
    port.Output("\r\nse -q\r\n");
    // Each reply comes on a read of its own.
    EXPECT_EQ(Reads(2), (QList<QByteArray>{"\r\ncan0:/$ ", "se -q\r\ncan0:/$ "}));
    EXPECT_EQ(shell.Unexpected, QStringList{"se -q"});
    EXPECT_EQ(shell.Received, (QStringList{"", "se -q"}));
}

TEST_F(OnSerial, ChunksArriveOnSuccessiveReadsWithQuietReadsBetween) {
    Exchange& e = shell.On("st -l", "INFO 30: A\r\n");
    e.QuietReadsBefore = 1;
    e.ChunkSizes = {3, 4};
    e.QuietReadsBetweenChunks = 1;
    port.Output("st -l\r\n");
    EXPECT_EQ(Reads(7), (QList<QByteArray>{"", "st ", "", "-l\r\n", "", "INFO 30: A\r\ncan0:/$ ", ""}));
    EXPECT_TRUE(shell.Idle());
}

TEST_F(OnSerial, ReplyThatStopsMidWayAndOneThatNeverComes) {
    shell.On("st -w", "Mobile: 1\r\n").StopAfter = 9;
    shell.On("ver").Silent = true;
    port.Output("st -w\r\n");
    EXPECT_EQ(Reads(3), (QList<QByteArray>{"st -w\r\nMo", "", ""}));
    port.Output("ver\r\n");
    EXPECT_EQ(Reads(2), (QList<QByteArray>{"", ""}));
    EXPECT_TRUE(shell.Unexpected.isEmpty());
}

TEST_F(OnSerial, RawReplyAndOwnPrompt) {
    shell.On("exit").Raw = QString("exit\r\nkv880:/$ ");
    shell.On("minic -f", "Connected\r\n").Prompt = QString("");
    port.Output("exit\r\n");
    EXPECT_EQ(port.Input(), "exit\r\nkv880:/$ ");
    port.Output("minic -f\r\n");
    EXPECT_EQ(port.Input(), "minic -f\r\nConnected\r\n");
}

TEST_F(OnSerial, UploadLineEndingWithCrAloneIsALine) {
    shell.On("tr IN.1 40");
    port.Output("tr IN.1 40\r");
    EXPECT_EQ(port.Input(), "tr IN.1 40\r\ncan0:/$ ");
}

TEST_F(OnSerial, TextOfItsOwnAccord) {
    shell.Say("Starting application program.\r\ncan0:/$ ");
    EXPECT_EQ(port.Input(), "Starting application program.\r\ncan0:/$ ");
}

TEST(FakeSerialControl, ArrivalRaisesTheReceiveEventOnlyWhileTheThresholdIsOne) {
    FakeSerialControl port;
    FakeTransceiver shell(port);
    QList<int> events;
    port.OnComm = [&] { events.append(port.CommEvent()); };
    port.PushIncoming("x");  // closed: nothing
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    port.PushIncoming("a");
    port.SetRThreshold(1);
    port.PushIncoming("b");
    // A reply handed over during a read is simply read.
    port.Output("ver\r\n");
    EXPECT_EQ(port.Input(), "xabver\r\ncan0:/$ ");
    EXPECT_EQ(events, QList<int>{ISerialControl::EvReceive});

    port.HangUp();
    EXPECT_FALSE(port.PortOpen());
    EXPECT_FALSE(port.CDHolding());
    EXPECT_EQ(events.last(), ISerialControl::EvCD);
    EXPECT_EQ(port.CloseCount, 1);
}

TEST(FakeSocketControl, CarriesTheTransceiverAfterConnecting) {
    FakeSocketControl socket;
    FakeTransceiver shell(socket);
    shell.Prompt = "kv880:/$ ";
    shell.On("minic -f", "Connected\r\n");
    EXPECT_FALSE(socket.SendData("minic -f\r\n"));
    EXPECT_EQ(socket.LastErrorNumber(), ISocketControl::ErrWrongState);
    socket.Connect();
    EXPECT_EQ(socket.SocketState(), ISocketControl::Connected);
    EXPECT_TRUE(socket.SendData("minic -f\r\n"));
    EXPECT_EQ(socket.GetData(), "minic -f\r\nConnected\r\nkv880:/$ ");
    EXPECT_EQ(socket.Written(), "minic -f\r\n");
}

}  // namespace
