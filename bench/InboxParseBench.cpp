// Parsing the inbox listing and the message log of 100 messages each, as the simulated
// transceiver sends them. The figure that matters is the ratio of the parse time to the time
// the two replies take to arrive on a 115200-baud line: it must stay far below 1.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "foundation/Foundation.h"
#include "messages/InboxReplyParsers.h"
#include "sim/SimShell.h"
#include "support/ManualClock.h"

using namespace tidepost;

namespace {

constexpr double kLineBytesPerSecond = 11520.0;  // 115200 baud, 10 bits a character
constexpr int kMessages = 100;

void ParseListingAndLog(benchmark::State& state) {
    sim::SimShell shell;
    shell.Inbox.ListingLayout = static_cast<int>(state.range(0));
    sim::AddSampleMessages(shell.Inbox, kMessages, QDateTime(QDate(2024, 5, 6), QTime(12, 0), Qt::UTC));
    const QString listing = shell.ReplyTo("ls IN.*");
    const QString log = shell.ReplyTo("st -r");

    QTemporaryDir data;
    test::ManualClock clock;
    Platform os;
    os.Clock = &clock;
    Foundation f(os);
    f.gConfiguration.DataPath = data.path();

    double seconds = 0;
    qsizetype parsed = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const auto entries = ParseInboxListing(f, listing);
        const auto logEntries = ParseInLog(log);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        parsed = entries.size() + logEntries.size();
        benchmark::DoNotOptimize(parsed);
    }
    if (parsed != 2 * kMessages) state.SkipWithError("the replies were not parsed whole");
    const double bytes = static_cast<double>(listing.size() + log.size());
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * bytes));
    state.counters["FractionOfLineTime"] =
        benchmark::Counter(seconds / (bytes / kLineBytesPerSecond), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ParseListingAndLog)->Arg(1)->Arg(2)->ArgName("layout");

}  // namespace
