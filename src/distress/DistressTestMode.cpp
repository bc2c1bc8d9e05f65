#include "distress/DistressTestMode.h"

#include <QTimer>

#include "foundation/Foundation.h"
#include "foundation/Screensaver.h"
#include "link/CommandQueue.h"
#include "link/Link.h"

namespace tidepost {

namespace {
constexpr int kInitTimeoutMs = 10000;
constexpr int kTestModeTickMs = 60000;
constexpr int kOnTopMs = 5000;
constexpr quint8 kTestModeTicks = 20;
const QString kTestModeOn = QStringLiteral("se -q 1");
const QString kTestModeOff = QStringLiteral("se -q 0");
}  // namespace

void QueueTestModeCommand(Link& link, bool on) {
    const QString& opposite = on ? kTestModeOff : kTestModeOn;
    WithdrawCommands(link, [&](const QString& line) { return line == opposite; });
    QueueCommand(link, on ? kTestModeOn : kTestModeOff, true, true);
}

DistressTestMode::DistressTestMode(Link& link) : m_link(link) {
    const auto make = [this](const char* name) {
        auto* timer = new QTimer(this);
        timer->setObjectName(name);
        return timer;
    };
    InitTimer = make("InitTimer");
    TestModeTimer = make("TestModeTimer");
    OnTopTimer = make("OnTopTimer");
    OnTopTimer->setInterval(kOnTopMs);
    connect(InitTimer, &QTimer::timeout, this, &DistressTestMode::InitTimer_Timer);
    connect(TestModeTimer, &QTimer::timeout, this, &DistressTestMode::TestModeTimer_Timer);
    connect(OnTopTimer, &QTimer::timeout, this, &DistressTestMode::OnTopTimer_Timer);
}

void DistressTestMode::HandleEvent(int eEvent) {
    qint32 next = m_state;
    switch (m_state) {
    case kTestIdle:
        if (eEvent == kTestStartRequested) {
            SendTestModeOn();
            SetInitTimer(true);
            next = kTestInitiating;
        } else if (eEvent == kTestModeEntered) {
            SetTestModeTimer(true);
            next = kTestUnderTest;
        }
        break;
    case kTestInitiating:
        if (eEvent == kTestModeEntered) {
            SetInitTimer(false);
            SetTestModeTimer(true);
            next = kTestUnderTest;
        } else if (eEvent == kTestModeLeft) {
            SetInitTimer(false);
            Hide();
            next = kTestIdle;
        } else if (eEvent == kTestTimerExpired) {
            SendTestModeOff();
            SetInitTimer(true);
            next = kTestCancelling;
        }
        break;
    case kTestUnderTest:
        if (eEvent == kTestCancelPressed || eEvent == kTestTimerExpired) {
            SendTestModeOff();
            SetTestModeTimer(false);
            SetInitTimer(true);
            next = kTestCancelling;
        } else if (eEvent == kTestModeLeft) {
            SetTestModeTimer(false);
            Hide();
            next = kTestIdle;
        }
        break;
    case kTestCancelling:
        if (eEvent == kTestModeEntered) {
            SetInitTimer(false);
            SetTestModeTimer(true);
            next = kTestUnderTest;
        } else if (eEvent == kTestModeLeft || eEvent == kTestTimerExpired) {
            SetInitTimer(false);
            Hide();
            next = kTestIdle;
        }
        break;
    default: break;
    }
    if (next == m_state) return;
    m_state = next;
    // OnTopTimer runs from the entry into UnderTest to the return to Idle.
    if (m_state == kTestUnderTest) OnTopTimer->start();
    else if (m_state == kTestIdle) OnTopTimer->stop();
    if (ShowTestModeStatus) ShowTestModeStatus(m_state);
}

void DistressTestMode::EndTest() {
    if (m_state == kTestInitiating || m_state == kTestUnderTest) HandleEvent(kTestTimerExpired);
}

void DistressTestMode::SetInitTimer(bool on) {
    if (on) {
        InitTimer->setInterval(kInitTimeoutMs);
        InitTimer->start();
    } else {
        InitTimer->stop();
        InitTimer->setInterval(0);
    }
}

void DistressTestMode::SetTestModeTimer(bool on) {
    if (on) {
        TestModeTimer->setInterval(kTestModeTickMs);
        TestModeTicksLeft = kTestModeTicks;
        TestModeTimer->start();
    } else {
        TestModeTimer->stop();
        TestModeTimer->setInterval(0);
    }
}

void DistressTestMode::SendTestModeOn() { QueueTestModeCommand(m_link, true); }
void DistressTestMode::SendTestModeOff() { QueueTestModeCommand(m_link, false); }

void DistressTestMode::Hide() {
    if (HideWindow) HideWindow();
}

void DistressTestMode::InitTimer_Timer() {
    SetInitTimer(false);
    HandleEvent(kTestTimerExpired);
}

void DistressTestMode::TestModeTimer_Timer() {
    if (TestModeTicksLeft > 0) --TestModeTicksLeft;
    if (TestModeTicksLeft > 0) return;
    TestModeTicksLeft = kTestModeTicks;
    SetTestModeTimer(false);
    HandleEvent(kTestTimerExpired);
}

void DistressTestMode::OnTopTimer_Timer() {
    if (WindowVisible && WindowVisible()) CloseRunningScreenSaver(m_link.F.Os);
}

}  // namespace tidepost
