#include "foundation/TimerTick.h"

#include "foundation/Foundation.h"

namespace tidepost {

TimerTick::TimerTick(Foundation& f, bool& running) : m_f(f), m_running(running), m_entered(!running) {
    if (!m_entered) return;
    m_running = true;
    ++m_f.TimerTicksRunning;
}

TimerTick::~TimerTick() {
    if (!m_entered) return;
    m_running = false;
    --m_f.TimerTicksRunning;
}

bool InTimerTick(const Foundation& f) { return f.TimerTicksRunning > 0; }

}  // namespace tidepost
