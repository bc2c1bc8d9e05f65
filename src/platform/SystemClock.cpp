#include "platform/SystemClock.h"

#include <QElapsedTimer>

namespace tidepost {

QDateTime SystemClock::Now() const { return QDateTime::currentDateTime(); }
QDateTime SystemClock::NowUtc() const { return QDateTime::currentDateTimeUtc(); }

qint64 SystemClock::MonotonicMs() const {
    static const QElapsedTimer start = [] { QElapsedTimer t; t.start(); return t; }();
    return start.elapsed();
}

}  // namespace tidepost
