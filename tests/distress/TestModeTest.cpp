#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include "distress/DistressFixture.h"
#include "link/CommandQueue.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

struct TestMode : DistressFixture {
    TestMode() { f.gSession.SetMesConnected(true); }
    DistressTestMode& machine() { return distress.DistressModeForm.Machine; }
    QString& queue() { return link.Dialogue.CommandQueue; }
    // Brings the machine to `state` by its normal road, then forgets what that queued.
    void Reach(qint32 state) {
        if (state >= kTestInitiating) machine().HandleEvent(kTestStartRequested);
        if (state >= kTestUnderTest) machine().HandleEvent(kTestModeEntered);
        if (state >= kTestCancelling) machine().HandleEvent(kTestCancelPressed);
        ASSERT_EQ(machine().GetState(), state);
        queue().clear();
    }
    void Reply(const QString& body, const QString& command = "se -q") {
        link.Dispatch.HandleDistressTestModeReply(command + "\r\n" + body + "\r\ncan0:/$ ");
    }
};

TEST_F(TestMode, TransitionsFollowTheTableAndUnlistedPairsChangeNothing) {
    struct Row {
        qint32 state;
        int event;
        qint32 next;
        const char* queued;  // the command queue afterwards
        bool initTimer;
        bool testTimer;
    };
    const Row rows[] = {
        {kTestIdle, kTestStartRequested, kTestInitiating, "\r\nse -q 1\r\n", true, false},
        {kTestIdle, kTestModeEntered, kTestUnderTest, "", false, true},
        {kTestIdle, kTestCancelPressed, kTestIdle, "", false, false},
        {kTestIdle, kTestModeLeft, kTestIdle, "", false, false},
        {kTestIdle, kTestTimerExpired, kTestIdle, "", false, false},
        {kTestIdle, 7, kTestIdle, "", false, false},
        {kTestInitiating, kTestModeEntered, kTestUnderTest, "", false, true},
        {kTestInitiating, kTestModeLeft, kTestIdle, "", false, false},
        {kTestInitiating, kTestTimerExpired, kTestCancelling, "\r\nse -q 0\r\n", true, false},
        {kTestInitiating, kTestStartRequested, kTestInitiating, "", true, false},
        {kTestInitiating, kTestCancelPressed, kTestInitiating, "", true, false},
        {kTestUnderTest, kTestCancelPressed, kTestCancelling, "\r\nse -q 0\r\n", true, false},
        {kTestUnderTest, kTestTimerExpired, kTestCancelling, "\r\nse -q 0\r\n", true, false},
        {kTestUnderTest, kTestModeLeft, kTestIdle, "", false, false},
        {kTestUnderTest, kTestStartRequested, kTestUnderTest, "", false, true},
        {kTestUnderTest, kTestModeEntered, kTestUnderTest, "", false, true},
        {kTestCancelling, kTestModeEntered, kTestUnderTest, "", false, true},
        {kTestCancelling, kTestModeLeft, kTestIdle, "", false, false},
        {kTestCancelling, kTestTimerExpired, kTestIdle, "", false, false},
        {kTestCancelling, kTestStartRequested, kTestCancelling, "", true, false},
        {kTestCancelling, kTestCancelPressed, kTestCancelling, "", true, false},
        {kTestCancelling, -1, kTestCancelling, "", true, false},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(testing::Message() << r.state << " + " << r.event);
        machine().HandleEvent(kTestModeLeft);
        machine().HandleEvent(kTestModeLeft);
        Reach(r.state);
        machine().HandleEvent(r.event);
        EXPECT_EQ(machine().GetState(), r.next);
        EXPECT_EQ(queue(), r.queued);
        EXPECT_EQ(machine().InitTimer->isActive(), r.initTimer);
        if (r.initTimer) {
            EXPECT_EQ(machine().InitTimer->interval(), 10000);
        }
        EXPECT_EQ(machine().TestModeTimer->isActive(), r.testTimer);
        if (r.testTimer) {
            EXPECT_EQ(machine().TestModeTimer->interval(), 60000);
        }
        // On from the entry into UnderTest to the return to Idle; a start that is given up never had it.
        const bool onTop = r.next == kTestUnderTest || (r.next == kTestCancelling && r.state != kTestInitiating);
        EXPECT_EQ(machine().OnTopTimer->isActive(), onTop);
    }
}

TEST_F(TestMode, OnTopTimerNeverRunsForATestThatNeverStarted) {
    Reach(kTestInitiating);
    machine().InitTimer_Timer();
    EXPECT_EQ(machine().GetState(), kTestCancelling);
    EXPECT_FALSE(machine().OnTopTimer->isActive());
}

TEST_F(TestMode, UnansweredStartIsCancelledAfterTenSecondsAndGivenUpTenSecondsLater) {
    Reach(kTestInitiating);
    machine().InitTimer_Timer();
    EXPECT_EQ(queue(), "\r\nse -q 0\r\n");
    EXPECT_EQ(machine().GetState(), kTestCancelling);
    EXPECT_TRUE(machine().InitTimer->isActive());
    queue().clear();
    machine().InitTimer_Timer();
    EXPECT_EQ(machine().GetState(), kTestIdle);
    EXPECT_TRUE(queue().isEmpty()) << "nothing more is sent";
    EXPECT_FALSE(machine().InitTimer->isActive());
    EXPECT_EQ(machine().InitTimer->interval(), 0);
    // A later poll that finds the test running brings the window back.
    Reply("Distress functionality disabled");
    EXPECT_EQ(machine().GetState(), kTestUnderTest);
    EXPECT_EQ(notifications.DistressTestWindowRequests, 1);
}

TEST_F(TestMode, TestLeftRunningEndsAtTheTwentiethTick) {
    Reach(kTestUnderTest);
    for (int tick = 1; tick < 20; ++tick) {
        machine().TestModeTimer_Timer();
        ASSERT_EQ(machine().GetState(), kTestUnderTest) << tick;
    }
    EXPECT_TRUE(queue().isEmpty());
    machine().TestModeTimer_Timer();
    EXPECT_EQ(machine().GetState(), kTestCancelling);
    EXPECT_EQ(queue(), "\r\nse -q 0\r\n");
    EXPECT_EQ(machine().TestModeTicksLeft, 20);
    EXPECT_FALSE(machine().TestModeTimer->isActive());
}

TEST_F(TestMode, OppositeLineWaitingIsWithdrawnEitherWay) {
    // The commands in the queue, without the empty lines that go before front entries.
    const auto lines = [this] {
        QStringList out = queue().split("\r\n");
        out.removeAll(QString());
        return out;
    };
    Reach(kTestIdle);
    queue() = "st -l\r\n";
    machine().HandleEvent(kTestStartRequested);
    machine().HandleEvent(kTestModeEntered);
    machine().HandleEvent(kTestCancelPressed);
    EXPECT_EQ(lines(), (QStringList{"se -q 0", "st -l"})) << "the start that never went out is withdrawn";
    EXPECT_TRUE(queue().startsWith("\r\nse -q 0\r\n")) << "the end goes out first";

    QueueTestModeCommand(link, true);
    EXPECT_EQ(lines(), (QStringList{"se -q 1", "st -l"}));
    QueueTestModeCommand(link, true);
    EXPECT_EQ(lines(), (QStringList{"se -q 1", "se -q 1", "st -l"})) << "a second start is no opposite";
    QueueTestModeCommand(link, false);
    EXPECT_EQ(lines(), (QStringList{"se -q 0", "st -l"}));
}

TEST_F(TestMode, RepliesDriveTheMachine) {
    struct Case {
        const char* what;
        qint32 state;
        QString command;
        QString body;
        qint32 next;
        QStringList boxes;
        QList<bool> flags;      // Link::Transceiver.DistressTestModeActive as set, in order
        int windowRequests;
    };
    const Case cases[] = {
        {"bare query, not implemented", kTestIdle, "se -q", "NOT implemented", kTestIdle, {}, {}, 0},
        {"bare query, not implemented, running", kTestUnderTest, "se -q", "not IMPLEMENTED", kTestUnderTest, {}, {}, 0},
        {"start, not implemented", kTestInitiating, "se -q 1", "Not Implemented", kTestIdle,
         {"Distress Test Mode not supported"}, {false}, 0},
        {"stop, not implemented, idle", kTestIdle, "se -q 0", "NOT implemented", kTestIdle,
         {"Distress Test Mode not supported"}, {}, 0},
        {"enabled while initiating", kTestInitiating, "se -q", "Distress functionality enabled", kTestIdle, {}, {}, 0},
        {"enabled while cancelling", kTestCancelling, "se -q 0", "Distress functionality enabled", kTestIdle, {}, {}, 0},
        {"enabled while idle", kTestIdle, "se -q", "Distress functionality enabled", kTestIdle, {}, {}, 0},
        {"illegal argument while idle", kTestIdle, "se -q 1", "Illegal argument", kTestIdle,
         {"Distress test mode not supported"}, {}, 0},
        {"illegal argument while initiating", kTestInitiating, "se -q 1", "Illegal argument", kTestIdle,
         {"Distress test mode not supported"}, {false}, 0},
        {"disabled while idle", kTestIdle, "se -q", "Distress functionality disabled", kTestUnderTest, {}, {true}, 1},
        {"disabled while initiating", kTestInitiating, "se -q 1", "Distress functionality disabled", kTestUnderTest,
         {}, {true}, 1},
        {"disabled while cancelling", kTestCancelling, "se -q", "Distress functionality disabled", kTestUnderTest, {},
         {true}, 1},
        {"disabled while under test", kTestUnderTest, "se -q", "Distress functionality disabled", kTestUnderTest, {},
         {}, 0},
        {"case counts for the others", kTestInitiating, "se -q", "distress functionality enabled", kTestInitiating, {},
         {}, 0},
        {"anything else", kTestUnderTest, "se -q", "What?", kTestUnderTest, {}, {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        machine().HandleEvent(kTestModeLeft);
        machine().HandleEvent(kTestModeLeft);
        Reach(c.state);
        notifications.DistressTestWindowRequests = 0;
        link.Transceiver.DistressTestModeActive = 7;
        Reply(c.body, c.command);
        EXPECT_EQ(machine().GetState(), c.next);
        EXPECT_EQ(Boxes(), c.boxes);
        const int flag = c.flags.isEmpty() ? 7 : (c.flags.last() ? 1 : 0);
        EXPECT_EQ(link.Transceiver.DistressTestModeActive, flag);
        EXPECT_EQ(notifications.DistressTestWindowRequests, c.windowRequests);
    }
}

TEST_F(TestMode, DisabledWhileCancellingRestartsTheCountOfTwenty) {
    Reach(kTestUnderTest);
    for (int tick = 0; tick < 5; ++tick) machine().TestModeTimer_Timer();
    machine().HandleEvent(kTestCancelPressed);
    Reply("Distress functionality disabled");
    EXPECT_EQ(machine().GetState(), kTestUnderTest);
    EXPECT_EQ(machine().TestModeTicksLeft, 20);
}

TEST_F(TestMode, WindowShowsTheStateAndCancelOnlyUnderTest) {
    DistressModeForm& form = distress.DistressModeForm.Window();
    EXPECT_EQ(form.windowTitle(), "Distress Test Mode");
    EXPECT_EQ(form.DistressHeader->text(), "DISTRESS TEST MODE");
    const struct {
        qint32 state;
        const char* text;
    } states[] = {
        {kTestInitiating, "Initiating the Distress buttons test"},
        {kTestUnderTest,
         "Distress buttons are under test.\r\nCancel the test mode if a real Distress Alert needs to be sent."},
        {kTestCancelling, "Cancelling the Distress buttons test"},
    };
    for (const auto& s : states) {
        SCOPED_TRACE(s.state);
        machine().HandleEvent(kTestModeLeft);
        machine().HandleEvent(kTestModeLeft);
        Reach(s.state);
        EXPECT_EQ(form.StatusLabel->text(), s.text);
        EXPECT_EQ(form.CancelButton->isEnabled(), s.state == kTestUnderTest);
    }
    form.show();
    machine().HandleEvent(kTestModeLeft);
    EXPECT_EQ(form.StatusLabel->text(), "Distress buttons test not running");
    EXPECT_FALSE(form.isVisible()) << "the return to Idle hides it";

    Reach(kTestUnderTest);
    form.show();
    form.CancelButton->click();
    EXPECT_EQ(machine().GetState(), kTestCancelling);
    EXPECT_EQ(queue(), "\r\nse -q 0\r\n");
}

TEST_F(TestMode, ClosingTheWindowEndsARunningTestInsteadOfHidingIt) {
    struct Case {
        qint32 state;
        qint32 next;
        const char* queued;
        bool visible;
    };
    const Case cases[] = {
        {kTestIdle, kTestIdle, "", false},
        {kTestInitiating, kTestCancelling, "\r\nse -q 0\r\n", true},
        {kTestUnderTest, kTestCancelling, "\r\nse -q 0\r\n", true},
        {kTestCancelling, kTestCancelling, "", true},
    };
    DistressModeForm& form = distress.DistressModeForm.Window();
    for (const Case& c : cases) {
        for (int way = 0; way < 2; ++way) {
            SCOPED_TRACE(testing::Message() << c.state << (way == 0 ? " close box" : " Esc"));
            machine().HandleEvent(kTestModeLeft);
            machine().HandleEvent(kTestModeLeft);
            Reach(c.state);
            form.show();
            if (way == 0) form.close();
            else form.reject();
            EXPECT_EQ(machine().GetState(), c.next);
            EXPECT_EQ(queue(), c.queued);
            EXPECT_EQ(form.isVisible(), c.visible);
        }
    }
    // While the program closes down, the window may go.
    Reach(kTestCancelling);
    form.show();
    link.Dialogue.ClosingDown = true;
    form.close();
    EXPECT_FALSE(form.isVisible());
}

TEST_F(TestMode, EndTestRunsTheTimeOutRowOnlyWhileStartingOrRunning) {
    const struct {
        qint32 state;
        qint32 next;
        const char* queued;
    } cases[] = {
        {kTestIdle, kTestIdle, ""},
        {kTestInitiating, kTestCancelling, "\r\nse -q 0\r\n"},
        {kTestUnderTest, kTestCancelling, "\r\nse -q 0\r\n"},
        {kTestCancelling, kTestCancelling, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.state);
        machine().HandleEvent(kTestModeLeft);
        machine().HandleEvent(kTestModeLeft);
        Reach(c.state);
        distress.DistressModeForm.EndTest();
        EXPECT_EQ(distress.DistressModeForm.GetState(), c.next);
        EXPECT_EQ(queue(), c.queued);
    }
}

TEST_F(TestMode, WindowIsNotShownForATestThatHasAlreadyEnded) {
    QWidget owner;
    // A late INFO 733 and its INFO 803 in one status list: the request to show stays, the test
    // is over.
    machine().HandleEvent(kTestModeEntered);
    machine().HandleEvent(kTestModeLeft);
    distress.DistressModeForm.ShowModal(&owner);
    EXPECT_FALSE(distress.DistressModeForm.WindowLoaded());
    EXPECT_TRUE(owner.isEnabled());
}

}  // namespace
