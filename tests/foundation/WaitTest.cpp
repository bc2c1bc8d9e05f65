#include <gtest/gtest.h>

#include <QTimer>
#include <optional>

#include "foundation/CTimerReplacement.h"
#include "foundation/CWaitNDispatch.h"
#include "foundation/RuntimeError.h"

using tidepost::CTimerReplacement;
using tidepost::CWaitNDispatch;
using tidepost::RuntimeError;

namespace {

TEST(CWaitNDispatch, WaitZeroReturnsAtOnceWithoutOnTimer) {
    CWaitNDispatch w;
    int timers = 0;
    QObject::connect(&w, &CWaitNDispatch::OnTimer, [&] { ++timers; });
    w.Wait(0);
    EXPECT_EQ(timers, 0);
    EXPECT_FALSE(w.IsWaiting());
}

TEST(CWaitNDispatch, ShortWaitLetsEventsRunAndRaisesOnTimer) {
    CWaitNDispatch w;
    int timers = 0;
    bool waitingSeenByHandler = false;
    QObject::connect(&w, &CWaitNDispatch::OnTimer, [&] { ++timers; });
    QTimer::singleShot(0, &w, [&] { waitingSeenByHandler = w.IsWaiting(); });
    w.Wait(5);
    EXPECT_TRUE(waitingSeenByHandler);
    EXPECT_EQ(timers, 1);
    EXPECT_FALSE(w.IsWaiting());
}

TEST(CWaitNDispatch, CancelFromAHandlerEndsTheWait) {
    CWaitNDispatch w;
    int timers = 0;
    QObject::connect(&w, &CWaitNDispatch::OnTimer, [&] { ++timers; });
    QTimer::singleShot(0, &w, [&] { w.Cancel(); });
    w.Wait(600000);
    EXPECT_EQ(timers, 1);
    EXPECT_FALSE(w.IsWaiting());
}

TEST(CWaitNDispatch, CancelWithoutAWaitDoesNothing) {
    CWaitNDispatch w;
    w.Cancel();
    int timers = 0;
    QObject::connect(&w, &CWaitNDispatch::OnTimer, [&] { ++timers; });
    w.Wait(1);  // the earlier Cancel does not end this wait early or twice
    EXPECT_EQ(timers, 1);
}

TEST(CWaitNDispatch, SecondWaitOnTheSameObjectIsRefused) {
    CWaitNDispatch w;
    std::optional<RuntimeError> error;
    QTimer::singleShot(0, &w, [&] {
        try {
            w.Wait(5);
        } catch (const RuntimeError& e) {
            error = e;
        }
        w.Cancel();
    });
    w.Wait(600000);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Number, static_cast<qint32>(0x800403E9));
    EXPECT_EQ(error->Source, "CWaitNDispatch");
    EXPECT_EQ(error->Description,
              "This function is not reentrant. If you want to wait for a second period use a new object");
    EXPECT_FALSE(w.IsWaiting());
}

TEST(CWaitNDispatch, AnotherObjectMayWaitFromAHandler) {
    CWaitNDispatch outer;
    CWaitNDispatch inner;
    int innerTimers = 0;
    QObject::connect(&inner, &CWaitNDispatch::OnTimer, [&] { ++innerTimers; });
    QTimer::singleShot(0, &outer, [&] {
        inner.Wait(1);
        outer.Cancel();
    });
    outer.Wait(600000);
    EXPECT_EQ(innerTimers, 1);
}

TEST(CWaitNDispatch, NegativeTimeIsAnError) {
    CWaitNDispatch w;
    try {
        w.Wait(-1);
        FAIL() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number, RuntimeError::kInvalidArgument);
    }
    EXPECT_FALSE(w.IsWaiting());
}

TEST(CWaitNDispatch, DeletedByAHandlerWhileWaiting) {
    auto* w = new CWaitNDispatch;
    QTimer::singleShot(0, [&] { delete w; });
    w->Wait(600000);  // returns without touching the deleted object
    SUCCEED();
}

TEST(CTimerReplacement, TicksUntilStoppedFromATick) {
    CTimerReplacement t;
    int ticks = 0;
    QObject::connect(&t, &CTimerReplacement::OnTick, [&] {
        if (++ticks == 3) t.StopTimer();
    });
    t.Start(1);
    EXPECT_EQ(ticks, 3);

    // Stopped, it can run again.
    ticks = 0;
    t.Start(1);
    EXPECT_EQ(ticks, 3);
}

TEST(CTimerReplacement, StopDuringAWaitEndsAfterTheNextTick) {
    CTimerReplacement t;
    int ticks = 0;
    QObject::connect(&t, &CTimerReplacement::OnTick, [&] { ++ticks; });
    QTimer::singleShot(0, &t, [&] { t.StopTimer(); });
    t.Start(600000);
    EXPECT_EQ(ticks, 1);
}

TEST(CTimerReplacement, StartWhileRunningIsRefused) {
    CTimerReplacement t;
    std::optional<RuntimeError> error;
    QObject::connect(&t, &CTimerReplacement::OnTick, [&] {
        try {
            t.Start(1);
        } catch (const RuntimeError& e) {
            error = e;
        }
        t.StopTimer();
    });
    t.Start(1);
    ASSERT_TRUE(error.has_value());
    EXPECT_EQ(error->Number, static_cast<qint32>(0x800403F2));
    EXPECT_EQ(error->Description, "");
}

TEST(CTimerReplacement, IntervalBelowOneIsAnError) {
    for (const qint32 interval : {0, -1}) {
        CTimerReplacement t;
        int ticks = 0;
        QObject::connect(&t, &CTimerReplacement::OnTick, [&] { ++ticks; });
        try {
            t.Start(interval);
            FAIL() << "no error for " << interval;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number, RuntimeError::kInvalidArgument);
        }
        EXPECT_EQ(ticks, 0);
    }
}

}  // namespace
