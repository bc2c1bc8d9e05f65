// The event loop while an alarm window sounds and flashes: the real player runs as a child process
// for every sound (a stand-in "paplay" on PATH that takes 300 ms, so the run does not depend on the
// machine's sound system), the window shows itself, comes to the top and blinks every 333 ms.
// Figures: Sounds (how many were started in the stretch, about one every 1.3 s) and
// LongestStallMs (< 50: the alarm never holds up the dialogue with the transceiver).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "BenchApplication.h"
#include "StallMeter.h"
#include "distress/Distress.h"
#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "platform/Platform.h"
#include "platform/ProcessSoundPlayer.h"
#include "platform/SystemClock.h"

using namespace tidepost;

namespace {

constexpr int kStretchMs = 4000;

// A player that takes its time and writes down each sound, first on PATH.
bool InstallPlayerStandIn(const QString& folder, const QString& log) {
    QFile script(folder + "/paplay");
    if (!script.open(QIODevice::WriteOnly)) return false;
    script.write(QStringLiteral("#!/bin/sh\necho \"$1\" >> '%1'\nsleep 0.3\n").arg(log).toLocal8Bit());
    script.close();
    script.setPermissions(script.permissions() | QFileDevice::ExeOwner);
    qputenv("PATH", (folder + ":" + qEnvironmentVariable("PATH")).toLocal8Bit());
    return true;
}

void BM_AlarmSounding(benchmark::State& state) {
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    QTemporaryDir program;
    QTemporaryDir data;
    const QString log = data.path() + "/played.txt";
    const QByteArray oldPath = qgetenv("PATH");
    if (!InstallPlayerStandIn(data.path(), log)) {
        state.SkipWithError("cannot write the player stand-in");
        return;
    }
    QFile wav(program.path() + "/alarm.wav");
    if (wav.open(QIODevice::WriteOnly)) wav.write("RIFF");
    wav.close();

    SystemClock clock;
    ProcessSoundPlayer player;
    Platform os;
    os.Clock = &clock;
    os.Sound = &player;
    os.ProgramFolder = program.path();
    Foundation f{os};
    f.gConfiguration.DataPath = data.path();
    Link link{f};
    Messages messages{f, link};
    Distress distress{f, link, messages};

    double stall = 0;
    int sounds = 0;
    for (auto _ : state) {
        QFile::remove(log);
        bench::StallMeter meter(10);
        meter.Start();
        distress.DistressMessageForm.Raise(3);
        QEventLoop loop;
        QTimer::singleShot(kStretchMs, &loop, &QEventLoop::quit);
        loop.exec();
        stall = std::max(stall, meter.LongestMs());
        if (AlarmForm* form = distress.DistressMessageForm.Form()) form->OKButton_Click();
        QFile played(log);
        if (played.open(QIODevice::ReadOnly)) sounds = int(played.readAll().count('\n'));
    }
    qputenv("PATH", oldPath);
    state.counters["Sounds"] = sounds;
    state.counters["LongestStallMs"] = stall;
}
BENCHMARK(BM_AlarmSounding)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
