// What the main window's timers cost while nobody uses the program, in processor time per minute.
// The real main window is loaded and shown with the real adapters, and its timers run as they do
// in the program: Timer1 60 ms, EventTimer 100 ms, Winsock_timer 500 ms, Timer2 10 s, the
// one-minute Timer_60S and MessageTimer, and the window's own timers (GUITimer 100 ms for the
// status strip, ProgressTimer 100 ms for the busy bar, DistressButtonsTestWindowTimer 100 ms,
// MBoxTimer 300 ms); those with nothing to do rest until work arrives. The bare timers are the
// nine of the periods the goal was set against. The far side (a simulated transceiver on a
// pseudo-terminal, or an SLP responder) runs in a thread of its own, whose processor time is
// taken out of the process's.
//
// After a settling time for the start-up's own exchange, the process's processor time is read over
// one whole Timer2 period (so the window holds exactly one status poll and its replies) and scaled
// to a minute; the one tick of Timer_60S a minute brings is added as measured alone. Figures:
// CpuMsPerMinute, CoreFraction (of one core), and RatioToBareTimers: against the same event loop
// running timers of the same periods that do nothing, measured in the same run. GuiTickUs is the
// cost of one status-strip tick, taken alone; LongestStallMs the longest the event loop was held
// up (< 50: a heartbeat of 10 ms, in a window after the measured one, so that its own wake-ups do
// not count); TimerWakeUpsPerMinute and TimersTicking: the main window's timers that ticked in the
// measured window; the label names each with its wake-ups in that window. BareTimerWakeUpsPerMinute:
// those of the bare timers, which all tick.
#include <benchmark/benchmark.h>

#include <QTimer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "BenchApplication.h"
#include "BenchProgram.h"
#include "StallMeter.h"

using namespace tidepost;
using namespace tidepost::bench;

namespace {

constexpr qint64 kSettleMs = 4000;
constexpr qint64 kWindowMs = 10000;  // one period of Timer2
constexpr qint64 kBareWindowMs = 3000;
constexpr qint64 kStallWindowMs = 3000;
constexpr double kMinuteMs = 60000.0;
constexpr int kGuiTicks = 2000;
constexpr double kMaxStallMs = 50.0;

struct BareFigures {
    double CpuMsPerMinute = 0;
    double WakeUpsPerMinute = 0;
};

// The same event loop with timers of the program's periods that do nothing, in CPU ms per minute.
BareFigures BareTimers() {
    std::vector<std::unique_ptr<QTimer>> timers;
    int ticks = 0;
    for (const int period : {60, 100, 100, 100, 100, 500, 10000, 60000, 60000}) {
        auto timer = std::make_unique<QTimer>();
        timer->setInterval(period);
        QObject::connect(timer.get(), &QTimer::timeout, [&ticks] { ++ticks; });
        timer->start();
        timers.push_back(std::move(timer));
    }
    const double before = ProcessCpuMs();
    RunFor(kBareWindowMs);
    const double spent = ProcessCpuMs() - before;
    benchmark::DoNotOptimize(ticks);
    return {spent * kMinuteMs / double(kBareWindowMs), double(ticks) * kMinuteMs / double(kBareWindowMs)};
}

struct IdleFigures {
    double CpuMsPerMinute = 0;
    int Timer2Ticks = 0;     // in the measured window
    bool Settled = false;    // the start-up's exchange was over before the window
    bool Answering = false;  // the transceiver was connected at its end
    int BoxesShown = 0;
    double GuiTickUs = 0;
    double LongestStallMs = 0;
    double WakeUpsPerMinute = 0;  // of the main window's timers
    int Timers = 0;               // of them that ticked
    std::string Ticking;          // "name=wake-ups ..." of the measured window
    double WithHeartbeatCpuMsPerMinute = 0;  // the same with the heartbeat beating
};

IdleFigures MeasureIdleProgram(Far far) {
    IdleFigures figures;
    Program p(far);
    int ticks = 0;
    if (QTimer* timer2 = p.form->findChild<QTimer*>("Timer2"))
        QObject::connect(timer2, &QTimer::timeout, [&ticks] { ++ticks; });

    RunFor(kSettleMs);
    figures.Settled = p.link.Dialogue.CommandQueue.isEmpty() && p.link.Dialogue.DialogueState == 0;
    ticks = 0;

    // The wake-ups of the program's own timers, counted over the measured window.
    std::map<QString, int> wakeUps;
    for (QTimer* timer : p.form->findChildren<QTimer*>())
        QObject::connect(timer, &QTimer::timeout, [&wakeUps, timer] { ++wakeUps[timer->objectName()]; });

    // The heartbeat's own wake-ups would count as the program's: it beats in a window of its own.
    const double processBefore = ProcessCpuMs();
    const double peerBefore = p.peer->CpuMsSoFar();
    RunFor(kWindowMs);
    const double processSpent = ProcessCpuMs() - processBefore;
    const double peerSpent = p.peer->CpuMsSoFar() - peerBefore;
    figures.Timer2Ticks = ticks;
    figures.Answering = p.f.gSession.MesConnected();
    for (const auto& [name, count] : wakeUps) {
        figures.WakeUpsPerMinute += double(count) * kMinuteMs / double(kWindowMs);
        figures.Ticking += (figures.Ticking.empty() ? "" : " ") + name.toStdString() + "=" + std::to_string(count);
    }
    figures.Timers = int(wakeUps.size());

    StallMeter beat(10);
    beat.Start();
    const double beatBefore = ProcessCpuMs() - p.peer->CpuMsSoFar();
    RunFor(kStallWindowMs);
    figures.LongestStallMs = beat.LongestMs();
    figures.WithHeartbeatCpuMsPerMinute =
        (ProcessCpuMs() - p.peer->CpuMsSoFar() - beatBefore) * kMinuteMs / double(kStallWindowMs);

    const double minuteTickBefore = ProcessCpuMs();
    p.form->Timer_60S_Timer();
    const double minuteTick = ProcessCpuMs() - minuteTickBefore;

    figures.CpuMsPerMinute = (processSpent - peerSpent) * kMinuteMs / double(kWindowMs) + minuteTick;

    const double guiBefore = ProcessCpuMs();
    for (int i = 0; i < kGuiTicks; ++i) p.form->GUITimer_Timer();
    figures.GuiTickUs = (ProcessCpuMs() - guiBefore) * 1000.0 / kGuiTicks;
    figures.BoxesShown = p.boxes.Shown;
    return figures;
}

void IdleTimers(benchmark::State& state, Far far) {
    bench::Application();
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("an earlier benchmark created an application without windows; run this one alone");
        return;
    }
    IdleFigures idle;
    BareFigures bare;
    for (auto _ : state) {
        idle = MeasureIdleProgram(far);
        // With the program gone, so that its timers and far side do not count.
        bare = BareTimers();
    }
    const double bareMsPerMinute = bare.CpuMsPerMinute;
    if (far == Far::TransceiverAnswering && (!idle.Settled || !idle.Answering))
        state.SkipWithError("the simulated transceiver did not settle into an idle dialogue");
    if (idle.Timer2Ticks != 1) state.SkipWithError("the window did not hold exactly one tick of Timer2");
    if (idle.LongestStallMs > kMaxStallMs) state.SkipWithError("the event loop was held up for more than 50 ms");
    state.counters["CpuMsPerMinute"] = idle.CpuMsPerMinute;
    state.counters["CoreFraction"] = idle.CpuMsPerMinute / kMinuteMs;
    state.counters["FractionOfGoal0.3Percent"] = idle.CpuMsPerMinute / kMinuteMs / 0.003;
    state.counters["BareTimersCpuMsPerMinute"] = bareMsPerMinute;
    state.counters["RatioToBareTimers"] = bareMsPerMinute > 0 ? idle.CpuMsPerMinute / bareMsPerMinute : 0;
    state.counters["BoxesShown"] = idle.BoxesShown;
    state.counters["GuiTickUs"] = idle.GuiTickUs;
    state.counters["LongestStallMs"] = idle.LongestStallMs;
    state.counters["TimerWakeUpsPerMinute"] = idle.WakeUpsPerMinute;
    state.counters["TimersTicking"] = idle.Timers;
    state.counters["BareTimerWakeUpsPerMinute"] = bare.WakeUpsPerMinute;
    state.SetLabel(idle.Ticking);
    state.counters["WithHeartbeatCpuMsPerMinute"] = idle.WithHeartbeatCpuMsPerMinute;
}

// The transceiver answers every poll: the usual state of a running program.
void IdleTimersTransceiverAnswering(benchmark::State& state) { IdleTimers(state, Far::TransceiverAnswering); }
BENCHMARK(IdleTimersTransceiverAnswering)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The transceiver is switched off: every command times out and Timer2 reopens the port.
void IdleTimersTransceiverSilent(benchmark::State& state) { IdleTimers(state, Far::TransceiverSilent); }
BENCHMARK(IdleTimersTransceiverSilent)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// LAN interface with no unit on the network: Winsock_timer searches for one every 5 s.
void IdleTimersNoUnitOnTheNetwork(benchmark::State& state) { IdleTimers(state, Far::NoUnitOnTheNetwork); }
BENCHMARK(IdleTimersNoUnitOnTheNetwork)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
