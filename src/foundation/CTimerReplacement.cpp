#include "foundation/CTimerReplacement.h"

#include <QPointer>

#include "foundation/RuntimeError.h"

namespace tidepost {

CTimerReplacement::CTimerReplacement(QObject* parent) : QObject(parent) {}

CTimerReplacement::~CTimerReplacement() = default;

void CTimerReplacement::Start(qint32 intervalMilliseconds) {
    if (m_wait) throw RuntimeError(kErrAlreadyRunning, QStringLiteral("CTimerReplacement"), QString());
    if (intervalMilliseconds < 1)
        throw RuntimeError(RuntimeError::kInvalidArgument, QStringLiteral("CTimerReplacement"),
                           QStringLiteral("Invalid procedure call or argument"));

    m_wait = std::make_unique<CWaitNDispatch>();
    m_stop = false;
    const QPointer<CTimerReplacement> self(this);

    // Stops the timer however Start is left, so a failing tick handler does not leave it
    // marked as running; a handler may also have deleted this object meanwhile.
    struct Stopper {
        const QPointer<CTimerReplacement>& timer;
        ~Stopper() {
            if (!timer) return;
            timer->m_stop = false;
            timer->m_wait.reset();
        }
    } stopper{self};

    while (!m_stop) {
        m_wait->Wait(intervalMilliseconds);
        if (!self) return;
        emit OnTick();
        if (!self) return;
    }
}

void CTimerReplacement::StopTimer() {
    m_stop = true;
    if (m_wait) m_wait->Cancel();
}

}  // namespace tidepost
