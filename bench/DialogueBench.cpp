// The dialogue engine's cost per tick of the main window's 60 ms timer: an idle tick, and a
// 64 KB reply collected in 1 KB chunks and dispatched. Each figure is also given as a ratio:
// the idle tick to its 60 ms period, the reply to the time it takes on a 115200-baud line.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <chrono>

#include "link/DialogueEngine.h"
#include "link/Link.h"
#include "platform/ISerialControl.h"
#include "support/FakeLinkWindow.h"
#include "support/ManualClock.h"

using namespace tidepost;

namespace {

constexpr double kTickPeriodSeconds = 0.060;
constexpr double kLineBytesPerSecond = 11520.0;  // 115200 baud, 10 bits a character
constexpr int kReplyBytes = 64 * 1024;
constexpr int kChunkBytes = 1024;

// An open serial port in memory: what is pushed is what the next read returns.
class MemorySerial : public ISerialControl {
public:
    void SetCommPort(int) override {}
    int CommPort() const override { return 1; }
    void SetSettings(const QString&) override {}
    QString Settings() const override { return "115200,n,8,1"; }
    int Open() override { return OpenOk; }
    void Close() override {}
    bool PortOpen() const override { return true; }
    int ProbePort(int) override { return OpenOk; }
    bool Output(const QByteArray&) override { return true; }
    QByteArray Input() override {
        QByteArray out;
        out.swap(Incoming);
        return out;
    }
    void SetRThreshold(int) override {}
    int CommEvent() const override { return 0; }
    bool CDHolding() const override { return true; }
    int LastErrorNumber() const override { return 0; }
    QString LastErrorDescription() const override { return {}; }
    QByteArray Incoming;
};

struct Bench {
    QTemporaryDir data;
    test::ManualClock clock;
    MemorySerial serial;
    Platform os;
    Foundation f{os};
    Link link{f};
    test::FakeLinkWindow window;
    Bench() {
        os.Clock = &clock;
        os.Serial = &serial;
        f.gConfiguration.DataPath = data.path();
        link.Windows.Window = &window;
        link.Dialogue.EchoTerminator = "\r\n";
        link.Dialogue.EchoTerminatorLength = 2;
    }
};

// A fetched message of 64 KB: the echo, text lines, the prompt.
QList<QByteArray> ReplyChunks() {
    QByteArray reply = "ty IN.001\r\n";
    const QByteArray prompt = "can0:/$ ";
    for (int line = 0; reply.size() < kReplyBytes - prompt.size(); ++line)
        reply += "Line " + QByteArray::number(line) + " of a long message from the sea, padded out to length.\r\n";
    reply.truncate(kReplyBytes - prompt.size());
    reply += prompt;
    QList<QByteArray> chunks;
    for (qsizetype at = 0; at < reply.size(); at += kChunkBytes) chunks.append(reply.mid(at, kChunkBytes));
    return chunks;
}

void IdleTick(benchmark::State& state) {
    Bench b;
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        Timer1_Timer(b.link);
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    state.counters["FractionOfTickPeriod"] =
        benchmark::Counter(seconds / kTickPeriodSeconds, benchmark::Counter::kAvgIterations);
}
BENCHMARK(IdleTick);

void ReplyOf64KbIn1KbChunks(benchmark::State& state) {
    Bench b;
    const QList<QByteArray> chunks = ReplyChunks();
    int dispatched = 0;
    b.link.Dispatch.Transfer_IN_To_PC = [&](const QString& reply) { dispatched += reply.size() == kReplyBytes; };
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        b.link.Dialogue.DialogueState = 1;
        StampActivity(b.link);
        for (const QByteArray& chunk : chunks) {
            b.serial.Incoming += chunk;
            Timer1_Timer(b.link);
        }
        Timer1_Timer(b.link);  // quiet: the prompt ends the reply
        Timer1_Timer(b.link);  // dispatch
        Timer1_Timer(b.link);  // idle again
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    if (dispatched != int(state.iterations())) state.SkipWithError("the reply was not dispatched whole");
    state.SetBytesProcessed(state.iterations() * kReplyBytes);
    state.counters["FractionOfLineTime"] =
        benchmark::Counter(seconds / (kReplyBytes / kLineBytesPerSecond), benchmark::Counter::kAvgIterations);
}
BENCHMARK(ReplyOf64KbIn1KbChunks);

}  // namespace
