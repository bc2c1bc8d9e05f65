// A line that never stops talking: the program as main() builds it, on a pseudo-terminal whose far
// side writes 4 KiB blocks without a prompt as fast as the program reads them, for
// TIDEPOST_BABBLE_SECONDS (default 20). A thread samples the resident memory every 20 ms. The
// baseline is the resident memory of the same program with the line silent, measured just before.
// Target: PeakAboveBaselineMiB within a few MiB of the reply cap (1 Mi characters, 2 MiB of text).
#include <benchmark/benchmark.h>

#include <QFile>
#include <algorithm>
#include <atomic>
#include <cerrno>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include "BenchApplication.h"
#include "BenchProgram.h"

using namespace tidepost;
using namespace tidepost::bench;

namespace {

constexpr int kBlockBytes = 4096;
constexpr int kSampleMs = 20;

double ResidentMiB() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

// Samples the resident memory from a thread of its own, so a long tick does not hide a peak.
class MemorySampler {
public:
    MemorySampler()
        : m_thread([this] {
              while (!m_stop) {
                  const double now = ResidentMiB();
                  double peak = m_peak.load();
                  while (now > peak && !m_peak.compare_exchange_weak(peak, now)) {}
                  double low = m_low.load();
                  while (now < low && !m_low.compare_exchange_weak(low, now)) {}
                  std::this_thread::sleep_for(std::chrono::milliseconds(kSampleMs));
              }
          }) {}
    ~MemorySampler() {
        m_stop = true;
        m_thread.join();
    }
    double Peak() const { return m_peak; }
    double Low() const { return m_low; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<double> m_peak{0};
    std::atomic<double> m_low{1e12};
    std::thread m_thread;
};

// Writes blocks of printable text without a prompt to the pseudo-terminal's far side as fast as
// the program takes them.
class Babbler {
public:
    explicit Babbler(int master)
        : m_thread([this, master] {
              QByteArray block(kBlockBytes, 'x');
              for (int i = 0; i < kBlockBytes; i += 64) block[i + 63] = '\n';
              pollfd p{master, POLLOUT, 0};
              qsizetype at = 0;
              while (!m_stop) {
                  if (::poll(&p, 1, 50) <= 0) continue;
                  const ssize_t n = ::write(master, block.constData() + at, size_t(block.size() - at));
                  if (n < 0 && errno != EAGAIN && errno != EINTR) break;
                  if (n > 0) {
                      m_sent += n;
                      at = (at + n) % block.size();
                  }
              }
          }) {}
    ~Babbler() {
        m_stop = true;
        m_thread.join();
    }
    qint64 Sent() const { return m_sent; }

private:
    std::atomic<bool> m_stop{false};
    std::atomic<qint64> m_sent{0};
    std::thread m_thread;
};

qint64 BabbleMs() {
    const int seconds = qEnvironmentVariableIntValue("TIDEPOST_BABBLE_SECONDS");
    return qint64(seconds > 0 ? seconds : 20) * 1000;
}

void BabblingLineMemory(benchmark::State& state) {
    bench::Application();
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("an earlier benchmark created an application without windows; run this one alone");
        return;
    }
    for (auto _ : state) {
        Program p(Far::TransceiverSilent);
        RunFor(3000);  // started, polling a silent line
        double baseline = 0;
        {
            MemorySampler silent;
            RunFor(2000);
            baseline = silent.Peak();
        }
        MemorySampler sampler;
        qint64 sent = 0;
        {
            Babbler babbler(p.pty.Master);
            RunFor(BabbleMs());
            sent = babbler.Sent();
        }
        state.counters["BaselineMiB"] = baseline;
        state.counters["PeakAboveBaselineMiB"] = sampler.Peak() - baseline;
        state.counters["LowAboveBaselineMiB"] = sampler.Low() - baseline;
        state.counters["EndAboveBaselineMiB"] = ResidentMiB() - baseline;
        state.counters["ReadMiBPerSecond"] = double(sent) / (1024.0 * 1024.0) / (double(BabbleMs()) / 1000.0);
    }
}
BENCHMARK(BabblingLineMemory)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
