#include <gtest/gtest.h>

#include <functional>
#include <stdexcept>

#include "PollTestWindows.h"
#include "foundation/RuntimeError.h"
#include "link/DialogueEngine.h"
#include "link/DownloadWatchdogs.h"
#include "link/LanLink.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/PeriodicPolls.h"
#include "support/FakeLinkWindow.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

// What a window of a later area may throw while a tick uses it.
enum class Failure { Runtime, Std, Unknown };

[[noreturn]] void Throw(Failure failure) {
    switch (failure) {
    case Failure::Runtime: throw RuntimeError(RuntimeError::kOverflow, "Window", "Overflow");
    case Failure::Std: throw std::runtime_error("out of order");
    case Failure::Unknown: break;
    }
    throw 42;
}

QString LoggedText(Failure failure, const QString& procedure) {
    switch (failure) {
    case Failure::Runtime: return "(" + procedure + ") Error '6': Overflow.";
    case Failure::Std: return "(" + procedure + ") Error '51': out of order.";
    case Failure::Unknown: break;
    }
    return "(" + procedure + ") Error '51': Internal error.";
}

// Every window the ticks talk to fails on the calls each tick makes first.
struct FailingWindow : test::FakeLinkWindow {
    Failure failure = Failure::Runtime;
    void SetLabel1Caption(const QString&) override { Throw(failure); }
    void SetTCUConnBarColor(int) override { Throw(failure); }
    bool IsPleaseWaitVisible() const override { Throw(failure); }
    void SetEGCTimerEnabled(bool) override { Throw(failure); }
    void SetMessageTimerEnabled(bool) override { Throw(failure); }
};

struct FailingPollWindow : test::FakePollWindow {
    Failure failure = Failure::Runtime;
    QString Label11Caption() const override { Throw(failure); }
    bool IsASISFormVisible() const override { Throw(failure); }
};

struct FailingTerminal : test::FakeTerminalWindow {
    Failure failure = Failure::Runtime;
    bool IsVisible() const override { Throw(failure); }
};

struct TickCase {
    const char* name;
    std::function<void(Link&)> tick;
    QString procedure;
};

class TickFailure : public ::testing::TestWithParam<TickCase> {
protected:
    TickFailure() {
        f.gConfiguration.DataPath = platform.DataFolder();
        link.Windows.Window = &window;
        link.Windows.PollWindow = &pollWindow;
        link.Windows.TerminalModeForm = &terminal;
        link.Dialogue.DebugMode = 1;
        link.Dialogue.ClosingDown = true;
    }
    void FailWith(Failure failure) {
        window.failure = pollWindow.failure = terminal.failure = failure;
    }

    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    FailingWindow window;
    FailingPollWindow pollWindow;
    FailingTerminal terminal;
};

TEST_P(TickFailure, IsLoggedUnderTheHandlersNameAndGoesNoFurther) {
    const TickCase& c = GetParam();
    for (Failure failure : {Failure::Runtime, Failure::Std, Failure::Unknown}) {
        FailWith(failure);
        EXPECT_NO_THROW(c.tick(link));
        EXPECT_TRUE(QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt")).contains(LoggedText(failure, c.procedure)))
            << c.procedure.toStdString() << " " << int(failure);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Ticks, TickFailure,
    ::testing::Values(TickCase{"Dialogue", Timer1_Timer, "MainForm.Timer1_Timer"},
                      TickCase{"StatusPoll", Timer2_Timer, "MainForm.Timer2_Timer"},
                      TickCase{"Minute", Timer_60S_Timer, "MainForm.Timer_60S_Timer"},
                      TickCase{"ChangeWatch", EventTimer_Timer, "MainForm.EventTimer_Timer"},
                      TickCase{"Lan", Winsock_timer_Timer, "MainForm.Winsock_timer_Timer"},
                      TickCase{"CloseDown", CloseDownTimer_Timer, "MainForm.CloseDownTimer_Timer"},
                      TickCase{"EgcWatchdog", EGCTimer_Timer, "MainForm.EGCTimer_Timer"},
                      TickCase{"MessageWatchdog", MessageTimer_Timer, "MainForm.MessageTimer_Timer"}),
    [](const auto& info) { return std::string(info.param.name); });

// A failure in the middle of the dialogue's tick still leaves its timer running.
TEST(DialogueTickFailure, TimerIsOnAgainAfterAFailingStep) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    f.gConfiguration.DataPath = platform.DataFolder();
    Link link{f};
    FailingWindow window;
    window.failure = Failure::Unknown;
    link.Windows.Window = &window;
    EXPECT_NO_THROW(Timer1_Timer(link));
    EXPECT_EQ(window.TimerCalls, (QStringList{"Timer1 off", "Timer1 on"}));
}

// A reply handler of a later area that throws something unknown stops neither the rows after it
// nor the dialogue.
TEST(DialogueTickFailure, UnknownFailureOfAReplyHandlerIsLoggedAndTheRowsGoOn) {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    f.gConfiguration.DataPath = platform.DataFolder();
    Link link{f};
    int later = 0;
    link.Dialogue.EchoTerminator = "\r\n";
    link.Dispatch.HandleVersionReply = [](const QString&) { throw 42; };
    link.Dispatch.ClearOutboxAfterMesRestart = [&] { ++later; };
    link.Dialogue.ReplyBuffer = "ver\r\nStarting application program.\r\ncan0:/$ ";
    link.Dialogue.DialogueState = 2;
    EXPECT_NO_THROW(Timer1_Timer(link));
    EXPECT_EQ(later, 1);
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_TRUE(QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt"))
                    .contains("(MainForm.Timer1_Timer) Error '51': Internal error."));
}

}  // namespace
