// The forms server's inbox and sent-items tables at the size a ship reaches: in.idx and OUT.IDX
// of 30,000 lines each. A page holds both tables, so each LoadIndexHTML with 1024 rows must stay
// under 25 ms; all 30,000 rows in file-name order under 50 ms; all rows sorted by the status
// (sent items) or the routing (inbox), where the sort moves rows most, are reported.
// Figures: FractionOfBudget (wall time), CpuFractionOfBudget (the thread's processor time) and
// RatioToBaseline, against reading the index and cutting it into lines, measured in the same run.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>
#include <ctime>

#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/CInbox.h"
#include "messages/Messages.h"
#include "messages/cOutBox.h"
#include "platform/AtomicFile.h"
#include "support/ManualClock.h"

using namespace tidepost;

namespace {

constexpr int kLines = 30000;

struct IndexPagesSetup {
    QTemporaryDir data;
    test::ManualClock clock;
    Platform os;
    Foundation f{os};
    Link link{f};
    Messages m{f, link};
    QString inboxIndex;
    QString outboxLog;

    IndexPagesSetup() {
        os.Clock = &clock;
        f.gConfiguration.DataPath = data.path();
        f.gInboxDir = data.path() + "/Inbox";
        f.gOutboxDir = data.path() + "/sent items/";
        QDir().mkpath(f.gInboxDir);
        QDir().mkpath(f.gOutboxDir);
        inboxIndex = f.gInboxDir + "/in.idx";
        outboxLog = f.gOutboxDir + "OUT.IDX";

        // Written as the roads append them: file names rising, about 30 messages a day.
        const char* statuses[] = {"Delivered", "Conf.OK", "Failed", "Sending", "PC Cleared", "ConfReq"};
        const char* routings[] = {"Mem", "Eml", "Tlx", "Fax"};
        QByteArray in, out;
        for (int i = 0; i < kLines; ++i) {
            const QByteArray day = QByteArray::number(100000 + i / 30 * 3);
            const QByteArray counter = QByteArray::number(i % 30 + 1).rightJustified(2, '0');
            const QByteArray n = QByteArray::number(i);
            in += "IN." + QByteArray::number(i % 999 + 1).rightJustified(3, '0') + ":102:" + QByteArray::number(i % 4) +
                  ":0:" + day.mid(0, 2) + "-" + day.mid(2, 2) + "-" + day.mid(4, 2) + " 12:" +
                  QByteArray::number(i % 60).rightJustified(2, '0') + ":" + QByteArray::number(200 + i % 7000) + ":" +
                  QByteArray::number(1000 + i) + ":" + routings[i % 4] + ":" + (i % 5 ? "Yes" : "No") + ":" + day +
                  counter + ".in\r\n";
            out += day + counter + ".out;someone@example.org;102;E-Mail 7 Bit;12-07-03;09:05; 1234;OUT." + n + ";" +
                   statuses[(i * 7) % 6] + ";0;0;0;0;03;07;09;05;Someone;;;Subject " + n + "\r\n";
        }
        QFile inFile(inboxIndex);
        if (inFile.open(QIODevice::WriteOnly)) inFile.write(in);
        QFile outFile(outboxLog);
        if (outFile.open(QIODevice::WriteOnly)) outFile.write(out);
    }
};

template <typename Step>
double Timed(Step&& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

// The processor time of this thread: on a machine shared with other work, the time the page
// itself takes, without the time the thread waited for a processor.
double ThreadSeconds() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) / 1e9;
}

double ReadAndSplit(const Foundation& f, const QString& path) {
    return Timed([&] {
        QByteArray bytes;
        ReadFileBytes(path, bytes);
        benchmark::DoNotOptimize(SplitFileLines(f.Os.Codec.Decode(bytes)).size());
    });
}

enum class Store { Inbox, SentItems };

// One table page: items rows, sorted by sortBy, against `budget` seconds.
void Page(benchmark::State& state, Store store, int items, int sortBy, bool ascending, double budget) {
    IndexPagesSetup s;
    const int rows = std::min(items, kLines);
    double seconds = 0;
    double cpuSeconds = 0;
    double baseline = 0;
    for (auto _ : state) {
        QString html;
        const double cpuStart = ThreadSeconds();
        seconds += Timed([&] {
            html = store == Store::Inbox ? GetInbox(s.m).LoadIndexHTML(items, sortBy, ascending, false)
                                         : GetOutBox(s.m).LoadIndexHTML(items, sortBy, ascending);
        });
        cpuSeconds += ThreadSeconds() - cpuStart;
        if (html.count(QStringLiteral("</tr>\r\n")) != rows + 1) {
            state.SkipWithError("the table does not hold every row");
            return;
        }
        baseline += ReadAndSplit(s.f, store == Store::Inbox ? s.inboxIndex : s.outboxLog);
    }
    const auto n = static_cast<double>(state.iterations());
    state.counters["FractionOfBudget"] = seconds / n / budget;
    state.counters["CpuFractionOfBudget"] = cpuSeconds / n / budget;
    state.counters["RatioToBaseline"] = baseline > 0 ? seconds / baseline : 0;
}

// A table tag without arguments: 1024 rows, newest first.
void InboxPage1024(benchmark::State& state) { Page(state, Store::Inbox, 1024, 0, false, 0.025); }
void SentItemsPage1024(benchmark::State& state) { Page(state, Store::SentItems, 1024, 0, false, 0.025); }
void InboxPageAllByFileName(benchmark::State& state) { Page(state, Store::Inbox, kLines, 0, false, 0.050); }
void SentItemsPageAllByFileName(benchmark::State& state) { Page(state, Store::SentItems, kLines, 0, false, 0.050); }
void InboxPageAllByRouting(benchmark::State& state) { Page(state, Store::Inbox, kLines, 7, true, 0.050); }
void SentItemsPageAllByStatus(benchmark::State& state) { Page(state, Store::SentItems, kLines, 8, true, 0.050); }

BENCHMARK(InboxPage1024)->Unit(benchmark::kMillisecond);
BENCHMARK(SentItemsPage1024)->Unit(benchmark::kMillisecond);
BENCHMARK(InboxPageAllByFileName)->Unit(benchmark::kMillisecond);
BENCHMARK(SentItemsPageAllByFileName)->Unit(benchmark::kMillisecond);
BENCHMARK(InboxPageAllByRouting)->Unit(benchmark::kMillisecond);
BENCHMARK(SentItemsPageAllByStatus)->Unit(benchmark::kMillisecond);

}  // namespace
