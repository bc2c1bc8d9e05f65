#pragma once
#include <QObject>
#include <memory>

#include "foundation/CWaitNDispatch.h"

namespace tidepost {

// A timer without a window: Start runs waits of the interval one after another, the user
// interface running during each, and raises OnTick after each wait until StopTimer.
class CTimerReplacement : public QObject {
    Q_OBJECT
public:
    // Raised by Start while the timer already runs.
    static constexpr qint32 kErrAlreadyRunning = static_cast<qint32>(0x800403F2);

    explicit CTimerReplacement(QObject* parent = nullptr);
    ~CTimerReplacement() override;

    // Returns only after StopTimer. Throws RuntimeError: kErrAlreadyRunning while running,
    // error 5 for an interval below 1 ms, which would tick without ever letting the user
    // interface run.
    void Start(qint32 intervalMilliseconds);
    // Ends the current wait; Start returns after the tick that follows.
    void StopTimer();

signals:
    void OnTick();

private:
    std::unique_ptr<CWaitNDispatch> m_wait;  // set while running
    bool m_stop = false;
};

}  // namespace tidepost
