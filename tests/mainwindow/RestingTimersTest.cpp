// The main window's timers that have nothing to do rest, and the call that brings their work
// starts them again; the timers that keep the transceiver's periods never rest.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <functional>

#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "foundation/MessageBoxQueue.h"
#include "link/CommandQueue.h"
#include "link/Link.h"
#include "link/LinkLoss.h"
#include "link/PeriodicPolls.h"
#include "link/SerialLink.h"
#include "mainwindow/MainForm.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {

struct RestingTimers : ::testing::Test {
    test::TestPlatform platform;
    Foundation f{platform.Os};
    Link link{f};
    MainForm form{f, link};

    RestingTimers() {
        f.gConfiguration.DataPath = platform.DataFolder();
        // The clock question is answered, so that the event timer has nothing waiting.
        SetIniValue(f, "[SETPCTIME]", "No", false);
        SetIniValue(f, "[HOST Interface]", "COM", false);
    }
    QTimer* Timer(const char* name) { return form.findChild<QTimer*>(name); }
    bool Active(const char* name) { return Timer(name)->isActive(); }
    // Fires the timer's tick as the event loop would.
    void Fire(const char* name) { ASSERT_TRUE(QMetaObject::invokeMethod(Timer(name), "timeout")); }
    // Switches the program's timers on and lets each of `names` tick once with nothing to do.
    void RunIdle(std::initializer_list<const char*> names) {
        form.EnableTimers(true);
        form.SetEventTimerEnabled(true);
        form.SetWinsockTimerEnabled(true);
        for (const char* name : names) Fire(name);
    }
};

// Each way work reaches the dialogue starts Timer1, EventTimer and Winsock_timer at once.
struct WorkCase {
    const char* what;
    std::function<void(RestingTimers&)> bring;
};

class DialogueWork : public RestingTimers, public ::testing::WithParamInterface<WorkCase> {};

TEST_P(DialogueWork, StartsTheRestingDialogueTimersInTheSameCall) {
    RunIdle({"Timer1", "EventTimer", "Winsock_timer"});
    for (const char* name : {"Timer1", "EventTimer", "Winsock_timer"}) ASSERT_FALSE(Active(name)) << name;
    GetParam().bring(*this);
    for (const char* name : {"Timer1", "EventTimer", "Winsock_timer"}) EXPECT_TRUE(Active(name)) << name;
}

INSTANTIATE_TEST_SUITE_P(
    Arrivals, DialogueWork,
    ::testing::Values(WorkCase{"queued command", [](RestingTimers& t) { QueueCommand(t.link, "st -l", false, false); }},
                      WorkCase{"answer at the head", [](RestingTimers& t) { PutAnswerAtHead(t.link, "y"); }},
                      WorkCase{"terminal mode asked for", [](RestingTimers& t) { EnterTerminalMode(t.link); }},
                      WorkCase{"reply bytes on the serial port",
                               [](RestingTimers& t) {
                                   AttachSerialLink(t.link);
                                   t.platform.Serial.Open();
                                   t.platform.Serial.SetRThreshold(1);
                                   t.platform.Serial.PushIncoming("INFO 7\r\n");
                               }},
                      WorkCase{"debug display switched on", [](RestingTimers& t) { t.form.OnMenu_Click(); }}),
    [](const auto& info) {
        QString name = info.param.what;
        name.replace(' ', '_');
        return name.toStdString();
    });

// A command awaiting its reply on the serial port: the port's receive event announces the
// reply, so Timer1 rests on the reply's time-out instead of polling an empty port.
TEST_F(RestingTimers, AQuietWaitForAReplyRestsOnItsTimeOut) {
    AttachSerialLink(link);
    platform.Serial.Open();
    form.EnableTimers(true);
    QueueCommand(link, "ver", false, false);
    Fire("Timer1");
    ASSERT_EQ(link.Dialogue.DialogueState, 1) << "the command went out";
    EXPECT_FALSE(Active("Timer1"));
    ASSERT_TRUE(Active("ReplyTimeOutTimer"));
    EXPECT_EQ(Timer("ReplyTimeOutTimer")->interval(), link.Dialogue.CommandTimeOut * 1000 + 1);

    // The transceiver stays silent: the time-out ends the wait as Timer1's tick would.
    platform.Clock.AdvanceMs(qint64(link.Dialogue.CommandTimeOut) * 1000 + 1);
    Fire("ReplyTimeOutTimer");
    EXPECT_EQ(link.Dialogue.DialogueState, 2) << "the link is lost and the cut reply dispatched next";
    EXPECT_FALSE(f.gSession.MesConnected());
    EXPECT_TRUE(Active("Timer1"));
    Fire("Timer1");  // the cut reply is dispatched
    Fire("Timer1");  // idle, nothing queued
    EXPECT_FALSE(Active("Timer1"));
    EXPECT_FALSE(Active("ReplyTimeOutTimer"));
    EXPECT_EQ(Timer("Timer1")->interval(), 60);
}

TEST_F(RestingTimers, TheReplysFirstTextWakesTimer1AndEndsTheQuietWait) {
    AttachSerialLink(link);
    platform.Serial.Open();
    form.EnableTimers(true);
    QueueCommand(link, "ver", false, false);
    Fire("Timer1");
    ASSERT_FALSE(Active("Timer1"));
    platform.Serial.PushIncoming("ver\r\nVersion 1\r\ncan0:/$ ");
    EXPECT_TRUE(Active("Timer1"));
    EXPECT_FALSE(Active("ReplyTimeOutTimer"));
    Fire("Timer1");
    EXPECT_TRUE(Active("Timer1")) << "text received: the end of the reply is polled for";
    Fire("Timer1");
    Fire("Timer1");
    EXPECT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_TRUE(f.gSession.MesConnected());
}

// After the reply the dialogue takes one idle step before it rests: the engine shows itself idle
// and the port listens again, so that a notification the transceiver sends unasked wakes it.
TEST_F(RestingTimers, AfterAReplyOneIdleStepArmsThePortBeforeTimer1Rests) {
    AttachSerialLink(link);
    platform.Serial.Open();
    form.EnableTimers(true);
    QueueCommand(link, "ver", false, false);
    Fire("Timer1");
    platform.Serial.PushIncoming("ver\r\nVersion 1\r\ncan0:/$ ");
    for (int tick = 0; tick < 10 && link.Dialogue.DialogueState != 0; ++tick) Fire("Timer1");
    ASSERT_EQ(link.Dialogue.DialogueState, 0);
    EXPECT_TRUE(Active("Timer1")) << "the idle step is still due";
    Fire("Timer1");
    EXPECT_FALSE(Active("Timer1"));
    EXPECT_EQ(form.findChild<QLabel*>("Label1")->text(), "Idle");
    EXPECT_EQ(link.Dialogue.ReceiveThreshold, 1);

    platform.Serial.PushIncoming("INFO 20\r\n");
    EXPECT_TRUE(Active("Timer1")) << "text sent unasked wakes the dialogue";
}

// Where the reply's text comes unannounced, Timer1 keeps polling through the wait.
struct PolledWait {
    const char* name;
    std::function<void(RestingTimers&)> set;
};

class PolledWaits : public RestingTimers, public ::testing::WithParamInterface<PolledWait> {};

TEST_P(PolledWaits, KeepTimer1Ticking) {
    AttachSerialLink(link);
    platform.Serial.Open();
    form.EnableTimers(true);
    GetParam().set(*this);
    QueueCommand(link, "ver", false, false);
    Fire("Timer1");
    ASSERT_EQ(link.Dialogue.DialogueState, 1);
    EXPECT_TRUE(Active("Timer1"));
    EXPECT_FALSE(Active("ReplyTimeOutTimer"));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, PolledWaits,
    ::testing::Values(PolledWait{"SocketCarriesTheDialogue",
                                 [](RestingTimers& t) {
                                     t.platform.Socket.CompleteConnect();
                                     t.f.gSession.LanConnected = true;
                                 }},
                      PolledWait{"DebugDisplay", [](RestingTimers& t) { t.link.Dialogue.DebugMode = -1; }},
                      PolledWait{"NobodyListensToThePort", [](RestingTimers& t) { t.platform.Serial.OnComm = nullptr; }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RestingTimers, TheEventTimerWaitsOnForTheClockQuestionAndAChangedTransceiver) {
    RunIdle({"EventTimer"});
    EXPECT_FALSE(Active("EventTimer"));

    // Another transceiver answered during an exchange: the timer runs on until a tick has taken
    // it in, whether or not the exchange is still going.
    QueueCommand(link, "st -v", false, false);
    f.gSession.SetPCBNumber("PCB 4711");
    link.Dialogue.CommandQueue.clear();
    ASSERT_TRUE(EventTimerHasWork(link));
    Fire("EventTimer");
    EXPECT_FALSE(EventTimerHasWork(link)) << "taken in";
    Fire("EventTimer");
    EXPECT_FALSE(Active("EventTimer"));

    // The first-run question about the PC clock keeps it asking until it is answered.
    QueueCommand(link, "st -l", false, false);
    link.Dialogue.CommandQueue.clear();
    SetIniValue(f, "[SETPCTIME]", "", false);
    for (int i = 0; i < 3; ++i) Fire("EventTimer");
    EXPECT_TRUE(Active("EventTimer")) << "the clock question is unanswered";
    SetIniValue(f, "[SETPCTIME]", "Yes", false);
    Fire("EventTimer");
    EXPECT_FALSE(Active("EventTimer"));
}

TEST_F(RestingTimers, TheLanTimerRunsWhileItSearchesOrCountsAndRestsWhileTheTransceiverAnswers) {
    RunIdle({"Winsock_timer"});
    EXPECT_FALSE(Active("Winsock_timer")) << "serial link, no TCU indicator counting";

    // A TCU prompt on the serial link: the indicator's countdown keeps it going to its end.
    QueueCommand(link, "st -l", false, false);
    link.Dialogue.CommandQueue.clear();
    f.gSession.ConnectedToTCU_Via_Com = true;
    int ticks = 0;
    while (Active("Winsock_timer") && ticks < 100) {
        Fire("Winsock_timer");
        ++ticks;
    }
    EXPECT_EQ(ticks, 21) << "the indicator's 10 s of 500-ms ticks, then the one that paints it red";

    // On the LAN with no unit found the search goes on.
    SetIniValue(f, "[HOST Interface]", "LAN", false);
    form.SetWinsockTimerEnabled(true);
    for (int i = 0; i < 12; ++i) Fire("Winsock_timer");
    EXPECT_TRUE(Active("Winsock_timer"));

    // A supervised link whose transceiver answers: nothing to do until the dialogue loses it.
    link.Lan.LanLinkState = 5;
    f.gSession.SetMesConnected(true);
    Fire("Winsock_timer");
    EXPECT_FALSE(Active("Winsock_timer"));
    QueueCommand(link, "st -l", false, false);
    ConnectionLost(link);
    link.Dialogue.CommandQueue.clear();
    Fire("Winsock_timer");
    EXPECT_TRUE(Active("Winsock_timer")) << "the lost link is probed";
    EXPECT_EQ(link.Lan.LanLinkState, 6);
}

TEST_F(RestingTimers, TheMessageBoxTimerRestsOnAnEmptyQueueAndAQueuedTextWakesIt) {
    RunIdle({"MBoxTimer"});
    EXPECT_FALSE(Active("MBoxTimer"));
    QueueMessageBox(f, "first");
    EXPECT_TRUE(Active("MBoxTimer"));
    EXPECT_EQ(Timer("MBoxTimer")->interval(), 300);
    Fire("MBoxTimer");
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_FALSE(Active("MBoxTimer"));
    ErrorQueue(f).EnqueueFirst("again");
    EXPECT_TRUE(Active("MBoxTimer"));

    // Switched off, a queued text does not start it.
    form.EnableTimers(false);
    QueueMessageBox(f, "second");
    EXPECT_FALSE(Active("MBoxTimer"));
}

TEST_F(RestingTimers, TheStatusStripTicksOnceWhenSomethingItShowsMayHaveChanged) {
    form.show();
    RunIdle({"GUITimer"});
    EXPECT_FALSE(Active("GUITimer")) << "the strip shows what there is";

    // The transceiver starts to answer: the engine's next tick sees it and wakes the strip.
    f.gSession.SetMesConnected(true);
    platform.Serial.Open();
    Fire("Timer1");
    EXPECT_TRUE(Active("GUITimer"));
    Fire("GUITimer");
    EXPECT_EQ(form.findChild<QProgressBar*>("PCConnBar")->property("FillColor").toInt(), 65280);
    EXPECT_FALSE(Active("GUITimer"));

    // A queued command wakes it; sending the line and waiting for the reply do not.
    QueueCommand(link, "st -l", false, false);
    EXPECT_TRUE(Active("GUITimer"));
    Fire("GUITimer");
    Fire("Timer1");
    ASSERT_EQ(link.Dialogue.DialogueState, 1) << "the line went out";
    Fire("Timer1");
    EXPECT_FALSE(Active("GUITimer"));
    // The reply's time-out loses the transceiver: that wakes it.
    platform.Clock.AdvanceMs(qint64(link.Dialogue.CommandTimeOut) * 1000 + 100);
    Fire("Timer1");
    EXPECT_TRUE(Active("GUITimer"));
    Fire("GUITimer");
    EXPECT_EQ(form.findChild<QProgressBar*>("PCConnBar")->property("FillColor").toInt(), 255);
    Fire("Timer1");  // the cut reply is dealt with: the dialogue is back at idle
    EXPECT_TRUE(Active("GUITimer"));
    Fire("GUITimer");
    ASSERT_FALSE(Active("GUITimer"));

    // A key the user types may change what the strip shows (a selection, the Edit menu).
    QKeyEvent key(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, "a");
    QCoreApplication::sendEvent(&form, &key);
    EXPECT_TRUE(Active("GUITimer"));

    // Hidden, it rests and nothing wakes it; shown again, it ticks.
    form.hide();
    Fire("GUITimer");
    QueueCommand(link, "st -i", false, false);
    EXPECT_FALSE(Active("GUITimer"));
    form.show();
    EXPECT_TRUE(Active("GUITimer"));
}

TEST_F(RestingTimers, TheBusyBarTicksOnlyWhileTheBusyWindowIsShown) {
    RunIdle({"ProgressTimer"});
    EXPECT_FALSE(Active("ProgressTimer"));
    form.ShowPleaseWait("Closing...");
    EXPECT_TRUE(Active("ProgressTimer"));
    Fire("ProgressTimer");
    EXPECT_TRUE(Active("ProgressTimer"));
    form.HidePleaseWait();
    Fire("ProgressTimer");
    EXPECT_FALSE(Active("ProgressTimer"));
}

TEST_F(RestingTimers, TheDistressTestWindowTimerWakesOnTheAskAndRestsWhenItIsDone) {
    EXPECT_FALSE(Active("DistressButtonsTestWindowTimer"));
    for (int ask = 0; ask < 2; ++ask) {
        form.ShowDistressButtonsTestWindow();
        EXPECT_TRUE(Active("DistressButtonsTestWindowTimer")) << ask;
        EXPECT_EQ(Timer("DistressButtonsTestWindowTimer")->interval(), 100);
        Fire("DistressButtonsTestWindowTimer");
        EXPECT_FALSE(form.bShowDistressButtonsTestWindow);
        EXPECT_FALSE(Active("DistressButtonsTestWindowTimer")) << ask;
    }
}

// The status poll and the one-minute duties keep their periods whether or not the transceiver
// answers; a running download's watchdog keeps its count.
TEST_F(RestingTimers, ThePeriodicDutiesNeverRest) {
    RunIdle({"Timer2", "Timer_60S"});
    link.Dialogue.CommandQueue.clear();
    Fire("Timer1");
    ASSERT_FALSE(Active("Timer1"));
    for (const char* name : {"Timer2", "Timer_60S"}) EXPECT_TRUE(Active(name)) << name;
    EXPECT_EQ(Timer("Timer2")->interval(), 10000);
    EXPECT_EQ(Timer("Timer_60S")->interval(), 60000);

    form.SetEGCTimerEnabled(true);
    const int watchdog = Timer("EGCTimer")->timerId();
    QueueCommand(link, "st -e", false, false);
    Fire("Timer1");
    EXPECT_EQ(Timer("EGCTimer")->timerId(), watchdog) << "work for the dialogue leaves the watchdog's count alone";
}

TEST_F(RestingTimers, ASwitchedOffTimerIsNotStartedByWork) {
    RunIdle({"Timer1", "EventTimer", "Winsock_timer"});
    form.EnableTimers(false);
    form.SetEventTimerEnabled(false);
    form.SetWinsockTimerEnabled(false);
    QueueCommand(link, "st -l", false, false);
    for (const char* name : {"Timer1", "EventTimer", "Winsock_timer", "GUITimer"}) EXPECT_FALSE(Active(name)) << name;
}

// Counts the paint events a widget gets.
struct PaintCounter : QObject {
    int Paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++Paints;
        return false;
    }
};

// The activity label changes with every step of the dialogue; the window behind it is not
// repainted for that.
TEST_F(RestingTimers, AnActivityChangeRepaintsOnlyItsLabel) {
    form.show();
    QCoreApplication::processEvents();
    auto* label = form.findChild<QLabel*>("Label1");
    ASSERT_NE(label, nullptr);
    PaintCounter window, area, own;
    form.installEventFilter(&window);
    label->parentWidget()->installEventFilter(&area);
    label->installEventFilter(&own);
    for (const char* activity : {"Receiving", "Processing", "Idle"}) {
        form.SetLabel1Caption(activity);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(own.Paints, 3);
    EXPECT_EQ(area.Paints, 0);
    EXPECT_EQ(window.Paints, 0);
}

}  // namespace
