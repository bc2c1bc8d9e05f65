#pragma once
// The program as main() builds it, for the benchmarks that run the real main window: the real
// adapters over temporary folders, and the far side (a simulated transceiver on a
// pseudo-terminal, or an SLP responder) in a thread of its own.
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <ctime>
#include <functional>
#include <memory>
#include <pthread.h>
#include <unistd.h>

#include "BenchPty.h"
#include "foundation/Foundation.h"
#include "foundation/IniFile.h"
#include "link/Link.h"
#include "messages/Messages.h"
#include "mainwindow/MainForm.h"
#include "platform/IMessageBoxes.h"
#include "platform/LinuxOsFacts.h"
#include "platform/ProcessSoundPlayer.h"
#include "platform/QtDiskSpace.h"
#include "platform/QtSerialControl.h"
#include "platform/QtSettingsStore.h"
#include "platform/QtSlpDiscovery.h"
#include "platform/QtSocketControl.h"
#include "platform/QtTrayIcon.h"
#include "platform/SystemClock.h"
#include "sim/SimShell.h"
#include "sim/SimSlpResponder.h"
#include "sim/SimTransport.h"

namespace tidepost::bench {

inline double CpuMs(clockid_t clock) {
    timespec t{};
    ::clock_gettime(clock, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

inline double ProcessCpuMs() { return CpuMs(CLOCK_PROCESS_CPUTIME_ID); }

// A box would stop the loop until someone answers; these are answered at once and counted.
class CountingBoxes : public IMessageBoxes {
public:
    MsgAnswer Show(const MessageBoxRequest&, QWidget* = nullptr) override {
        ++Shown;
        return MsgAnswer::Ok;
    }
    void SetDefaultOwner(QWidget*) override {}
    int ShowDialog(QDialog&) override {
        ++Shown;
        return 0;
    }
    int Shown = 0;
};

// The far side: what `build` makes lives in this thread and is served by its event loop.
class PeerThread : public QThread {
public:
    explicit PeerThread(std::function<std::shared_ptr<void>()> build) : m_build(std::move(build)) {}
    ~PeerThread() override {
        quit();
        wait();
    }
    void StartAndWait() {
        start();
        m_ready.acquire();
    }
    // Processor time of this thread so far; only while it runs.
    double CpuMsSoFar() const { return CpuMs(m_clock.load()); }

protected:
    void run() override {
        const std::shared_ptr<void> peers = m_build();
        clockid_t clock{};
        ::pthread_getcpuclockid(::pthread_self(), &clock);
        m_clock = clock;
        m_ready.release();
        exec();
    }

private:
    std::function<std::shared_ptr<void>()> m_build;
    std::atomic<clockid_t> m_clock{};
    QSemaphore m_ready;
};

enum class Far { TransceiverAnswering, TransceiverSilent, NoUnitOnTheNetwork };

// What a benchmark may add to the program: the message area behind the main window's folder
// views (as the application has it), and files written into the data folder before the start.
struct ProgramOptions {
    bool WithMessages = false;
    std::function<void(const QString& dataFolder)> PrepareData;
};

// The program as main() builds it, with its settings store, data folder and program folder in
// temporary folders, and the far side in its thread.
struct Program {
    QTemporaryDir programDir;
    QTemporaryDir dataDir;
    QTemporaryDir configDir;
    QtSettingsStore store{configDir.path()};
    CountingBoxes boxes;
    SystemClock clock;
    LinuxOsFacts osFacts;
    QtTrayIcon tray;
    ProcessSoundPlayer sound;
    QtDiskSpace disk;
    Platform os;
    Foundation f{os};
    QtSerialControl serial{store, f.gProductName};
    QtSocketControl socket;
    QtSlpDiscovery discovery{programDir.path()};
    Link link{f};
    Messages messages{f, link};
    Pty pty;
    std::unique_ptr<PeerThread> peer;
    std::unique_ptr<MainForm> form;

    // Milliseconds from the main window's creation until it was loaded and shown.
    double LoadMs = 0;

    explicit Program(Far far, const ProgramOptions& options = {}) {
        os.Settings = &store;
        os.Boxes = &boxes;
        os.Clock = &clock;
        os.OsFacts = &osFacts;
        os.Tray = &tray;
        os.Sound = &sound;
        os.Disk = &disk;
        os.Serial = &serial;
        os.Socket = &socket;
        os.Slp = &discovery;
        os.ProgramFolder = programDir.path();

        QList<KeyValuePair> settings = ParseIniFileText(DefaultIniFileText(dataDir.path()));
        const auto set = [&settings](const QString& key, const QString& value) {
            for (KeyValuePair& entry : settings)
                if (entry.Key == key) {
                    entry.Value = value;
                    return;
                }
            settings.append({key, value});
        };
        // The PC-clock question has been answered and the disclaimer accepted, so no dialog waits
        // for the user.
        set("[SETPCTIME]", "No");
        set("[AS IS Accepted?]", "YES");
        if (far == Far::NoUnitOnTheNetwork) {
            set("[HOST Interface]", "LAN");
            set("[IP Settings]", "");
            quint16 slpPort = 0;
            peer = std::make_unique<PeerThread>([&slpPort]() -> std::shared_ptr<void> {
                auto responder = std::make_shared<sim::SimSlpResponder>();
                responder->Listen(QHostAddress::LocalHost, 0);
                slpPort = responder->Port();
                return responder;
            });
            peer->StartAndWait();
            store.Save(f.gProductName, "Config", "SLP Target", QString("127.0.0.1:%1").arg(slpPort));
        } else {
            set("[HOST Interface]", "COM");
            set("[COM port]", "1");
            store.Save(f.gProductName, "Config", "COM1 Device", pty.SlavePath);
            const int master = pty.Master;
            const bool mute = far == Far::TransceiverSilent;
            peer = std::make_unique<PeerThread>([master, mute]() -> std::shared_ptr<void> {
                struct Transceiver {
                    sim::SimShell Shell;
                    std::unique_ptr<sim::SimFdTransport> Transport;
                };
                auto t = std::make_shared<Transceiver>();
                t->Shell.Mute = mute;
                t->Transport = std::make_unique<sim::SimFdTransport>(t->Shell, master);
                return t;
            });
            peer->StartAndWait();
        }

        QFile marker(QDir(programDir.path()).filePath("DataPath.txt"));
        if (marker.open(QIODevice::WriteOnly)) marker.write(dataDir.path().toLocal8Bit());
        marker.close();
        QFile ini(QDir(dataDir.path()).filePath("Tidepost.ini"));
        if (ini.open(QIODevice::WriteOnly)) ini.write(os.Codec.Encode(IniFileText(settings)));
        ini.close();

        if (options.PrepareData) options.PrepareData(dataDir.path());

        QElapsedTimer started;
        started.start();
        form = std::make_unique<MainForm>(f, link, options.WithMessages ? &messages : nullptr);
        boxes.SetDefaultOwner(form.get());
        form->Form_Load({"tidepost"});
        form->show();
        LoadMs = double(started.nsecsElapsed()) / 1e6;
    }

    ~Program() {
        form.reset();
        peer.reset();
    }
};

inline void RunFor(qint64 ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

}  // namespace tidepost::bench
