// The search for terminal control units with the real discovery adapter against an SLP responder
// on loopback that answers a second late, polled every 500 ms as the LAN link's timer polls it.
// The event loop must keep running while the answers are awaited: a 10 ms heartbeat measures the
// longest gap between its ticks. The baseline is the same loop and poll, for as long, with no
// search running. Target: MaxStallMs under 50 ms.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QHostAddress>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "BenchApplication.h"
#include "StallMeter.h"
#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "link/LanDiscovery.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSlpDiscovery.h"
#include "sim/SimSlpResponder.h"
#include "sim/SimTcu.h"

using namespace tidepost;

namespace {

constexpr int kHeartbeatMs = 10;
constexpr int kPollMs = 500;  // the LAN link's timer
constexpr int kReplyDelayMs = 1000;
constexpr int kSearchesPerRun = 2;
const QString kUnitAddress = QStringLiteral("127.0.0.1");

struct Bench {
    QTemporaryDir program;
    QTemporaryDir data;
    QTemporaryDir config;
    QtSettingsStore store{config.path()};
    QtSlpDiscovery discovery{program.path()};
    sim::SimSlpResponder responder;
    Platform os;
    Foundation f{os};
    Link link{f};
    bool listening = false;

    Bench() {
        os.Settings = &store;
        os.Slp = &discovery;
        os.ProgramFolder = program.path();
        f.gConfiguration.DataPath = data.path();
        listening = responder.Listen(QHostAddress::LocalHost, 0);
        responder.Services = {sim::TcuSlpService(kUnitAddress, "1.23")};
        responder.ReplyDelayMs = kReplyDelayMs;
        SaveAppSetting(f, f.gProductName, "Config", "SLP Target", QString("127.0.0.1:%1").arg(responder.Port()));
    }
};

struct LoopFigures {
    double LongestStallMs = 0;
    qint64 ElapsedMs = 0;
    int Searches = 0;       // searches that ended
    int UnitFound = 0;      // of them, those that found the unit and nothing else
};

// Runs the loop with the heartbeat and the poll of the answers. With searches > 0, a new search
// starts whenever the last one has ended, until that many have ended; otherwise the loop runs for
// durationMs and starts none.
LoopFigures RunLoop(Link& link, int searches, qint64 durationMs) {
    LoopFigures figures;
    QElapsedTimer clock;
    QEventLoop loop;
    bench::StallMeter heartbeat(kHeartbeatMs);

    QTimer poll;
    poll.setInterval(kPollMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        if (TakeTcuDiscoveryAnswers(link)) {
            ++figures.Searches;
            if (link.F.gConfiguration.SlpTcuAddresses() == QStringList{kUnitAddress}) ++figures.UnitFound;
        }
        if (searches == 0) {
            if (clock.elapsed() >= durationMs) loop.quit();
        } else if (figures.Searches == searches) {
            loop.quit();
        } else if (!IsFindingTcuAddresses(link)) {
            FindTcuAddresses(link);
        }
    });

    clock.start();
    heartbeat.Start();
    poll.start();
    if (searches > 0) FindTcuAddresses(link);
    loop.exec();
    figures.ElapsedMs = clock.elapsed();
    figures.LongestStallMs = heartbeat.LongestMs();
    return figures;
}

void DiscoveryWithLateResponder(benchmark::State& state) {
    bench::Application();
    Bench b;
    if (!b.listening) {
        state.SkipWithError("the responder cannot listen on loopback");
        return;
    }
    LoopFigures searching;
    LoopFigures baseline;
    int searches = 0;
    int found = 0;
    for (auto _ : state) {
        const LoopFigures s = RunLoop(b.link, kSearchesPerRun, 0);
        const LoopFigures q = RunLoop(b.link, 0, s.ElapsedMs);
        searching.LongestStallMs = std::max(searching.LongestStallMs, s.LongestStallMs);
        baseline.LongestStallMs = std::max(baseline.LongestStallMs, q.LongestStallMs);
        searches += s.Searches;
        found += s.UnitFound;
        searching.ElapsedMs += s.ElapsedMs;
    }
    if (found != searches || searches == 0) state.SkipWithError("a search did not find the unit");
    state.counters["MaxStallMs"] = searching.LongestStallMs;
    state.counters["BaselineMaxStallMs"] = baseline.LongestStallMs;
    state.counters["StallVsBaseline"] = baseline.LongestStallMs > 0 ? searching.LongestStallMs / baseline.LongestStallMs : 0;
    state.counters["Searches"] = searches;
    state.counters["MsPerSearch"] = searches > 0 ? double(searching.ElapsedMs) / searches : 0;
}
BENCHMARK(DiscoveryWithLateResponder)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
