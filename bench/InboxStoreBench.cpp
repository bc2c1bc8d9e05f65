// Storing one received message against an inbox index of 0 or 30,000 lines: the look-up of an
// earlier copy, the message file and the appended index line. The figure that matters is the time
// per message as a fraction of its 100 ms budget, and its ratio to the empty index of the same run.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include "foundation/Foundation.h"
#include "link/Link.h"
#include "messages/InboxFetch.h"
#include "messages/Messages.h"
#include "messages/TransferInToPC.h"
#include "platform/QtSettingsStore.h"
#include "sim/SimShell.h"
#include "support/FakeTrayIcon.h"
#include "support/ManualClock.h"

using namespace tidepost;

namespace {

constexpr double kBudgetSeconds = 0.1;

void WriteIndex(const QString& path, int lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return;
    QByteArray text;
    for (int i = 0; i < lines; ++i)
        text += QString("IN.%1:102:0:0:06-12-31 23:59:812:%2:Mem:Yes:%3.in\r\n")
                    .arg(i % 1000, 3, 10, QLatin1Char('0'))
                    .arg(100000 + i)
                    .arg(i, 8, 10, QLatin1Char('0'))
                    .toLatin1();
    file.write(text);
}

void StoreMessage(benchmark::State& state) {
    QTemporaryDir data;
    const QString inbox = data.path() + "/Inbox";
    QDir().mkpath(inbox);
    WriteIndex(inbox + "/in.idx", static_cast<int>(state.range(0)));

    QtSettingsStore settings(data.path() + "/config");
    test::ManualClock clock;
    test::FakeTrayIcon tray;
    Platform os;
    os.Clock = &clock;
    os.Settings = &settings;
    os.Tray = &tray;
    Foundation f(os);
    f.gConfiguration.DataPath = data.path();
    f.gInboxDir = inbox;
    Link link(f);
    link.Dialogue.EchoTerminator = "\r\n";
    link.Dialogue.EchoTerminatorLength = 2;
    link.Dialogue.CurrentPrompt = "can0:/$ ";
    Messages m(f, link);

    sim::SimShell shell;
    sim::SimMessage message;
    message.Number = 1;
    message.Received = QDateTime(QDate(2006, 12, 31), QTime(23, 59), Qt::UTC);
    message.Body = QString(812, 'a');
    shell.Inbox.Add(message);
    HandleInboxListing(m, shell.ReplyTo("ls IN.*"));
    HandleInboxLog(m, shell.ReplyTo("st -r"));
    const QString reply = shell.ReplyTo("ty IN.001 -b -k");

    double seconds = 0;
    bool stored = true;
    for (auto _ : state) {
        // A new reference each time, so that every message is new to the index.
        ++m.gInboxLog[0].Reference;
        link.Dialogue.CommandQueue.clear();
        const auto start = std::chrono::steady_clock::now();
        Transfer_IN_To_PC(m, reply);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.PauseTiming();
        stored = stored && link.Dialogue.CommandQueue == "delete IN.001\r\n";
        for (const QString& name : QDir(inbox).entryList({"*.in"}, QDir::Files)) QFile::remove(inbox + "/" + name);
        state.ResumeTiming();
    }
    if (!stored) state.SkipWithError("a message was not stored");
    state.counters["FractionOfBudget"] =
        benchmark::Counter(seconds / kBudgetSeconds, benchmark::Counter::kAvgIterations);
}
BENCHMARK(StoreMessage)->Arg(0)->Arg(30000)->ArgName("indexLines")->Unit(benchmark::kMillisecond);

}  // namespace
