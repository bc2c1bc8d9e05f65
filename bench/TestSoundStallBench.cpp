// The sound test must never hold the event loop: a 10 ms heartbeat measures the longest gap
// between its ticks while the test window repeats a 3-second alarm.wav through the desktop's
// real command-line player for about seven seconds. Sounds counts the sounds started. Target:
// MaxStallMs under 50 ms. Without a player on the machine the benchmark is skipped.
#include <benchmark/benchmark.h>

#include <QEventLoop>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include "BenchApplication.h"
#include "StallMeter.h"
#include "config/Config.h"
#include "config/StatusDialogs.h"
#include "config/TestSoundForm.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/ProcessSoundPlayer.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemClock.h"

using namespace tidepost;

namespace {

constexpr int kHeartbeatMs = 10;
constexpr int kRunMs = 7000;
constexpr int kSoundSeconds = 3;

// A silent 8 kHz, 8-bit mono wave of the given length.
QByteArray SilentWave(int seconds) {
    const quint32 rate = 8000;
    const quint32 samples = rate * quint32(seconds);
    QByteArray wav;
    const auto u32 = [&wav](quint32 v) {
        for (int i = 0; i < 4; ++i) wav.append(char((v >> (8 * i)) & 0xff));
    };
    const auto u16 = [&wav](quint16 v) {
        wav.append(char(v & 0xff));
        wav.append(char(v >> 8));
    };
    wav += "RIFF";
    u32(36 + samples);
    wav += "WAVEfmt ";
    u32(16);
    u16(1);
    u16(1);
    u32(rate);
    u32(rate);
    u16(1);
    u16(8);
    wav += "data";
    u32(samples);
    wav.append(QByteArray(int(samples), char(0x80)));
    return wav;
}

// Counts the sounds started and hands them to the real player.
class CountingPlayer : public ISoundPlayer {
public:
    void Play(const QString& path, Finished finished) override {
        ++Started;
        m_player.Play(path, std::move(finished));
    }
    void Beep() override { m_player.Beep(); }
    int Started = 0;

private:
    ProcessSoundPlayer m_player;
};

void BM_TestSoundStall(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    if (QStandardPaths::findExecutable("paplay").isEmpty() && QStandardPaths::findExecutable("aplay").isEmpty()) {
        state.SkipWithError("no command-line sound player (paplay or aplay) on this machine");
        return;
    }
    QTemporaryDir program;
    QTemporaryDir data;
    QTemporaryDir config;
    QtSettingsStore store{config.path()};
    SystemClock clock;
    CountingPlayer player;
    Platform os;
    os.Settings = &store;
    os.Clock = &clock;
    os.Sound = &player;
    os.ProgramFolder = program.path();
    Foundation f{os};
    f.gConfiguration.DataPath = data.path();
    Link link{f};
    Messages messages{f, link};
    Config c{f, link, messages};
    QFile wav(program.path() + "/alarm.wav");
    if (!wav.open(QIODevice::WriteOnly) || wav.write(SilentWave(kSoundSeconds)) < 0) {
        state.SkipWithError("could not write alarm.wav");
        return;
    }
    wav.close();

    double stall = 0;
    for (auto _ : state) {
        TestSoundForm& form = c.Status->TestSoundForm.get();
        bench::StallMeter meter(kHeartbeatMs);
        QEventLoop loop;
        QTimer::singleShot(kRunMs, &loop, &QEventLoop::quit);
        meter.Start();
        form.StartButton_Click();
        loop.exec();
        stall = std::max(stall, meter.LongestMs());
        c.Status->TestSoundForm.unload();
    }
    state.counters["MaxStallMs"] = stall;
    state.counters["Sounds"] = player.Started;
}

}  // namespace

BENCHMARK(BM_TestSoundStall)->Unit(benchmark::kMillisecond)->Iterations(1);
