// The link settings dialog must never hold the event loop: a 10 ms heartbeat measures the longest
// gap between its ticks (a) while the dialog loads, probing sixteen serial ports, each a real
// pseudo-terminal, one of them the open link, and (b) during a LAN OK against a unit that answers
// "minic -f" 2 s late, until the dialog has closed. The baseline is the same loop, as long, with
// the dialog idle. ProbeMs is the time of the sixteen probes alone. Target: MaxStallMs under 50 ms.
#include <benchmark/benchmark.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QComboBox>
#include <QCoreApplication>
#include <QWidget>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <pty.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

#include "BenchApplication.h"
#include "StallMeter.h"
#include "foundation/AppSettings.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/CommSettingsForm.h"
#include "link/Link.h"
#include "link/SerialLink.h"
#include "platform/QtSerialControl.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSocketControl.h"
#include "platform/SystemClock.h"

using namespace tidepost;

namespace {

constexpr int kHeartbeatMs = 10;
constexpr int kPorts = 16;
constexpr int kLateAnswerMs = 2000;

// A unit that answers the bridge start late and says nothing else.
class LateUnit {
public:
    LateUnit() {
        QObject::connect(&m_server, &QTcpServer::newConnection, &m_server, [this] {
            while (QTcpSocket* client = m_server.nextPendingConnection()) {
                m_client = client;
                QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                    if (!client->readAll().contains("minic -f")) return;
                    QTimer::singleShot(kLateAnswerMs, client, [client] {
                        client->write("minic -f\r\nConnected to transceiver\r\n");
                        client->flush();
                    });
                });
            }
        });
    }
    bool Listen() { return m_server.listen(QHostAddress::LocalHost, 0); }
    quint16 Port() const { return m_server.serverPort(); }

private:
    QTcpServer m_server;
    QPointer<QTcpSocket> m_client;
};

struct Ptys {
    std::vector<int> fds;
    QStringList names;
    Ptys() {
        for (int i = 0; i < kPorts; ++i) {
            int master = -1, slave = -1;
            char name[256] = {};
            if (::openpty(&master, &slave, name, nullptr, nullptr) != 0) return;
            termios raw{};
            ::tcgetattr(slave, &raw);
            ::cfmakeraw(&raw);
            ::tcsetattr(slave, TCSANOW, &raw);
            fds.push_back(master);
            fds.push_back(slave);
            names.append(QString::fromLocal8Bit(name));
        }
    }
    ~Ptys() {
        for (int fd : fds) ::close(fd);
    }
};

struct Bench {
    QTemporaryDir data;
    QTemporaryDir config;
    QtSettingsStore store{config.path()};
    SystemClock clock;
    QtSerialControl serial{store, "Tidepost"};
    QtSocketControl socket;
    Ptys ptys;
    LateUnit unit;
    Platform os;
    Foundation f{os};
    Link link{f};
    bool ready = false;

    Bench() {
        os.Settings = &store;
        os.Clock = &clock;
        os.Serial = &serial;
        os.Socket = &socket;
        f.gConfiguration.DataPath = data.path();
        ReadIniFile(f);
        if (ptys.names.size() != kPorts || !unit.Listen()) return;
        for (int n = 1; n <= kPorts; ++n)
            SaveAppSetting(f, "Tidepost", "Config", QString("COM%1 Device").arg(n), ptys.names[n - 1]);
        SaveAppSetting(f, f.gProductName, "Config", "TCU Port", QString::number(unit.Port()));
        ready = OpenComPort(f, 3, "115200,n,8,1");
    }
};

// Runs `work` inside an event loop with the heartbeat going and returns the longest gap between
// heartbeats; the loop ends when `done` holds (checked on every heartbeat).
template <typename Work, typename Done>
double LongestStallMs(Work work, Done done) {
    QEventLoop loop;
    bench::StallMeter heartbeat(kHeartbeatMs);
    heartbeat.OnBeat = [&] {
        if (done()) loop.quit();
    };
    heartbeat.Start();
    QTimer::singleShot(0, &loop, work);
    loop.exec();
    return heartbeat.LongestMs();
}

void CommSettingsDialogStalls(benchmark::State& state) {
    bench::Application();
    if (!bench::CanBuildWindows()) {
        state.SkipWithError("needs a QApplication");
        return;
    }
    Bench b;
    if (!b.ready) {
        state.SkipWithError("no pseudo-terminals or no loopback port");
        return;
    }
    // In the program the main window is up before the dialog: the style and fonts are loaded.
    {
        QWidget mainWindow;
        auto* box = new QComboBox(&mainWindow);
        box->addItem("warm-up");
        mainWindow.show();
        QCoreApplication::processEvents();
    }
    double openStall = 0, okStall = 0, baselineStall = 0, portsListed = 0, probeMs = 0;
    bool linkOpen = false;
    for (auto _ : state) {
        std::unique_ptr<CommSettingsForm> form;
        // The LAN OK of the iteration before closed it.
        OpenComPort(b.f, 3, "115200,n,8,1");
        openStall = std::max(openStall, LongestStallMs(
                                            [&] {
                                                form = std::make_unique<CommSettingsForm>(b.link, nullptr);
                                                form->show();
                                            },
                                            [&] { return form && form->isVisible(); }));
        portsListed = form->findChild<QComboBox*>("ComPortList")->count();
        linkOpen = b.serial.PortOpen();
        {
            QElapsedTimer t;
            t.start();
            for (int n = 1; n <= kPorts; ++n) IsComPortAvailable(b.f, n);
            probeMs = std::max(probeMs, double(t.nsecsElapsed()) / 1e6);
        }

        QElapsedTimer okTime;
        okTime.start();
        okStall = std::max(okStall, LongestStallMs(
                                        [&] {
                                            form->findChild<QComboBox*>("TcuIpAdrList")->setEditText("127.0.0.1");
                                            form->OKButton_Click();
                                        },
                                        [&] { return !form->IsWaiting() && okTime.elapsed() > 100; }));
        const qint64 okMs = okTime.elapsed();

        QElapsedTimer idle;
        idle.start();
        baselineStall = std::max(baselineStall, LongestStallMs([] {}, [&] { return idle.elapsed() >= okMs; }));
        form->hide();
        b.socket.Close();
        b.f.gSession.ConnectedToTCU = false;
    }
    state.counters["ProbeMs"] = probeMs;
    if (portsListed != kPorts || !linkOpen) state.SkipWithError("the probe lost a port or the open link");
    state.counters["OpenMaxStallMs"] = openStall;
    state.counters["LanOkMaxStallMs"] = okStall;
    state.counters["MaxStallMs"] = std::max(openStall, okStall);
    state.counters["BaselineMaxStallMs"] = baselineStall;
    state.counters["StallVsBaseline"] = baselineStall > 0 ? std::max(openStall, okStall) / baselineStall : 0;
}
BENCHMARK(CommSettingsDialogStalls)->Iterations(2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
