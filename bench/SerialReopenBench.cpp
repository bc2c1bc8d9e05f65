// Reopening the serial port while the transceiver does not answer, as the 10-s poll does, with the
// real serial adapter on a pseudo-terminal. The event loop must keep running meanwhile: a 1 ms
// heartbeat measures the longest gap between its ticks (the stall) while the poll reopens the port
// every few milliseconds. The same loop with the poll in LAN mode, which reopens nothing, is the
// baseline of the same run; MaxStallMs must stay well under 50 ms.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMap>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "StallMeter.h"
#include "foundation/IniFile.h"
#include "link/Link.h"
#include "link/PeriodicPolls.h"
#include "link/SerialLink.h"
#include "platform/ISettingsStore.h"
#include "platform/QtSerialControl.h"

using namespace tidepost;

namespace {

constexpr int kReopensPerRun = 200;
constexpr int kPollIntervalMs = 5;

class MapSettingsStore : public ISettingsStore {
public:
    QString Get(const QString& app, const QString& section, const QString& key, const QString& def) override {
        return m_values.value(app + "/" + section + "/" + key, def);
    }
    bool Save(const QString& app, const QString& section, const QString& key, const QString& value) override {
        m_values[app + "/" + section + "/" + key] = value;
        return true;
    }
    QList<QPair<QString, QString>> GetSection(const QString&, const QString&) override { return {}; }
    void DeleteKey(const QString& app, const QString& section, const QString& key) override {
        m_values.remove(app + "/" + section + "/" + key);
    }
    void DeleteApplication(const QString&) override { m_values.clear(); }

private:
    QMap<QString, QString> m_values;
};

// The master side of a pseudo-terminal held open; the program opens its slave as the port.
class Pty {
public:
    Pty() {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) return;
        if (const char* name = ::ptsname(m_master)) m_slave = QString::fromLocal8Bit(name);
    }
    ~Pty() {
        if (m_master >= 0) ::close(m_master);
    }
    Pty(const Pty&) = delete;
    Pty& operator=(const Pty&) = delete;
    QString SlavePath() const { return m_slave; }

private:
    int m_master = -1;
    QString m_slave;
};

QCoreApplication& App() {
    static int argc = 1;
    static char name[] = "tidepost_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication* app =
        QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv);
    return app ? *app : *QCoreApplication::instance();
}

struct Bench {
    QTemporaryDir data;
    MapSettingsStore store;
    QtSerialControl serial{store, "Tidepost"};
    Platform os;
    Foundation f{os};
    Link link{f};
    Pty pty;
    QString device;

    explicit Bench(bool devicePresent) {
        os.Settings = &store;
        os.Serial = &serial;
        f.gConfiguration.DataPath = data.path();
        // A fixed device name that points at the pseudo-terminal, or at nothing (unplugged).
        device = data.path() + "/ttyTransceiver";
        QFile::link(devicePresent ? pty.SlavePath() : data.path() + "/gone", device);
        store.Save("Tidepost", "Config", "COM1 Device", device);
        SetIniValue(f, "[COM port]", "1", false);
    }
};

// Runs the poll every few milliseconds until it has ticked kReopensPerRun times and returns the
// longest gap between two ticks of a 1 ms heartbeat, in milliseconds.
double LongestStallMs(Link& link) {
    int polls = 0;
    QEventLoop loop;
    bench::StallMeter heartbeat(1);
    QTimer poll;
    poll.setTimerType(Qt::PreciseTimer);
    poll.setInterval(kPollIntervalMs);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        link.Dialogue.CommandQueue.clear();
        Timer2_Timer(link);
        if (++polls == kReopensPerRun) loop.quit();
    });
    heartbeat.Start();
    poll.start();
    loop.exec();
    return heartbeat.LongestMs();
}

void PollWhileSilent(benchmark::State& state, const char* hostInterface, bool devicePresent) {
    App();
    Bench b(devicePresent);
    SetIniValue(b.f, "[HOST Interface]", hostInterface, false);
    double longest = 0;
    for (auto _ : state) longest = std::max(longest, LongestStallMs(b.link));
    if (QString(hostInterface) == "COM" && devicePresent && !b.serial.PortOpen())
        state.SkipWithError("the port was not reopened");
    state.counters["MaxStallMs"] = longest;
    state.counters["ReopensPerRun"] = kReopensPerRun;
}

// The baseline: the same poll loop in LAN mode, where nothing is reopened.
void BaselinePollWithoutReopen(benchmark::State& state) { PollWhileSilent(state, "LAN", true); }
BENCHMARK(BaselinePollWithoutReopen)->Iterations(3)->Unit(benchmark::kMillisecond);

void ReopenPresentPort(benchmark::State& state) { PollWhileSilent(state, "COM", true); }
BENCHMARK(ReopenPresentPort)->Iterations(3)->Unit(benchmark::kMillisecond);

void ReopenUnpluggedPort(benchmark::State& state) { PollWhileSilent(state, "COM", false); }
BENCHMARK(ReopenUnpluggedPort)->Iterations(3)->Unit(benchmark::kMillisecond);

// One reopen of the present port alone, next to one poll tick that reopens nothing.
void OneReopen(benchmark::State& state) {
    App();
    Bench b(true);
    for (auto _ : state) benchmark::DoNotOptimize(OpenComPort(b.f, 1, "115200,n,8,1"));
}
BENCHMARK(OneReopen);

void OnePollTickInLanMode(benchmark::State& state) {
    App();
    Bench b(true);
    SetIniValue(b.f, "[HOST Interface]", "LAN", false);
    for (auto _ : state) {
        b.link.Dialogue.CommandQueue.clear();
        Timer2_Timer(b.link);
    }
}
BENCHMARK(OnePollTickInLanMode);

}  // namespace
