// What a dialog shown modal over its owner costs while the operator reads it: processor time over a
// stretch of wall time with the dialog open, against the same stretch with the event loop idle, and
// the longest gap between ticks of a 10 ms timer meanwhile (the engine's timers must keep their
// pace). Figures: CpuRatioToIdle (near 1: the wait does not spin) and LongestStallMs (< 50).
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <ctime>

#include "BenchApplication.h"
#include "StallMeter.h"
#include "foundation/cShowModal.h"

using namespace tidepost;

namespace {

constexpr int kStretchMs = 1000;

double ProcessCpuMs() {
    timespec t{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Processor time of one stretch of `run`, which must return after kStretchMs of wall time.
template <typename Run>
double CpuOf(Run run) {
    const double before = ProcessCpuMs();
    run();
    return ProcessCpuMs() - before;
}

void BM_ShowModalAgainstIdle(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    QWidget owner;
    owner.show();
    double idle = 0, open = 0;
    double stall = 0;
    for (auto _ : state) {
        // The same timer runs in both stretches, so only the wait itself differs.
        bench::StallMeter idleMeter(10);
        idleMeter.Start();
        idle += CpuOf([] {
            QEventLoop loop;
            QTimer::singleShot(kStretchMs, &loop, &QEventLoop::quit);
            loop.exec();
        });
        bench::StallMeter meter(10);
        meter.Start();
        QWidget dialog;
        QTimer::singleShot(kStretchMs, &dialog, &QWidget::hide);
        open += CpuOf([&] { cShowModal().ShowModal(&dialog, &owner); });
        stall = std::max(stall, meter.LongestMs());
    }
    state.counters["CpuMsIdle"] = idle / double(state.iterations());
    state.counters["CpuMsModal"] = open / double(state.iterations());
    state.counters["CpuRatioToIdle"] = idle > 0 ? open / idle : 0;
    state.counters["LongestStallMs"] = double(stall);
}
BENCHMARK(BM_ShowModalAgainstIdle)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
