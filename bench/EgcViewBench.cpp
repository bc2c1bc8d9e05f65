// The EGC view over an egc.idx of 30,000 lines: loading the grid (until its rows are in), marking one EGC unread and
// deleting one, each within 100 ms; the longest hold-up of the event loop (a 10 ms heartbeat)
// while a load runs; the resident memory with the grid loaded. Times are also given as ratios to
// reading and splitting the same file once in the same run.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <unistd.h>

#include "BenchApplication.h"
#include "StallMeter.h"
#include "editor/FlexGrid.h"
#include "editor/FolderViews.h"
#include "foundation/DataFileText.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/QtSettingsStore.h"

using namespace tidepost;

namespace {

constexpr int kLines = 30000;
constexpr double kBudgetMs = 100;

QString FileName(int i) { return QString("26%1.egc").arg(i, 8, 10, QLatin1Char('0')); }

QByteArray IndexText() {
    QByteArray text;
    for (int i = 0; i < kLines; ++i)
        text += QString("EGC.%1:112:4:%2:0:2026-12-10 14:05: 512:%3:0:%4:%5\r\n")
                    .arg(i % 1000, 3, 10, QLatin1Char('0'))
                    .arg(i % 4)
                    .arg(100000 + i)
                    .arg(i % 3 ? "Yes" : "No")
                    .arg(FileName(i))
                    .toLatin1();
    return text;
}

// Reading the file and splitting it into lines and fields once: what any load has to do.
double ReadAndSplitMs(const QString& path) {
    const auto start = std::chrono::steady_clock::now();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QString text = QString::fromLatin1(file.readAll());
    qsizetype parts = 0;
    for (const QString& line : SplitFileLines(text)) parts += line.split(u':').size();
    benchmark::DoNotOptimize(parts);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double ResidentMb() {
    QFile statm("/proc/self/statm");
    if (!statm.open(QIODevice::ReadOnly)) return 0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / (1024.0 * 1024.0) : 0;
}

struct EgcFolder {
    QTemporaryDir data;
    QtSettingsStore settings{data.path() + "/config"};
    Platform os;
    std::unique_ptr<Foundation> f;
    std::unique_ptr<Link> link;
    std::unique_ptr<Messages> m;
    std::unique_ptr<FolderViews> views;
    FlexGrid grid;
    QString dir;

    EgcFolder() {
        os.Settings = &settings;
        f = std::make_unique<Foundation>(os);
        f->gConfiguration.DataPath = data.path();
        dir = data.path() + "/EGC";
        QDir().mkpath(dir);
        f->gEgcDir = dir;
        link = std::make_unique<Link>(*f);
        m = std::make_unique<Messages>(*f, *link);
        views = std::make_unique<FolderViews>(*f, *m);
        views->Attach(FolderGridKind::Egc, &grid);
        WriteIndex();
    }
    void WriteIndex() const {
        QFile file(dir + "/egc.idx");
        if (file.open(QIODevice::WriteOnly)) file.write(IndexText());
    }
    QString IndexPath() const { return dir + "/egc.idx"; }
};

// Runs the event loop until the view's rows are in.
void WaitForLoad(const FolderViews& views) {
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (!views.EgcLoadPending()) loop.quit();
    });
    poll.start(1);
    if (views.EgcLoadPending()) loop.exec();
}

double Ms(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

void EgcViewLoad(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    EgcFolder folder;
    double loadMs = 0, baseMs = 0;
    for (auto _ : state) {
        baseMs += ReadAndSplitMs(folder.IndexPath());
        loadMs += Ms([&] {
            folder.views->EGCButton_Click();
            WaitForLoad(*folder.views);
        });
    }
    if (folder.grid.Rows() != kLines + 1) state.SkipWithError("not every line was loaded");
    const double n = double(state.iterations());
    state.counters["LoadMs"] = loadMs / n;
    state.counters["FractionOfBudget"] = loadMs / n / kBudgetMs;
    state.counters["RatioToReadAndSplit"] = baseMs > 0 ? loadMs / baseMs : 0;
    state.counters["ResidentMB"] = ResidentMb();
}
BENCHMARK(EgcViewLoad)->Unit(benchmark::kMillisecond)->Iterations(5);

void EgcViewMarkUnreadAndDelete(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    EgcFolder folder;
    double unreadMs = 0, deleteMs = 0, baseMs = 0;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        folder.WriteIndex();
        folder.views->EGCButton_Click();
        WaitForLoad(*folder.views);
        const QString name = FileName(kLines / 2 + i++);
        QFile egc(folder.dir + "/" + name);
        if (egc.open(QIODevice::WriteOnly)) egc.write("text");
        egc.close();
        folder.grid.SetRow(folder.grid.FindRow(0, name));
        baseMs += ReadAndSplitMs(folder.IndexPath());
        state.ResumeTiming();
        unreadMs += Ms([&] { folder.views->EGCMarkUnread_Click(); });
        deleteMs += Ms([&] { folder.views->DeleteSelectedEgcs(false); });
    }
    const double n = double(state.iterations());
    state.counters["MarkUnreadMs"] = unreadMs / n;
    state.counters["DeleteOneMs"] = deleteMs / n;
    state.counters["MarkUnreadRatioToReadAndSplit"] = baseMs > 0 ? unreadMs / baseMs : 0;
    state.counters["DeleteRatioToReadAndSplit"] = baseMs > 0 ? deleteMs / baseMs : 0;
}
BENCHMARK(EgcViewMarkUnreadAndDelete)->Unit(benchmark::kMillisecond)->Iterations(5);

// The longest time the event loop's 10 ms heartbeat waited while the view loaded.
void EgcViewLoadStall(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    EgcFolder folder;
    folder.grid.resize(900, 600);
    folder.grid.show();
    bench::StallMeter meter(10);
    double longest = 0;
    for (auto _ : state) {
        meter.Start();
        QEventLoop loop;
        bool clicked = false;
        QTimer::singleShot(30, [&] {
            folder.views->EGCButton_Click();
            clicked = true;
        });
        // Until the rows are in and the heartbeat has beaten once more after that.
        int beatsAfter = 0;
        meter.OnBeat = [&] {
            if (clicked && !folder.views->EgcLoadPending() && ++beatsAfter > 1) loop.quit();
        };
        QTimer::singleShot(10000, &loop, &QEventLoop::quit);
        loop.exec();
        meter.OnBeat = {};
        longest = std::max(longest, meter.LongestMs());
    }
    state.counters["LongestStallMs"] = longest;
    state.counters["StallFractionOf50Ms"] = longest / 50.0;
    if (folder.grid.Rows() != kLines + 1) state.SkipWithError("the rows did not come in");
}
BENCHMARK(EgcViewLoadStall)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
