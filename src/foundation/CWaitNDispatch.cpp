#include "foundation/CWaitNDispatch.h"

#include <QEventLoop>
#include <QPointer>
#include <QTimer>

#include "foundation/RuntimeError.h"

namespace tidepost {

CWaitNDispatch::CWaitNDispatch(QObject* parent) : QObject(parent) {}

CWaitNDispatch::~CWaitNDispatch() { Cancel(); }

void CWaitNDispatch::Wait(qint32 waitMilliseconds) {
    if (waitMilliseconds == 0) return;
    if (m_waiting)
        throw RuntimeError(kErrNotReentrant, QStringLiteral("CWaitNDispatch"),
                           QStringLiteral("This function is not reentrant. If you want to wait for a second period "
                                          "use a new object"));
    if (waitMilliseconds < 0)
        throw RuntimeError(RuntimeError::kInvalidArgument, QStringLiteral("CWaitNDispatch"),
                           QStringLiteral("Invalid procedure call or argument"));

    m_waiting = true;
    QEventLoop loop;
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.setTimerType(Qt::PreciseTimer);
    connect(&deadline, &QTimer::timeout, &loop, &QEventLoop::quit);
    m_loop = &loop;
    deadline.start(waitMilliseconds);

    // A handler that runs during the wait may delete this object; its destructor ends the loop.
    const QPointer<CWaitNDispatch> self(this);
    loop.exec(QEventLoop::AllEvents);
    if (!self) return;

    m_loop = nullptr;
    emit OnTimer();
    if (!self) return;
    m_waiting = false;
}

void CWaitNDispatch::Cancel() {
    if (m_loop) m_loop->quit();
}

}  // namespace tidepost
