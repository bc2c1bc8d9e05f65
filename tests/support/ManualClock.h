#pragma once
#include "platform/IClock.h"

namespace tidepost::test {

// A clock that moves only when the test moves it. Wall and monotonic time advance together.
class ManualClock : public IClock {
public:
    explicit ManualClock(QDateTime start = QDateTime(QDate(2012, 7, 3), QTime(9, 5, 0)))
        : m_now(std::move(start)) {}
    QDateTime Now() const override { return m_now; }
    QDateTime NowUtc() const override { return m_now.toUTC(); }
    qint64 MonotonicMs() const override { return m_mono; }

    void Set(const QDateTime& t) { m_now = t; }
    void AdvanceMs(qint64 ms) { m_now = m_now.addMSecs(ms); m_mono += ms; }
    void AdvanceSeconds(double s) { AdvanceMs(static_cast<qint64>(s * 1000)); }

private:
    QDateTime m_now;
    qint64 m_mono = 1'000'000;
};

}  // namespace tidepost::test
