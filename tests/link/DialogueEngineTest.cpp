#include <cctype>
#include <gtest/gtest.h>

#include <stdexcept>

#include "DialogueFixture.h"
#include "foundation/LogFiles.h"
#include "foundation/RuntimeError.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "support/FakeTransceiver.h"
#include "support/QueuedTexts.h"

using namespace tidepost;
using test::DialogueFixture;

namespace {

using Engine = DialogueFixture;

// ---- idle: taking and sending a line ----

TEST_F(Engine, IdleTickWithAnEmptyQueueWaits) {
    link.Dialogue.ReplyBuffer = "left over";
    platform.Serial.RThreshold = 0;
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_EQ(window.Label1, "Idle");
    EXPECT_EQ(platform.Serial.RThreshold, 1);
    EXPECT_TRUE(link.Dialogue.ReplyBuffer.isEmpty());
    EXPECT_EQ(link.Dialogue.LastActivityTime, platform.Clock.MonotonicMs());
    EXPECT_TRUE(platform.Serial.Writes.isEmpty());
}

TEST_F(Engine, SendsOnlyTheFirstLineAndStartsReceiving) {
    QueueCommand(link, "st -l", true, false);
    QueueCommand(link, "ver", true, false);
    Tick();
    EXPECT_EQ(Sent(), "st -l\r\n");
    EXPECT_EQ(link.Dialogue.CommandQueue, "ver\r\n");
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
}

TEST_F(Engine, TakesLinesEndingInABareLfAndLeavesTextWithoutOne) {
    link.Dialogue.CommandQueue = "st -n\n\r\nhalf";
    Tick();
    EXPECT_EQ(Sent(), "st -n\n");
    link.Dialogue.DialogueState = 0;
    Tick();
    EXPECT_EQ(Sent(), "st -n\n\r\n");
    link.Dialogue.DialogueState = 0;
    Tick();
    EXPECT_EQ(Sent(), "st -n\n\r\n");  // "half" has no line end yet
    EXPECT_EQ(link.Dialogue.CommandQueue, "half");
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
}

TEST_F(Engine, UploadCommandGoesOutWithoutItsLf) {
    link.Dialogue.CommandQueue = "tr AB123456.TXT -b 250\r\n";
    Tick();
    EXPECT_EQ(Sent(), "tr AB123456.TXT -b 250\r");
    EXPECT_TRUE(link.Dialogue.TransferLineSent);
}

TEST_F(Engine, TextIsSentInTheAnsiCodePage) {
    link.Dialogue.CommandQueue = QString::fromLatin1("ty \xC5\xE6\xF8\r\n");
    Tick();
    EXPECT_EQ(platform.Serial.Written(), QByteArray("ty \xC5\xE6\xF8\r\n"));
}

struct LinkCase {
    const char* name;
    bool serialOpen;
    int socketState;
    bool lanConnected;
    bool toSerial;
    bool toSocket;
};

class EngineLinks : public Engine, public ::testing::WithParamInterface<LinkCase> {};

TEST_P(EngineLinks, WritesEveryLinkThatIsUp) {
    const LinkCase& c = GetParam();
    if (!c.serialOpen) platform.Serial.Close();
    platform.Socket.State = c.socketState;
    f.gSession.LanConnected = c.lanConnected;
    link.Dialogue.CommandQueue = "st -w\r\n";
    Tick();
    EXPECT_EQ(platform.Serial.Written(), c.toSerial ? QByteArray("st -w\r\n") : QByteArray());
    EXPECT_EQ(platform.Socket.Written(), c.toSocket ? QByteArray("st -w\r\n") : QByteArray());
    EXPECT_EQ(link.Dialogue.DialogueState, 1);  // the line was taken even when no link took it
}

INSTANTIATE_TEST_SUITE_P(
    Links, EngineLinks,
    ::testing::Values(LinkCase{"SerialOnly", true, ISocketControl::Closed, false, true, false},
                      LinkCase{"LanOnly", false, ISocketControl::Connected, true, false, true},
                      LinkCase{"Both", true, ISocketControl::Connected, true, true, true},
                      LinkCase{"SocketWithoutLanSession", false, ISocketControl::Connected, false, false, false},
                      LinkCase{"LanSessionWithSocketConnecting", true, ISocketControl::Connecting, true, true, false},
                      LinkCase{"Neither", false, ISocketControl::Closed, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(Engine, WithBothLinksUpTheSocketTextReplacesThePortText) {
    platform.Socket.State = ISocketControl::Connected;
    f.gSession.LanConnected = true;
    link.Dialogue.CommandQueue = "ver\r\n";
    Tick();
    Arrive("port text");
    platform.Socket.PushIncoming("socket text");
    Tick();
    EXPECT_EQ(link.Dialogue.ReplyBuffer, "socket text");
}

TEST_F(Engine, FailedWriteIsCheckedLoggedAndForgotten) {
    int checks = 0;
    link.Dialogue.CheckCommEvent = [&] { ++checks; };
    platform.Serial.FailWrites = true;
    platform.Socket.State = ISocketControl::Connected;
    platform.Socket.FailSends = true;
    f.gSession.LanConnected = true;
    link.Dialogue.CommandQueue = "ver\r\nst -l\r\n";
    Tick();

    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_EQ(checks, 2);
    const QStringList lines = DataFile("ErrorLog.txt").split("\r\n");
    ASSERT_EQ(lines.size(), 3);  // two lines, each ending with CR LF
    EXPECT_TRUE(lines[0].endsWith(" Error 8021: Write failed")) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].endsWith(" Error 40020: Send failed")) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_TRUE(lines[0].contains("09:05:00"));
    EXPECT_EQ(link.Dialogue.CommandQueue, "st -l\r\n");
}

// ---- receiving: when a reply is complete ----

TEST_F(Engine, ReplyCompletesOnTheFirstQuietTickOnly) {
    link.Dialogue.CommandQueue = "st -w\r\n";
    Tick();
    Arrive("st -w\r\nStatus: OK\r\ncan1:/$ ");
    TimerTick();
    EXPECT_EQ(link.Dialogue.DialogueState, 1) << "the tick that reads the prompt does not end the reply";
    EXPECT_EQ(window.Label1, "Receiving");
    TimerTick();
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    EXPECT_EQ(link.Dialogue.CurrentPrompt, "can1:/$ ");
    EXPECT_TRUE(f.gSession.MesConnected());
    EXPECT_TRUE(f.gSession.ConnectedToTCU_Via_Com);
    EXPECT_EQ(link.Dialogue.ReplyBuffer, "st -w\r\nStatus: OK\r\ncan1:/$ ");
}

TEST_F(Engine, ReplyArrivingInPiecesIsCollectedWhole) {
    test::FakeTransceiver mes(platform.Serial);
    mes.On("ver", "Version 3.1\r\n").ChunkSizes = {3, 5, 7};
    QString handled;
    link.Dispatch.HandleVersionReply = [&](const QString& r) { handled = r; };
    link.Dialogue.EchoTerminator = "\r\n";
    link.Dialogue.CommandQueue = "ver\r\n";
    for (int i = 0; i < 20 && handled.isEmpty(); ++i) TimerTick();
    EXPECT_EQ(handled, "ver\r\nVersion 3.1\r\ncan0:/$ ");
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
}

struct EndCase {
    const char* name;
    QString echoTerminator;
    QString reply;
    bool complete;
    QString prompt;  // CurrentPrompt afterwards
};

class EngineReplyEnd : public Engine, public ::testing::WithParamInterface<EndCase> {};

TEST_P(EngineReplyEnd, DecidesWhetherTheReplyIsComplete) {
    const EndCase& c = GetParam();
    link.Dialogue.EchoTerminator = c.echoTerminator;
    link.Dialogue.EchoTerminatorLength = static_cast<qint16>(c.echoTerminator.size());
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive(c.reply.toLatin1());
    TimerTick();  // reads
    TimerTick();  // quiet
    EXPECT_EQ(link.Dialogue.DialogueState, c.complete ? 2 : 1);
    EXPECT_EQ(f.gSession.MesConnected(), c.complete);
    EXPECT_EQ(link.Dialogue.CurrentPrompt, c.prompt);
}

INSTANTIATE_TEST_SUITE_P(
    Ends, EngineReplyEnd,
    ::testing::Values(
        EndCase{"Can0", "\r\n", "ver\r\nx\r\ncan0:/$ ", true, "can0:/$ "},
        EndCase{"Can1", "\r\n", "ver\r\nx\r\ncan1:/$ ", true, "can1:/$ "},
        EndCase{"Can2", "\r\n", "ver\r\nx\r\ncan2:/$ ", true, "can2:/$ "},
        EndCase{"Can3IsNoPrompt", "\r\n", "ver\r\nx\r\ncan3:/$ ", false, ""},
        EndCase{"PromptNotAtTheEnd", "\r\n", "ver\r\ncan0:/$ x", false, ""},
        EndCase{"InteractiveGreaterBlank", "\r\n", "ro\r\n1 Routing\r\n> ", true, ""},
        EndCase{"InteractiveBlankGreater", "\r\n", "ro\r\nChoice >", true, ""},
        EndCase{"TcuPromptDoesNotComplete", "\r\n", "minic -f\r\nkv880:/$ ", false, "kv880:/$ "},
        EndCase{"PasswordAfterTheLineEnd", "\r\n", "sysconf\r\nEnter password: ", true, ""},
        EndCase{"NewPasswordAfterTheLineEnd", "\r\n", "sysconf\r\nEnter new password: ", true, ""},
        EndCase{"ConfirmPasswordAfterTheLineEnd", "\r\n", "sysconf\r\nConfirm new password: ", true, ""},
        EndCase{"PasswordAfterOtherTextOnItsLine", "\r\n", "sysconf\r\nWrong. Enter password: ", false, ""},
        EndCase{"PasswordAfterABareLfWithLfLearnt", "\n", "sysconf\nEnter password: ", true, ""},
        EndCase{"PasswordAfterCrLfWithCrCrLfLearnt", "\r\r\n", "sysconf\r\r\nx\r\nEnter password: ", false, ""},
        EndCase{"PasswordAfterCrCrLfWithCrCrLfLearnt", "\r\r\n", "sysconf\r\r\nx\r\r\nEnter password: ", true, ""},
        EndCase{"UnsupportedShellDoesNotComplete", "\r\n", "ver\r\n: ", false, ""},
        EndCase{"SingleCharacterIsNeverTested", "\r\n", ">", false, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// However the link cuts a reply, with a quiet tick after every piece, the reply ends at its
// prompt and nowhere before, and reaches its row whole and once.
TEST_F(Engine, ReplyCutAtAnyByteEndsOnlyAtItsPrompt) {
    QStringList handled;
    link.Dispatch.HandleStatusInfoReply = [&](const QString& r) { handled.append(r); };
    for (const QString lineEnd : {"\r\n", "\n", "\r\r\n"}) {
        link.Dialogue.EchoTerminator = lineEnd;
        link.Dialogue.EchoTerminatorLength = static_cast<qint16>(lineEnd.size());
        const QString reply = "st -i" + lineEnd + "Mobile number: 123456789" + lineEnd + "Ocean: AOR-E" + lineEnd +
                              "can0:/$ ";
        for (int cut = 1; cut < reply.size(); ++cut) {
            handled.clear();
            link.Dialogue.ReplyBuffer.clear();
            link.Dialogue.DialogueState = 1;
            StampActivity(link);
            Arrive(reply.left(cut).toLatin1());
            TimerTick(2);
            ASSERT_EQ(link.Dialogue.DialogueState, 1) << "cut at " << cut;
            Arrive(reply.mid(cut).toLatin1());
            TimerTick(3);  // read, quiet: complete, dispatch
            ASSERT_EQ(handled, QStringList{reply}) << "cut at " << cut;
            ASSERT_EQ(link.Dialogue.DialogueState, 0);
        }
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(Engine, HugeReplyInManyPiecesIsCollectedWholeAndEndsOnce) {
    QStringList handled;
    link.Dispatch.HandleInboxListing = [&](const QString& r) { handled.append(r); };
    link.Dialogue.EchoTerminator = "\r\n";
    link.Dialogue.EchoTerminatorLength = 2;
    QString reply = "ls IN.*\r\n";
    for (int i = 0; i < 20000; ++i) reply += QString("IN.%1  1234  01-02-2024 10:11\r\n").arg(i, 5, 10, QChar('0'));
    reply += "can0:/$ ";
    link.Dialogue.CommandQueue = "ls IN.*\r\n";
    Tick();
    for (qsizetype at = 0; at < reply.size(); at += 4093) {
        Arrive(reply.mid(at, 4093).toLatin1());
        TimerTick();
        ASSERT_EQ(link.Dialogue.DialogueState, 1);
    }
    TimerTick(2);
    ASSERT_EQ(handled.size(), 1);
    EXPECT_EQ(handled[0], reply);
    EXPECT_TRUE(f.gSession.MesConnected());
}

TEST_F(Engine, UnsupportedTransceiverTextIsQueuedOncePerRun) {
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive("ver\r\n: ");
    TimerTick(3);
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{"The transceiver is not supported by this version of Tidepost"});
    EXPECT_TRUE(link.Dialogue.NotSupportedShown);

    // The next unsupported reply of the same run queues nothing.
    link.Dialogue.ReplyBuffer.clear();
    Arrive("st -l\r\n: ");
    TimerTick(3);
    EXPECT_TRUE(test::DrainErrorQueue(f).isEmpty());
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
}

// A box opened by the tick would hold the dialogue until someone clicks: a refusal from the
// transceiver is queued for the message timer and the next command goes out at once.
TEST_F(Engine, RefusalReplyInsideTheTickLetsTheNextCommandGoOut) {
    f.gSession.SetMesConnected(true);
    QueueCommand(link, "se -g 1 2", true, false);
    QueueCommand(link, "st -l", true, false);
    platform.Boxes.OnShow = [](const MessageBoxRequest& box) {
        ADD_FAILURE() << "box shown inside the tick: " << box.text.toStdString();
    };
    TimerTick();
    EXPECT_EQ(Sent(), "se -g 1 2\r\n");
    Arrive("se -g 1 2\r\nERROR 17: LES not valid\r\ncan0:/$ ");
    for (int i = 0; i < 10 && !Sent().contains("st -l"); ++i) TimerTick();
    EXPECT_EQ(Sent(), "se -g 1 2\r\nst -l\r\n");
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(test::DrainErrorQueue(f), QStringList{"ERROR 17: LES not valid\r\n\r\nDistress generator not updated."});
}

TEST_F(Engine, TcuPromptQueuesTheBridgeStartAtTheFrontOnce) {
    link.Dialogue.CommandQueue = "st -l\r\n";
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive("\r\nkv880:/$ ");
    TimerTick();
    TimerTick(3);  // quiet ticks: the duplicate rule keeps one copy
    EXPECT_EQ(link.Dialogue.CommandQueue, "\r\nminic -f\r\nst -l\r\n");
    EXPECT_EQ(link.Dialogue.CurrentPrompt, "kv880:/$ ");
    EXPECT_TRUE(f.gSession.ConnectedToTCU_Via_Com);
    EXPECT_FALSE(f.gSession.MesConnected());
}

TEST_F(Engine, TcuPromptReplyEndsByTheTimeOutAndIsDispatched) {
    f.gSession.SetMesConnected(true);
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive("\r\nkv880:/$ ");
    TimerTick();
    platform.Clock.AdvanceMs(4001);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    EXPECT_FALSE(f.gSession.MesConnected()) << "the link was declared lost";
    EXPECT_EQ(window.PCConnBarColor, 255);
    EXPECT_EQ(link.Dialogue.ReplyBuffer, "\r\nkv880:/$ ");
    Tick();  // dispatched; the next idle tick sends the empty line, then the bridge start
    Tick();
    EXPECT_EQ(Sent(), "\r\n");
}

TEST_F(Engine, NoBridgeStartOnceMinicRuns) {
    link.Dialogue.MinicStarted = true;
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive("\r\nkv880:/$ ");
    TimerTick(2);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

TEST_F(Engine, TransceiverPromptReplacesTheTcuPrompt) {
    link.Dialogue.CurrentPrompt = "kv880:/$ ";
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive("minic -f\r\nbridge up\r\ncan0:/$ ");
    TimerTick(2);
    EXPECT_EQ(link.Dialogue.CurrentPrompt, "can0:/$ ");
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
}

// ---- receiving: time-out ----

TEST_F(Engine, ChunksLessThanTheTimeOutApartNeverTimeOut) {
    f.gSession.SetMesConnected(true);
    link.Dialogue.CommandQueue = "ls IN.*\r\n";
    Tick();
    for (int i = 0; i < 10; ++i) {
        platform.Clock.AdvanceMs(3900);
        Arrive("IN.00" + QByteArray::number(i) + "\r\n");
        Tick();
        ASSERT_EQ(link.Dialogue.DialogueState, 1) << "chunk " << i;
    }
    EXPECT_TRUE(f.gSession.MesConnected());
}

TEST_F(Engine, TimeOutCountsFromTheLastChunk) {
    f.gSession.SetMesConnected(true);
    link.Dialogue.CommandQueue = "ls IN.*\r\n";
    Tick();
    platform.Clock.AdvanceMs(3000);
    Arrive("ls IN.*\r\nIN.001");
    Tick();
    platform.Clock.AdvanceMs(4000);  // 7 s after the send, exactly 4 s after the chunk
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    platform.Clock.AdvanceMs(1);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_EQ(link.Dialogue.ReplyBuffer, "ls IN.*\r\nIN.001") << "the partial reply is dispatched as it is";
}

TEST_F(Engine, TimeOutUsesTheConfiguredSeconds) {
    link.Dialogue.CommandTimeOut = 9;
    f.gSession.SetMesConnected(true);
    link.Dialogue.CommandQueue = "ver\r\n";
    Tick();
    platform.Clock.AdvanceMs(8000);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    platform.Clock.AdvanceMs(1001);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
}

TEST_F(Engine, TimeOutIgnoresTheWallClock) {
    f.gSession.SetMesConnected(true);
    link.Dialogue.CommandQueue = "ver\r\n";
    Tick();
    platform.Clock.Set(platform.Clock.Now().addDays(1));  // midnight, or the clock set forward
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_TRUE(f.gSession.MesConnected());
}

TEST_F(Engine, TimeOutWhileTheTerminalIsOpenKeepsTheLink) {
    link.Windows.TerminalModeForm = &terminal;
    terminal.Visible = true;
    f.gSession.SetMesConnected(true);
    link.Dialogue.CommandQueue = "ver\r\n";
    Tick();
    Arrive("ver\r\npartial");
    Tick();
    platform.Clock.AdvanceMs(4001);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    EXPECT_TRUE(f.gSession.MesConnected());
    EXPECT_EQ(window.PCConnBarColor, -1);
}

TEST_F(Engine, LateTickAfterThePromptCompletesTheReplyAndKeepsTheLink) {
    QString handled;
    link.Dispatch.HandleVersionReply = [&](const QString& r) { handled = r; };
    link.Dialogue.EchoTerminator = "\r\n";
    f.gSession.SetMesConnected(true);
    link.Dialogue.CommandQueue = "ver\r\n";
    Tick();
    Arrive("ver\r\nVersion 3.1\r\ncan0:/$ ");
    TimerTick();  // the whole reply with its prompt is read
    // A modal box held the timer: the next tick comes after the time-out.
    platform.Clock.AdvanceMs(qint64(link.Dialogue.CommandTimeOut) * 1000 + 1000);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    EXPECT_TRUE(f.gSession.MesConnected());
    EXPECT_EQ(window.PCConnBarColor, -1) << "the link was not declared lost";
    Tick();
    EXPECT_EQ(handled, "ver\r\nVersion 3.1\r\ncan0:/$ ");
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_TRUE(f.gSession.MesConnected());
}

// ---- uploads ----

TEST_F(Engine, UploadEchoWaitsHalfASecondThenEndsTheReplyAtOnce) {
    link.Dialogue.CommandQueue = "tr AB123456.TXT -b 250\r\n";
    Tick();
    Arrive("tr AB123456.TXT -b 250\r\n");

    Tick();  // records the deadline, reads nothing
    EXPECT_EQ(platform.Serial.Incoming(), "tr AB123456.TXT -b 250\r\n");
    platform.Clock.AdvanceMs(499);
    Tick();
    EXPECT_EQ(platform.Serial.Incoming(), "tr AB123456.TXT -b 250\r\n");
    EXPECT_TRUE(link.Dialogue.TransferLineSent);

    platform.Clock.AdvanceMs(1);
    Tick();  // the half second has passed: read
    EXPECT_FALSE(link.Dialogue.TransferLineSent);
    EXPECT_EQ(link.Dialogue.ReplyBuffer, "tr AB123456.TXT -b 250\r\n");
    EXPECT_EQ(link.Dialogue.DialogueState, 1);

    Tick();  // first quiet tick: the echo is the whole reply
    EXPECT_EQ(link.Dialogue.DialogueState, 2);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 3) << "the dispatch hands the echo to the streaming";
}

TEST_F(Engine, StreamingStepRunsWhenRegisteredOtherwiseTheEngineWaitsForTheAnswer) {
    int streamed = 0;
    link.Dialogue.DialogueState = 3;
    link.Dialogue.StreamingStep = [&] { ++streamed; };
    Tick();
    EXPECT_EQ(streamed, 1);
    EXPECT_EQ(link.Dialogue.DialogueState, 3);

    link.Dialogue.StreamingStep = nullptr;
    link.Dialogue.ReplyBuffer = "tr X -b 1\r\n";
    platform.Serial.RThreshold = 0;
    platform.Clock.AdvanceMs(100);
    Tick();
    EXPECT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_TRUE(link.Dialogue.ReplyBuffer.isEmpty());
    EXPECT_EQ(platform.Serial.RThreshold, 1);
    EXPECT_EQ(link.Dialogue.LastActivityTime, platform.Clock.MonotonicMs());
}

// ---- logging, debug display, terminal mode, the timer ----

TEST_F(Engine, CommLogHoldsEveryChunkJoinedWhileLoggingIsOn) {
    window.LogPCComm = true;
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Tick();  // an empty chunk still touches the log
    EXPECT_TRUE(QFile::exists(platform.DataFolder() + "/CommLog.txt"));
    Arrive("st -l\r\n");
    Tick();
    Arrive("can0:/$ ");
    Tick();
    EXPECT_EQ(DataFile("CommLog.txt"), "st -l\r\ncan0:/$ ");
}

// A communication log left on for weeks: past its limit it keeps its newest half, cut where a
// line starts, and the chunks go on arriving after it.
TEST_F(Engine, CommLogPastItsLimitKeepsItsNewestHalf) {
    QByteArray old;
    for (int i = 0; old.size() < kMaxLogBytes - 10; ++i) old += "st -l\r\nINFO " + QByteArray::number(i) + "\r\ncan0:/$ ";
    platform.WriteDataFile("CommLog.txt", old);
    window.LogPCComm = true;
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive("st -l\r\nINFO new\r\ncan0:/$ ");
    Tick();
    const QByteArray full = old + "st -l\r\nINFO new\r\ncan0:/$ ";
    const QByteArray kept = platform.ReadDataFile("CommLog.txt");
    ASSERT_LT(kept.size(), full.size()) << "the log was cut";
    EXPECT_TRUE(full.endsWith(kept));
    EXPECT_LE(kept.size(), full.size() / 2);
    EXPECT_TRUE(kept.startsWith("INFO ") || kept.startsWith("can0:/$ ")) << kept.left(20).constData();
    EXPECT_EQ(full.at(full.size() - kept.size() - 1), '\n');
}

TEST_F(Engine, NoCommLogWhileLoggingIsOff) {
    link.Dialogue.DialogueState = 1;
    StampActivity(link);
    Arrive("st -l\r\n");
    Tick();
    EXPECT_FALSE(QFile::exists(platform.DataFolder() + "/CommLog.txt"));
}

TEST_F(Engine, DebugDisplayShowsTheQueueAndTicks) {
    link.Dialogue.DebugMode = 1;
    link.Dialogue.CommandQueue = "a\r\nb\r\n";
    window.Label10 = "T1: ";
    Tick();
    EXPECT_EQ(window.Label4, "a\r\nb\r\n");
    EXPECT_EQ(window.Label10, "T1: *");
    for (int i = 0; i < 4; ++i) Tick();
    EXPECT_EQ(window.Label10, "T1: *****");  // 9 characters: the next tick starts again
    Tick();
    EXPECT_EQ(window.Label10, "T1: ");

    link.Dialogue.DebugMode = 0;
    Tick();
    EXPECT_EQ(window.Label10, "T1: ");
}

TEST_F(Engine, TerminalIsShownOnceTheQueueHasRunEmpty) {
    link.Windows.TerminalModeForm = &terminal;
    link.Dialogue.TerminalModeRequested = true;
    link.Dialogue.CommandQueue = "ver\r\n";
    Tick();
    EXPECT_TRUE(terminal.Calls.isEmpty()) << "a queued line goes first";

    link.Dialogue.DialogueState = 0;
    Tick();
    EXPECT_EQ(terminal.Calls, (QStringList{"Show", "InitPrompt", "Focus"}));
    EXPECT_EQ(window.Calls, QStringList{"UnloadWaitForm"});
}

TEST_F(Engine, TerminalThatStaysHiddenGetsNoFocus) {
    link.Windows.TerminalModeForm = &terminal;
    terminal.ShowMakesVisible = false;
    link.Dialogue.TerminalModeRequested = true;
    Tick();
    EXPECT_EQ(terminal.Calls, (QStringList{"Show", "InitPrompt"}));
}

TEST_F(Engine, TimerIsOffWhileTheTickRunsAndOnAfterIt) {
    bool onDuringHandler = true;
    link.Dispatch.HandleVersionReply = [&](const QString&) { onDuringHandler = window.TimerOn("Timer1"); };
    link.Dialogue.EchoTerminator = "\r\n";
    Complete("ver\r\n1.0\r\ncan0:/$ ");
    Tick();
    EXPECT_FALSE(onDuringHandler);
    EXPECT_EQ(window.TimerCalls, (QStringList{"Timer1 off", "Timer1 on"}));
}

TEST_F(Engine, FailingHandlerIsLoggedAndTheDialogueGoesOn) {
    int later = 0;
    link.Dialogue.EchoTerminator = "\r\n";
    link.Dispatch.HandleVersionReply = [](const QString&) {
        throw RuntimeError(RuntimeError::kTypeMismatch, "ParseVersion", "Type mismatch");
    };
    link.Dispatch.ClearOutboxAfterMesRestart = [&] { ++later; };
    Complete("ver\r\nStarting application program.\r\ncan0:/$ ");
    EXPECT_NO_THROW(Tick());
    EXPECT_EQ(later, 1) << "the rows after the failing one still run";
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_TRUE(window.TimerOn("Timer1"));
    EXPECT_TRUE(DataFile("ErrorLog.txt").contains("(MainForm.Timer1_Timer) Error '13': Type mismatch."));
}

// ---- start-up ----

struct TimeOutCase {
    const char* stored;  // nullptr: not stored
    qint16 seconds;
};

class CommandTimeOutSetting : public Engine, public ::testing::WithParamInterface<TimeOutCase> {};

TEST_P(CommandTimeOutSetting, IsRoundedAndAtLeastFour) {
    const TimeOutCase& c = GetParam();
    if (c.stored) platform.Settings.Save(f.gProductName, "Settings", "CommandTimeOut", c.stored);
    EXPECT_EQ(ReadCommandTimeOut(f), c.seconds);
}

INSTANTIATE_TEST_SUITE_P(Values, CommandTimeOutSetting,
                         ::testing::Values(TimeOutCase{nullptr, 4}, TimeOutCase{"4", 4}, TimeOutCase{"10", 10},
                                           TimeOutCase{"3", 4}, TimeOutCase{"0", 4}, TimeOutCase{"-7", 4},
                                           TimeOutCase{"6.4", 6}, TimeOutCase{"6.5", 6}, TimeOutCase{"7.5", 8},
                                           TimeOutCase{" 12 ", 12}, TimeOutCase{"abc", 4}, TimeOutCase{"", 4},
                                           TimeOutCase{"99999", 32767}),
                         [](const auto& info) {
                             // The stored text, its letters and digits only, after the case number.
                             std::string name = "Case" + std::to_string(info.index) + "_";
                             const char* stored = info.param.stored;
                             if (!stored) return name + "NotStored";
                             for (const char* c = stored; *c; ++c)
                                 name += std::isalnum(static_cast<unsigned char>(*c)) ? *c : (*c == '-' ? 'M' : '_');
                             return name;
                         });

TEST_F(Engine, StartDialogueResetsTheDialogue) {
    platform.Settings.Save(f.gProductName, "Settings", "CommandTimeOut", "12");
    link.Dialogue.CommandQueue = "stale\r\n";
    link.Dialogue.DialogueState = 2;
    link.Dialogue.MinicStarted = true;
    link.Dialogue.NotSupportedShown = true;
    StartDialogue(link);
    EXPECT_TRUE(link.Dialogue.CommandQueue.isEmpty());
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_FALSE(link.Dialogue.MinicStarted);
    EXPECT_FALSE(link.Dialogue.NotSupportedShown);
    EXPECT_EQ(link.Dialogue.CommandTimeOut, 12);
}

}  // namespace
