// The EGC store over an egc.idx of 30,000 lines: removing one EGC (DeleteEGC), completing one line
// stored without its log record (the repair's UpdateIndexFile), finding the oldest EGC and storing
// one fetched EGC (Transfer), each within 100 ms, also as ratios to reading and splitting the index
// once in the same run. Then the longest hold-up of the event loop (a 1 ms heartbeat) while a
// low disk makes one store clean up 500 EGCs, and during a download of 200 EGCs from the simulator
// on a pseudo-terminal. Target: no stall above 50 ms.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <chrono>
#include <functional>
#include <memory>

#include "BenchApplication.h"
#include "BenchPty.h"
#include "StallMeter.h"
#include "egc/Egc.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/IDiskSpace.h"
#include "platform/QtSerialControl.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemClock.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"

using namespace tidepost;

namespace {

constexpr int kLines = 30000;
constexpr double kBudgetMs = 100;
const QString kPrompt = QStringLiteral("can0:/$ ");

QString FileName(int i) { return QString("26%1.egc").arg(i, 8, 10, QLatin1Char('0')); }

QByteArray IndexText(int lines, int unkAt = -1, bool allRoutine = false) {
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += QString("EGC.%1:%2:31:%3:0:2026-12-%4 14:05:512:%5:+M:%6:%7\r\n")
                    .arg(i % 1000, 3, 10, QLatin1Char('0'))
                    .arg(i == unkAt ? "Unk" : "101")
                    .arg(allRoutine ? 0 : i % 4)
                    .arg(1 + i % 28, 2, 10, QLatin1Char('0'))
                    .arg(100000 + i)
                    .arg(i % 3 ? "Yes" : "No")
                    .arg(FileName(i))
                    .toLatin1();
    return text;
}

double Ms(const std::function<void()>& run) {
    const auto start = std::chrono::steady_clock::now();
    run();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

double ReadAndSplitMs(const QString& path) {
    return Ms([&] {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return;
        qsizetype parts = 0;
        for (const QByteArray& line : file.readAll().split('\n')) parts += QString::fromLatin1(line).split(u':').size();
        benchmark::DoNotOptimize(parts);
    });
}

// Low for the first `LowReads` reads, then plenty: the store reads it once before it cleans up
// and once after each file it deletes.
struct ShrinkingDisk : IDiskSpace {
    qint64 FreeBytes(const QString&) const override { return Reads++ < LowReads ? 100 * 1024 : 1024LL * 1024 * 1024; }
    mutable int Reads = 0;
    int LowReads = 0;
};

struct Store {
    QTemporaryDir data;
    QtSettingsStore settings{data.path() + "/config"};
    SystemClock clock;
    ShrinkingDisk disk;
    Platform os;
    std::unique_ptr<Foundation> f;
    std::unique_ptr<Link> link;
    std::unique_ptr<Messages> m;
    std::unique_ptr<Egc> e;
    test::FakeLinkWindow window;
    QString dir;

    Store() {
        os.Settings = &settings;
        os.Clock = &clock;
        os.Disk = &disk;
        f = std::make_unique<Foundation>(os);
        f->gConfiguration.DataPath = data.path();
        dir = data.path() + "/egc";
        QDir().mkpath(dir);
        f->gEgcDir = dir;
        link = std::make_unique<Link>(*f);
        link->Windows.Window = &window;
        link->Dialogue.EchoTerminator = "\r\n";
        link->Dialogue.EchoTerminatorLength = 2;
        link->Dialogue.CurrentPrompt = kPrompt;
        m = std::make_unique<Messages>(*f, *link);
        e = std::make_unique<Egc>(*f, *link, *m);
        RegisterEgcHandlers(*e);
        ReadIniFile(*f);
    }
    QString IndexPath() const { return dir + "/egc.idx"; }
    void WriteIndex(const QByteArray& text) const {
        QFile file(IndexPath());
        if (file.open(QIODevice::WriteOnly)) file.write(text);
    }
    void Touch(const QString& name) const {
        QFile file(dir + "/" + name);
        if (file.open(QIODevice::WriteOnly)) file.write("text");
    }
    // The listing and log of EGC.nnn, so that a fetch finds its records.
    void ListAndLog(int number) {
        const QString name = QString("EGC.%1").arg(number, 3, 10, QLatin1Char('0'));
        f->gSession.SetProcessingEgcs(false);
        SetIniValue(*f, "[LastEgcNumber]", "", false);
        e->gEGC.DecodeEGCs("ls EGC.*\r\nEGC     ." + name.mid(4) + "        12  06-12-31  14:05\r\n  9 bytes free\r\n" +
                           kPrompt);
        e->gEGC.DecodeEgcLog("st -e\r\n101 31 0 0 06-12-31 14:05 12 1234 0 0 +M " + name + "\r\n" + kPrompt);
        link->Dialogue.CommandQueue.clear();
    }
    QString Fetched(int number) const {
        const QString name = QString("EGC.%1").arg(number, 3, 10, QLatin1Char('0'));
        return "ty " + name + " -b -k\r\nFile " + name + "\r\nFrom LES 101\r\nSECURITE 12" + kPrompt;
    }
};

void EgcStoreOneLineRewrites(benchmark::State& state) {
    bench::Application();
    Store s;
    double deleteMs = 0, repairMs = 0, oldestMs = 0, transferMs = 0, baseMs = 0;
    int i = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const int at = kLines / 2 + i++;
        s.WriteIndex(IndexText(kLines, at + 1));
        s.Touch(FileName(at));
        s.e->gEGC.DecodeEgcLog("st -e\r\n7 31 2 0 06-12-31 14:05 12 1234 0 0 +M " +
                               QString("EGC.%1").arg((at + 1) % 1000, 3, 10, QLatin1Char('0')) + "\r\n" + kPrompt);
        baseMs += ReadAndSplitMs(s.IndexPath());
        state.ResumeTiming();
        deleteMs += Ms([&] { s.e->gEGC.DeleteEGC(FileName(at)); });
        repairMs += Ms([&] { s.e->gEGC.RepairEgcLog(); });
        oldestMs += Ms([&] { benchmark::DoNotOptimize(s.e->gEGC.FindOldestEGC(0, false)); });
        state.PauseTiming();
        s.ListAndLog(7);
        const QString reply = s.Fetched(7);
        state.ResumeTiming();
        transferMs += Ms([&] { s.e->gEGC.Transfer(reply); });
    }
    const double n = double(state.iterations());
    state.counters["DeleteEGCMs"] = deleteMs / n;
    state.counters["UpdateIndexFileMs"] = repairMs / n;
    state.counters["FindOldestEGCMs"] = oldestMs / n;
    state.counters["TransferMs"] = transferMs / n;
    state.counters["WorstFractionOfBudget"] =
        std::max({deleteMs, repairMs, oldestMs, transferMs}) / n / kBudgetMs;
    state.counters["DeleteRatioToReadAndSplit"] = baseMs > 0 ? deleteMs / baseMs : 0;
    state.counters["TransferRatioToReadAndSplit"] = baseMs > 0 ? transferMs / baseMs : 0;
}
BENCHMARK(EgcStoreOneLineRewrites)->Unit(benchmark::kMillisecond)->Iterations(5);

// One store on a nearly full disk: 500 stored EGCs make room, one after the other.
void EgcCleanUpStall(benchmark::State& state) {
    bench::Application();
    constexpr int kCleaned = 500;
    double longest = 0, storeMs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Store s;
        s.WriteIndex(IndexText(kCleaned, -1, true));
        for (int i = 0; i < kCleaned; ++i) s.Touch(FileName(i));
        s.disk.LowReads = kCleaned;
        s.ListAndLog(7);
        const QString reply = s.Fetched(7);
        bench::StallMeter meter(1);
        QEventLoop loop;
        QTimer::singleShot(20, [&] { storeMs += Ms([&] { s.e->gEGC.Transfer(reply); }); });
        QTimer::singleShot(60, &loop, &QEventLoop::quit);
        state.ResumeTiming();
        meter.Start();
        loop.exec();
        longest = std::max(longest, meter.LongestMs());
        if (QDir(s.dir).entryList(QDir::Files).size() != 2) {
            state.SkipWithError("the clean-up did not make room");
            break;
        }
    }
    state.counters["LongestStallMs"] = longest;
    state.counters["StallFractionOf50Ms"] = longest / 50.0;
    state.counters["StoreWithCleanUpMs"] = storeMs / double(state.iterations());
}
BENCHMARK(EgcCleanUpStall)->Unit(benchmark::kMillisecond)->Iterations(3);

// 200 EGCs fetched, stored and deleted from the simulator over a pseudo-terminal; Timer1 ticks
// every 5 ms here (60 ms in the program) so the run is short: the stalls are what counts.
void EgcDownloadStall(benchmark::State& state) {
    bench::Application();
    constexpr int kEgcs = 200;
    for (auto _ : state) {
        Store s;
        QtSerialControl serial{s.settings, s.f->gProductName};
        s.os.Serial = &serial;
        bench::Pty pty;
        sim::SimShell shell;
        s.settings.Save(s.f->gProductName, "Config", "COM1 Device", pty.SlavePath);
        serial.SetCommPort(1);
        serial.SetSettings("115200,n,8,1");
        if (pty.Master < 0 || serial.Open() != ISerialControl::OpenOk) {
            state.SkipWithError("no pseudo-terminal");
            return;
        }
        sim::SimFdTransport transport(shell, pty.Master);
        for (int i = 0; i < kEgcs; ++i) sim::AddSimulatedEgc(shell.EgcStore, i % 10 == 0 ? 100 : 200, QDateTime::currentDateTimeUtc());
        QueueCommand(*s.link, "st -l", true, false);
        QueueCommand(*s.link, "ls EGC.*", true, false);
        QEventLoop loop;
        bench::StallMeter meter(1);
        QTimer timer1;
        timer1.setInterval(5);
        QObject::connect(&timer1, &QTimer::timeout, [&] {
            Timer1_Timer(*s.link);
            if (shell.EgcStore.Egcs.isEmpty() && s.link->Dialogue.CommandQueue.isEmpty() &&
                s.link->Dialogue.DialogueState == 0)
                loop.quit();
        });
        QTimer::singleShot(120000, &loop, &QEventLoop::quit);
        meter.Start();
        timer1.start();
        loop.exec();
        state.counters["LongestStallMs"] = meter.LongestMs();
        state.counters["StallFractionOf50Ms"] = meter.LongestMs() / 50.0;
        state.counters["Stored"] = double(QDir(s.dir).entryList({"*.egc"}, QDir::Files).size());
        if (!shell.EgcStore.Egcs.isEmpty()) state.SkipWithError("not every EGC was fetched");
    }
}
BENCHMARK(EgcDownloadStall)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
