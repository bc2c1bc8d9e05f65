#pragma once
#include <QObject>
#include <functional>

class QTimer;

namespace tidepost {

struct Link;

// `DistressTestModeState`.
enum DistressTestModeState : qint32 { kTestIdle = 0, kTestInitiating = 1, kTestUnderTest = 2, kTestCancelling = 3 };
// `DistressTestModeEvent`.
enum DistressTestModeEvent : qint32 {
    kTestStartRequested = 0,
    kTestModeEntered = 1,
    kTestCancelPressed = 2,
    kTestModeLeft = 3,
    kTestTimerExpired = 4,
};

// Queues "se -q 1" (on) or "se -q 0" (off) at the front of the command queue. A waiting line of the
// opposite meaning is withdrawn first: whichever was asked last is what the transceiver ends up in.
void QueueTestModeCommand(Link& link, bool on);

// The distress buttons test mode: one state machine fed by the menu, the test window, the "se -q"
// replies, INFO 733 and 803, the loss of the link and its own timers. It lives for the whole run;
// its window only shows what it says (ShowTestModeStatus) and is hidden on every return to Idle.
class DistressTestMode : public QObject {
    Q_OBJECT
public:
    explicit DistressTestMode(Link& link);

    // One transition; a pair of state and event that has no row changes nothing.
    void HandleEvent(int eEvent);
    qint32 GetState() const { return m_state; }
    // Ends a running test as the time-out does: from Initiating or UnderTest "se -q 0" goes out
    // and the machine waits in Cancelling; any other state is left alone.
    void EndTest();

    void InitTimer_Timer();
    void TestModeTimer_Timer();
    void OnTopTimer_Timer();

    quint8 TestModeTicksLeft = 20;
    QTimer* InitTimer = nullptr;
    QTimer* TestModeTimer = nullptr;
    QTimer* OnTopTimer = nullptr;

    // What the window does: show the state's text, and hide (on every return to Idle).
    std::function<void(qint32 state)> ShowTestModeStatus;
    std::function<void()> HideWindow;
    // Whether the window is shown now (for OnTopTimer).
    std::function<bool()> WindowVisible;

private:
    void SetInitTimer(bool on);
    void SetTestModeTimer(bool on);
    void SendTestModeOn();
    void SendTestModeOff();
    void Hide();

    Link& m_link;
    qint32 m_state = kTestIdle;
};

}  // namespace tidepost
