#pragma once
// A heartbeat in the event loop: the longest gap between two of its beats is the longest time the
// loop was held up.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <algorithm>
#include <functional>

namespace tidepost::bench {

class StallMeter {
public:
    explicit StallMeter(int intervalMs) {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(intervalMs);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            const qint64 now = m_clock.nsecsElapsed();
            m_longest = std::max(m_longest, now - m_last);
            m_last = now;
            if (OnBeat) OnBeat();
        });
    }
    // Starts the beats and the measure afresh.
    void Start() {
        m_last = 0;
        m_longest = 0;
        m_clock.start();
        m_timer.start();
    }
    double LongestMs() const { return double(m_longest) / 1e6; }

    // Runs after each beat has been measured.
    std::function<void()> OnBeat;

private:
    QTimer m_timer;
    QElapsedTimer m_clock;
    qint64 m_last = 0;
    qint64 m_longest = 0;
};

}  // namespace tidepost::bench
