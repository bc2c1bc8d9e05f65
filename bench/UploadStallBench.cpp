// A 30,000-character message streamed after the echo of its upload command, and a terminal
// pass-through of as many typed characters, both to the simulator on a pseudo-terminal through the
// real serial adapter, with the engine's Timer1 ticking every 60 ms on the real clock. The event
// loop must keep running meanwhile: a 1 ms heartbeat measures the longest gap between its ticks.
// The baseline is the same loop, for as long, with the engine idle. The simulator shares the loop,
// so its own reading counts in the figures too. Target: MaxStallMs under 50 ms.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <functional>
#include <memory>

#include "BenchApplication.h"
#include "BenchPty.h"
#include "StallMeter.h"
#include "foundation/Foundation.h"
#include "link/CommandQueue.h"
#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "platform/QtSerialControl.h"
#include "platform/QtSettingsStore.h"
#include "platform/SystemClock.h"
#include "sim/SimShell.h"
#include "sim/SimTransport.h"
#include "support/FakeLinkWindow.h"

using namespace tidepost;

namespace {

constexpr int kHeartbeatMs = 1;
constexpr int kTimer1Ms = 60;
constexpr int kTextLength = 30000;
constexpr int kTypedPerBurst = 40;  // a paste of this many characters every
constexpr int kTypingMs = 5;        // so many milliseconds
constexpr qint64 kGiveUpMs = 60000;

struct Bench {
    QTemporaryDir data;
    QTemporaryDir config;
    QtSettingsStore store{config.path()};
    SystemClock clock;
    Platform os;
    Foundation f{os};
    QtSerialControl serial{store, f.gProductName};
    Link link{f};
    bench::Pty pty;
    sim::SimShell shell;
    std::unique_ptr<sim::SimFdTransport> transport;
    test::FakeLinkWindow window;
    test::FakeTerminalWindow terminal;
    bool ready = false;

    Bench() {
        os.Settings = &store;
        os.Clock = &clock;
        os.Serial = &serial;
        f.gConfiguration.DataPath = data.path();
        f.gOutboxDir = data.path() + "/";
        link.Windows.Window = &window;
        link.Windows.TerminalModeForm = &terminal;
        store.Save(f.gProductName, "Config", "COM1 Device", pty.SlavePath);
        serial.SetCommPort(1);
        serial.SetSettings("115200,n,8,1");
        if (pty.Master < 0 || serial.Open() != ISerialControl::OpenOk) return;
        transport = std::make_unique<sim::SimFdTransport>(shell, pty.Master);
        QFile file(data.path() + "/12070301.out");
        if (!file.open(QIODevice::WriteOnly)) return;
        file.write(QByteArray(kTextLength, 'x') + "\r\n");
        file.close();
        ready = true;
    }
};

struct Figures {
    double LongestStallMs = 0;
    double LongestTickMs = 0;
    qint64 ElapsedMs = 0;
    bool Done = false;
};

// Runs the loop with the heartbeat and Timer1 until `done` holds (or for durationMs when it is
// null), calling `each` every kTypingMs when it is set.
Figures RunLoop(Link& link, const std::function<bool()>& done, qint64 durationMs,
                const std::function<void()>& each = {}) {
    Figures figures;
    QElapsedTimer clock;
    qint64 longestTick = 0;
    QEventLoop loop;

    bench::StallMeter heartbeat(kHeartbeatMs);
    QTimer timer1;
    timer1.setInterval(kTimer1Ms);
    QObject::connect(&timer1, &QTimer::timeout, [&] {
        const qint64 start = clock.nsecsElapsed();
        Timer1_Timer(link);
        longestTick = std::max(longestTick, clock.nsecsElapsed() - start);
        if (done ? done() : clock.elapsed() >= durationMs) {
            figures.Done = true;
            loop.quit();
        } else if (clock.elapsed() > kGiveUpMs) {
            loop.quit();
        }
    });
    QTimer typing;
    typing.setInterval(kTypingMs);
    QObject::connect(&typing, &QTimer::timeout, [&] {
        if (each) each();
    });

    clock.start();
    heartbeat.Start();
    timer1.start();
    typing.start();
    loop.exec();
    figures.ElapsedMs = clock.elapsed();
    figures.LongestStallMs = heartbeat.LongestMs();
    figures.LongestTickMs = double(longestTick) / 1e6;
    return figures;
}

bool Idle(const Link& link) { return link.Dialogue.CommandQueue.isEmpty() && link.Dialogue.DialogueState == 0; }

void UploadAndPassThroughStall(benchmark::State& state) {
    bench::Application();
    Bench b;
    if (!b.ready) {
        state.SkipWithError("no pseudo-terminal, serial port or outbox file");
        return;
    }
    Link& link = b.link;
    QueueCommand(link, "st -l", true, false);  // the prompt and the line end
    if (!RunLoop(link, [&] { return Idle(link); }, 0).Done) {
        state.SkipWithError("the simulator does not answer");
        return;
    }

    Figures upload;
    Figures pass;
    Figures baseline;
    for (auto _ : state) {
        b.shell.Uploads.Files.clear();
        QueueCommand(link, "tr 12070301.out -b " + QString::number(kTextLength), true, false);
        QueueCommand(link, "ls 12070301.out", true, false);
        upload = RunLoop(link, [&] { return Idle(link) && b.shell.Uploads.Find("12070301.out") != nullptr; }, 0);

        // The terminal's user starts an upload by hand and types (pastes) its text.
        b.terminal.Visible = true;
        link.Dialogue.CommandQueue += "tr notes.txt -b " + QString::number(kTextLength) + "\r\n";
        int typed = 0;
        pass = RunLoop(
            link, [&] { return Idle(link) && b.shell.Uploads.Find("notes.txt") != nullptr; }, 0,
            [&] {
                if (link.Dialogue.DialogueState != 3 || typed >= kTextLength) return;
                const int burst = std::min(kTypedPerBurst, kTextLength - typed);
                link.Transfer.TerminalKey += QString(burst, 'y');
                typed += burst;
            });
        b.terminal.Visible = false;

        baseline = RunLoop(link, {}, upload.ElapsedMs + pass.ElapsedMs);
    }
    const sim::SimUpload* streamed = b.shell.Uploads.Find("12070301.out");
    const sim::SimUpload* typedFile = b.shell.Uploads.Find("notes.txt");
    if (!upload.Done || !pass.Done || !streamed || streamed->Text.size() != kTextLength || !typedFile ||
        typedFile->Text.size() != kTextLength)
        state.SkipWithError("an upload did not arrive whole");
    state.counters["MaxStallMs"] = std::max(upload.LongestStallMs, pass.LongestStallMs);
    state.counters["UploadMaxStallMs"] = upload.LongestStallMs;
    state.counters["PassThroughMaxStallMs"] = pass.LongestStallMs;
    state.counters["MaxTickMs"] = std::max(upload.LongestTickMs, pass.LongestTickMs);
    state.counters["BaselineMaxStallMs"] = baseline.LongestStallMs;
    state.counters["StallVsBaseline"] =
        baseline.LongestStallMs > 0 ? std::max(upload.LongestStallMs, pass.LongestStallMs) / baseline.LongestStallMs : 0;
    state.counters["UploadMs"] = double(upload.ElapsedMs);
    state.counters["PassThroughMs"] = double(pass.ElapsedMs);
}
BENCHMARK(UploadAndPassThroughStall)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
