#pragma once
#include <utility>

namespace tidepost {

struct Foundation;

// One tick of a periodic timer. A modal box or dialog opened inside a tick runs its own event
// loop, in which the same timer fires again; `running` is that timer's own flag, so such a tick
// is skipped instead of nesting without end. While any tick runs, file errors are queued for the
// main window's message timer rather than shown in a modal box (FileErrorBox.h).
class TimerTick {
public:
    TimerTick(Foundation& f, bool& running);
    ~TimerTick();
    TimerTick(const TimerTick&) = delete;
    TimerTick& operator=(const TimerTick&) = delete;
    // False when the timer's previous tick is still running: this one does nothing.
    bool Entered() const { return m_entered; }

private:
    Foundation& m_f;
    bool& m_running;
    bool m_entered;
};

// Runs `step` as one tick of the timer whose flag is `running`, unless its previous tick still runs.
template <typename Step>
void RunTimerTick(Foundation& f, bool& running, Step&& step) {
    const TimerTick tick(f, running);
    if (tick.Entered()) std::forward<Step>(step)();
}

// Whether a timer tick is running now (file errors are then queued, not shown at once).
bool InTimerTick(const Foundation& f);

}  // namespace tidepost
