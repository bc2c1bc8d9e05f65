// What the event loop does right after the start-up: the real main window starts against a
// simulated transceiver on a pseudo-terminal, and from the return of its load through the next
// 2 s a 10 ms heartbeat records the longest gap between its ticks (the splash goes, the first
// commands are exchanged, the queued texts are shown meanwhile). Figures: LongestStallMs (< 50:
// nothing waits with the event loop held, as the splash's second once did), BaselineStallMs (the
// same heartbeat with the event loop idle, in the same run) and RatioToBaseline; SplashHidden is 1
// when the splash had gone by the end.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QTimer>
#include <algorithm>

#include "BenchApplication.h"
#include "BenchProgram.h"
#include "StallMeter.h"
#include "mainwindow/ShellWindows.h"

using namespace tidepost;
using namespace tidepost::bench;

namespace {

constexpr qint64 kStretchMs = 2000;

void StartUpStall(benchmark::State& state) {
    bench::Application();
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("an earlier benchmark created an application without windows; run this one alone");
        return;
    }
    double stall = 0;
    double baseline = 0;
    bool splashHidden = true;
    for (auto _ : state) {
        {
            Program p(Far::TransceiverAnswering);
            StallMeter beat(10);
            beat.Start();
            RunFor(kStretchMs);
            stall = std::max(stall, beat.LongestMs());
            const auto& splash = p.form->Shell().Splash;
            splashHidden = splashHidden && !(splash.isLoaded() && splash.loaded()->isVisible());
        }
        StallMeter idle(10);
        idle.Start();
        RunFor(kStretchMs);
        baseline = std::max(baseline, idle.LongestMs());
    }
    state.counters["LongestStallMs"] = double(stall);
    state.counters["BaselineStallMs"] = double(baseline);
    state.counters["RatioToBaseline"] = baseline > 0 ? double(stall) / double(baseline) : 0;
    state.counters["SplashHidden"] = splashHidden ? 1 : 0;
}
BENCHMARK(StartUpStall)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
