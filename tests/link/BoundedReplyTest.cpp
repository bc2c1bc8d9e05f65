#include <gtest/gtest.h>

#include <algorithm>

#include "DialogueFixture.h"
#include "link/CommandQueue.h"
#include "link/ReplyLimits.h"
#include "link/SerialLink.h"

using namespace tidepost;

namespace {

const QString kDroppedForSize = "(MainForm.Timer1_Timer) Error '57': The transceiver sent ";
const QString kDroppedForTime = "(MainForm.Timer1_Timer) Error '57': The transceiver kept sending for ";

// A line that talks without a prompt: the serial event starts the engine receiving, as at the
// real port, and the status-list handler shows whether a dropped reply was dispatched after all.
struct BoundedReply : test::DialogueFixture {
    int dispatched = 0;

    BoundedReply() {
        AttachSerialLink(link);
        link.Dispatch.CheckInfos = [this](const QString&) { ++dispatched; };
        f.gSession.SetMesConnected(true);
        QueueCommand(link, "st -l", true, false);
        Tick();  // sent; the engine waits for the reply
    }
    int ErrorLines(const QString& text) const { return int(DataFile("ErrorLog.txt").count(text)); }
};

TEST_F(BoundedReply, ABabblingLineIsDroppedPastAMebibyteAndTheLinkLost) {
    const QByteArray noise = "st -l\r\n" + QByteArray(64 * 1024 - 7, '~');
    qsizetype largest = 0;
    int lostAfter = -1;
    for (int chunk = 1; chunk <= 60; ++chunk) {
        Arrive(noise);
        TimerTick();
        largest = std::max(largest, link.Dialogue.ReplyBuffer.size());
        if (lostAfter < 0 && !f.gSession.MesConnected()) lostAfter = chunk;
    }
    EXPECT_EQ(lostAfter, 17) << "the 17th chunk takes the reply past 1 MiB";
    EXPECT_LE(largest, kMaxReplyChars) << "a reply past the limit is dropped in the tick it gets there";
    EXPECT_EQ(window.PCConnBarColor, 255);
    EXPECT_EQ(dispatched, 0);
    EXPECT_EQ(ErrorLines(kDroppedForSize + "1114112 characters without a prompt; the reply was dropped and the "
                                           "link counts as lost."),
              1)
        << "one line for the outage, however long the line babbles";
}

TEST_F(BoundedReply, ATricklingLineIsCutOffAtItsDeadline) {
    const qint64 deadline = ReplyDeadlineMs(link);
    const qint64 started = platform.Clock.MonotonicMs() + 1000;  // the first chunk
    qint64 lostAt = -1;
    for (qint64 elapsed = 0; lostAt < 0 && elapsed <= deadline + 3000; elapsed += 1000) {
        platform.Clock.AdvanceMs(1000);  // well inside the time-out, which counts from the last chunk
        Arrive(QByteArray(100, '#'));
        Tick();
        if (!f.gSession.MesConnected()) lostAt = platform.Clock.MonotonicMs() - started;
        else ASSERT_EQ(link.Dialogue.DialogueState, 1) << elapsed;
    }
    EXPECT_GT(lostAt, deadline);
    EXPECT_LE(lostAt, deadline + 1000);
    EXPECT_TRUE(link.Dialogue.ReplyBuffer.isEmpty());
    EXPECT_EQ(dispatched, 0);
    EXPECT_EQ(ErrorLines(kDroppedForTime), 1);
}

using LineSpeed = test::DialogueFixture;

TEST_F(LineSpeed, ALongReplyAtTheLineSpeedIsKeptWhole) {
    platform.Serial.Close();
    platform.Serial.SetSettings("115200,n,8,1");
    platform.Serial.Open();
    QString handled;
    link.Dialogue.EchoTerminator = "\r\n";
    link.Dialogue.EchoTerminatorLength = 2;
    link.Dispatch.HandleInboxListing = [&](const QString& r) { handled = r; };
    QueueCommand(link, "ls IN.*", true, false);
    Tick();

    // Just under the limit, at 11,520 characters a second: 87 s of steady text.
    const QString reply = "ls IN.*\r\n" + QString(1'000'000, 'm') + "\r\ncan0:/$ ";
    constexpr qsizetype kPerTick = 691;  // 60 ms of the line
    for (qsizetype at = 0; at < reply.size(); at += kPerTick) {
        Arrive(reply.mid(at, kPerTick).toLatin1());
        TimerTick();
        ASSERT_EQ(link.Dialogue.DialogueState, 1) << at;
    }
    TimerTick(2);
    EXPECT_EQ(handled, reply);
    EXPECT_TRUE(f.gSession.MesConnected());
    EXPECT_FALSE(DataFile("ErrorLog.txt").contains("Error '57'"));
}

TEST_F(BoundedReply, AReplyAtItsPromptEndsTheOutageSoTheNextIsLoggedAgain) {
    const QByteArray noise(256 * 1024, '~');
    for (int i = 0; i < 5; ++i) {
        Arrive(noise);
        TimerTick();
    }
    ASSERT_EQ(ErrorLines(kDroppedForSize), 1);

    TimerTick(3);  // the rest of the line is read and answered as the idle engine finds it
    QueueCommand(link, "st -l", true, false);
    TimerTick();
    Arrive("st -l\r\ncan0:/$ ");
    TimerTick(3);
    ASSERT_TRUE(f.gSession.MesConnected());

    for (int i = 0; i < 5; ++i) {
        Arrive(noise);
        TimerTick();
    }
    EXPECT_EQ(ErrorLines(kDroppedForSize), 2);
}

TEST_F(BoundedReply, WhileTheTerminalIsInUseTheReplyIsDroppedAndTheLinkKept) {
    link.Windows.TerminalModeForm = &terminal;
    terminal.Visible = true;
    for (int i = 0; i < 20; ++i) {
        Arrive(QByteArray(64 * 1024, '~'));
        TimerTick();
        ASSERT_LE(link.Dialogue.ReplyBuffer.size(), kMaxReplyChars);
    }
    EXPECT_TRUE(f.gSession.MesConnected());
    EXPECT_EQ(ErrorLines(kDroppedForSize), 1);
}

struct DeadlineCase {
    const char* name;
    const char* settings;  // nullptr: the serial port is closed (the LAN link)
    qint64 deadlineMs;
};

class ReplyDeadline : public test::DialogueFixture, public ::testing::WithParamInterface<DeadlineCase> {};

TEST_P(ReplyDeadline, FollowsTheSpeedOfTheLine) {
    const DeadlineCase& c = GetParam();
    platform.Serial.Close();
    if (c.settings) {
        platform.Serial.SetSettings(c.settings);
        platform.Serial.Open();
    }
    EXPECT_EQ(ReplyDeadlineMs(link), c.deadlineMs);
}

// Twice the time 1 MiB takes at 10 bits a character, never under a minute.
INSTANTIATE_TEST_SUITE_P(Speeds, ReplyDeadline,
                         ::testing::Values(DeadlineCase{"Fastest", "115200,n,8,1", 182'044},
                                           DeadlineCase{"Common", "9600,n,8,1", 2'184'532},
                                           DeadlineCase{"Slowest", "2400,n,8,1", 8'738'132},
                                           DeadlineCase{"Unreadable", "fast,n,8,1", 8'738'132},
                                           DeadlineCase{"AtLeastAMinute", "921600,n,8,1", 60'000},
                                           DeadlineCase{"LanLink", nullptr, 182'044}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
