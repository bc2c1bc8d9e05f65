#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "foundation/FileErrorBox.h"
#include "foundation/Foundation.h"
#include "foundation/TimerTick.h"
#include "foundation/cErrorQueue.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct TimerTickTest : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
};

// A tick that opens a window with its own event loop gets the same timer's next ticks inside it;
// those are skipped, while other timers go on ticking.
TEST_F(TimerTickTest, TickIsNotReenteredWhileItRuns) {
    bool eventTimer = false;
    bool pollTimer = false;
    int eventTicks = 0;
    int pollTicks = 0;
    const auto pollTick = [&] { RunTimerTick(f, pollTimer, [&] { ++pollTicks; }); };
    std::function<void()> eventTick = [&] {
        RunTimerTick(f, eventTimer, [&] {
            ++eventTicks;
            // What the nested event loop of a modal window delivers.
            eventTick();
            eventTick();
            pollTick();
            EXPECT_TRUE(InTimerTick(f));
        });
    };
    eventTick();
    EXPECT_EQ(eventTicks, 1);
    EXPECT_EQ(pollTicks, 1);
    EXPECT_FALSE(InTimerTick(f));

    // Once the tick has ended the timer ticks again.
    eventTick();
    EXPECT_EQ(eventTicks, 2);
}

TEST_F(TimerTickTest, FileErrorBoxIsQueuedInsideATickAndShownOutside) {
    bool timer = false;
    RunTimerTick(f, timer, [&] { ShowFileErrorBox(f, "CheckDirExists", 70, "Permission denied", "/x"); });
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    ASSERT_TRUE(f.gErrorQueue);
    ASSERT_EQ(f.gErrorQueue->Count(), 1);
    EXPECT_TRUE(f.gErrorQueue->Dequeue().toString().startsWith("(CheckDirExists) Error '70': Permission denied.\r\n"));

    ShowFileErrorBox(f, "CheckDirExists", 70, "Permission denied", "/x");
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].title, "Error 70");
    EXPECT_EQ(f.gErrorQueue->Count(), 0);
}

TEST_F(TimerTickTest, TickThatThrowsLeavesTheTimerUsable) {
    bool timer = false;
    EXPECT_THROW(RunTimerTick(f, timer, [] { throw std::runtime_error("x"); }), std::runtime_error);
    EXPECT_FALSE(timer);
    EXPECT_FALSE(InTimerTick(f));
    int ticks = 0;
    RunTimerTick(f, timer, [&] { ++ticks; });
    EXPECT_EQ(ticks, 1);
}

}  // namespace
