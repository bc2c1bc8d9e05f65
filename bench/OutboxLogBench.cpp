// The outbox log at the size a ship reaches: 30,000 lines in OUT.IDX. Two steps must stay under
// 100 ms each: one UpdateOutBox that changes one line (read the log, write OUT.BAK, rename it over
// OUT.IDX), and one LoadSentItemsGrid into a grid that draws nothing. Figures: FractionOfBudget
// (of the 100 ms) and RatioToBaseline, against what the step cannot avoid, measured in the same
// run: reading the log and writing it back through OUT.BAK unchanged for the update, reading the
// log and cutting it into lines for the grid.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "messages/SentItemsGrid.h"
#include "messages/cOutBox.h"
#include "platform/AtomicFile.h"
#include "support/FakeFlexGrid.h"
#include "support/ManualClock.h"

using namespace tidepost;

namespace {

constexpr int kLines = 30000;
constexpr double kBudgetSeconds = 0.100;

struct OutboxLogSetup {
    QTemporaryDir data;
    test::ManualClock clock;
    Platform os;
    Foundation f{os};
    Link link{f};
    Messages m{f, link};
    QString log;

    OutboxLogSetup() {
        os.Clock = &clock;
        f.gConfiguration.DataPath = data.path();
        f.gOutboxDir = data.path() + "/sent items/";
        QDir().mkpath(f.gOutboxDir);
        log = f.gOutboxDir + "OUT.IDX";
        QByteArray text;
        for (int i = 0; i < kLines; ++i) {
            const QByteArray n = QByteArray::number(i);
            text += "1207" + n.rightJustified(6, '0') + ".out;someone@example.org;102;E-Mail 7 Bit;12-07-03;09:05; 1234;" +
                    (i == kLines - 1 ? QByteArray("<None>;Initiated") : "OUT." + n + ";Delivered") +
                    ";0;0;0;0;03;07;09;05;Someone;;;Subject " + n + "\r\n";
        }
        QFile file(log);
        if (file.open(QIODevice::WriteOnly)) file.write(text);
    }
};

template <typename Step>
double Timed(Step&& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Report(benchmark::State& state, double seconds, double baseline) {
    const auto n = static_cast<double>(state.iterations());
    state.counters["FractionOfBudget"] = seconds / n / kBudgetSeconds;
    state.counters["RatioToBaseline"] = baseline > 0 ? seconds / baseline : 0;
}

// The last line, the only one still "Initiated", changes its status on every run.
void UpdateOneLine(benchmark::State& state) {
    OutboxLogSetup s;
    cOutBox& outBox = GetOutBox(s.m);
    double seconds = 0;
    double baseline = 0;
    bool flip = false;
    for (auto _ : state) {
        flip = !flip;
        int changed = 0;
        seconds += Timed([&] { changed = outBox.UpdateOutBox("", "<None>", "", "", flip ? "Sending" : "Initiated", false); });
        if (changed != 1) {
            state.SkipWithError("the line was not found");
            return;
        }
        baseline += Timed([&] {
            QByteArray bytes;
            ReadFileBytes(s.log, bytes);
            WriteFileAtomic(s.log, bytes, s.f.gOutboxDir + "OUT.BAK");
        });
    }
    Report(state, seconds, baseline);
}
BENCHMARK(UpdateOneLine)->Unit(benchmark::kMillisecond);

void LoadGrid(benchmark::State& state) {
    OutboxLogSetup s;
    test::FakeFlexGrid grid;
    s.m.OutboxMSGrid = &grid;
    double seconds = 0;
    double baseline = 0;
    for (auto _ : state) {
        grid.SetRows(1);
        seconds += Timed([&] { LoadSentItemsGrid(s.m); });
        if (grid.Rows() != kLines + 1) {
            state.SkipWithError("the grid was not filled");
            return;
        }
        baseline += Timed([&] {
            QByteArray bytes;
            ReadFileBytes(s.log, bytes);
            benchmark::DoNotOptimize(SplitFileLines(s.f.Os.Codec.Decode(bytes)).size());
        });
    }
    Report(state, seconds, baseline);
}
BENCHMARK(LoadGrid)->Unit(benchmark::kMillisecond);

}  // namespace
