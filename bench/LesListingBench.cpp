// Reading the LES listing of 64 stations, as the simulated transceiver sends it, both ways: the
// available stations of the region ("st -n") and the lines of one station ("status -n", the last
// one, the longest search). The figure that matters is the ratio of the reading time to the time
// the reply takes to arrive on a 115200-baud line: it must stay far below 1.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "foundation/Foundation.h"
#include "foundation/LesLists.h"
#include "sim/SimShell.h"
#include "support/ManualClock.h"

using namespace tidepost;

namespace {

constexpr double kLineBytesPerSecond = 11520.0;  // 115200 baud, 10 bits a character
constexpr int kStations = 64;

void ReadLesListing(benchmark::State& state) {
    sim::SimShell shell;
    QStringList ids;
    for (int n = 1; n <= kStations; ++n) ids << QString::number(100 + n);
    sim::SetTransceiverValue(shell.Transceiver, "les", ids.join(','));
    const QString available = shell.ReplyTo("st -n");
    const QString services = shell.ReplyTo("status -n");

    QTemporaryDir data;
    test::ManualClock clock;
    Platform os;
    os.Clock = &clock;
    Foundation f(os);
    f.gConfiguration.DataPath = data.path();

    double seconds = 0;
    bool whole = true;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        UpdateLESList(f, available);
        const QString block = ListedLesBlock(services, 100 + kStations);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        whole = whole && !block.isNull();
        benchmark::DoNotOptimize(block);
    }
    if (!whole || f.gConfiguration.AvailableLESs(1) != ids.join(','))
        state.SkipWithError("the listing was not read whole");
    const double bytes = static_cast<double>(available.size() + services.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["FractionOfLineTime"] =
        benchmark::Counter(seconds / (bytes / kLineBytesPerSecond), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ReadLesListing);

}  // namespace
