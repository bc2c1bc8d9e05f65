#pragma once
#include <QObject>

class QEventLoop;

namespace tidepost {

// Waits for a time while the user interface keeps running (timers, clicks and paints are
// handled during the wait). One wait at a time per object; Cancel ends it early.
class CWaitNDispatch : public QObject {
    Q_OBJECT
public:
    // Raised by a second Wait on an object whose wait is still running.
    static constexpr qint32 kErrNotReentrant = static_cast<qint32>(0x800403E9);

    explicit CWaitNDispatch(QObject* parent = nullptr);
    ~CWaitNDispatch() override;

    // True from the start of Wait until it has raised OnTimer.
    bool IsWaiting() const { return m_waiting; }
    // Returns after waitMilliseconds or after Cancel, then raises OnTimer; 0 returns at once
    // without OnTimer. Throws RuntimeError: kErrNotReentrant while a wait runs, error 5 for a
    // negative time.
    void Wait(qint32 waitMilliseconds);
    // Ends the running wait; nothing when none runs.
    void Cancel();

signals:
    void OnTimer();

private:
    bool m_waiting = false;
    QEventLoop* m_loop = nullptr;  // the running wait's loop
};

}  // namespace tidepost
