// One fetched message whose remote-configuration packet holds SAVEHTML, SAVEISP and GETREMCONFLOG
// with a 30,000-character payload, against a remote log of nearly 4 MB: the decoding, the two
// files written, the provider list reloaded and the log's end sent, all inside the reply handler;
// with logHalved the packet's lines also push the log over the size at which it keeps only its
// newer half. Figures: LongestStallMs (< 50: the dialogue with the transceiver is never held up
// noticeably) and Completed (1 when the packet ran and every command succeeded).
#include <benchmark/benchmark.h>

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>

#include "BenchApplication.h"
#include "StallMeter.h"
#include "foundation/AppSettings.h"
#include "foundation/Definitions.h"
#include "foundation/Foundation.h"
#include "foundation/LogFiles.h"
#include "foundation/UsefullCodePages.h"
#include "link/Link.h"
#include "messages/AddressBookFile.h"
#include "messages/Messages.h"
#include "messages/TransferInToPC.h"
#include "platform/QtSettingsStore.h"
#include "remote/MD5Driver.h"
#include "remote/Remote.h"
#include "sim/SimShell.h"
#include "support/FakeTrayIcon.h"
#include "support/ManualClock.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(bytes);
}

void BM_RemoteConfigPacket(benchmark::State& state) {
    bench::Application();
    QTemporaryDir data;
    QtSettingsStore settings(data.path() + "/config");
    test::ManualClock clock(QDateTime(QDate(2026, 12, 10), QTime(14, 20)));
    test::FakeTrayIcon tray;
    Platform os;
    os.Clock = &clock;
    os.Settings = &settings;
    os.Tray = &tray;
    Foundation f(os);
    f.gConfiguration.DataPath = data.path();
    f.gInboxDir = data.path() + "/Inbox";
    f.gOutboxDir = data.path() + "/sent items/";
    QDir().mkpath(f.gInboxDir);
    QDir().mkpath(f.gOutboxDir);
    f.gIniEntries.Items = {{"[addressbook]", data.path() + "/addressbook/"}, {"[outbox]", f.gOutboxDir}};
    f.gIniEntries.Loaded = f.gIniEntries.LoadTried = true;
    WriteFile(data.path() + "/addressbook/address.dat", "Agent:Telex:7:47123456\r\n");
    InitDestinationTypeNames(f);
    f.gSession.SetMesConnected(true);
    f.gConfiguration.SetLastOcean(kOceanAorW);
    f.gConfiguration.SetDefaultLes(kOceanAorW, "112");
    f.gSession.SetSystemTime(QDateTime(QDate(2026, 12, 10), QTime(14, 20), Qt::UTC));
    f.gSession.SetSystemTimeSet(true);
    SaveAppSetting(f, f.gProductName, "Config", "Remote Password", EncodeHexComplement(f, "secret123"));
    Link link(f);
    link.Dialogue.EchoTerminator = "\r\n";
    link.Dialogue.EchoTerminatorLength = 2;
    link.Dialogue.CurrentPrompt = "can0:/$ ";
    Messages m(f, link);
    ReadAddressBookFile(m);
    Remote remote(f, link, m);
    RegisterRemoteConfig(remote);

    QString payload = "VERSION 100\r\n";
    for (int i = 0; payload.size() < 30000; ++i)
        payload += QString("Provider %1|101|102|203|301||To: |||||E-Mail|1234|||||\r\n").arg(i);
    const QByteArray logLine = "2026-12-10 14:00:00  Remote configuration packet found\r\n";
    QByteArray bigLog;
    // Just below the size at which the log keeps only its newest half (so the packet's own lines
    // make it do so), or 256 KB short of it.
    const qsizetype logSize = state.range(0) ? kMaxLogBytes : kMaxLogBytes - 256 * 1024;
    while (bigLog.size() + logLine.size() < logSize) bigLog += logLine;

    double stall = 0;
    bool completed = true;
    int number = 0;
    for (auto _ : state) {
        state.PauseTiming();
        WriteFile(data.path() + "/RemoteLog.txt", bigLog);
        // Each packet differs, so none is a copy of one carried out before.
        const QString text = "$XYWGHJIP$" + GetMD5Hex(f.Os.Codec, "2026121014secret123") +
                             "$SAVEHTML#forms\\\\order$SAVEISP$GETREMCONFLOG#Agent&10000$PIJHGWYX$\r\n" + payload +
                             "Run " + QString::number(++number) + "|101|102|203|301||To: |||||E-Mail|1234|||||\r\n";
        sim::SimShell shell;
        sim::SimMessage message;
        message.Number = 1;
        message.Received = QDateTime(QDate(2026, 12, 10), QTime(14, 19), Qt::UTC);
        message.Body = text;
        shell.Inbox.Add(message);
        const QString reply = shell.ReplyTo("ty IN.001 -b -k");
        link.Dialogue.CommandQueue.clear();
        test::DrainErrorQueue(f);
        state.ResumeTiming();

        bench::StallMeter meter(5);
        QEventLoop loop;
        meter.Start();
        QTimer::singleShot(20, [&] { Transfer_IN_To_PC(m, reply); });
        QTimer::singleShot(200, &loop, &QEventLoop::quit);
        loop.exec();
        stall = std::max(stall, meter.LongestMs());

        state.PauseTiming();
        const QStringList boxes = test::DrainErrorQueue(f);
        completed = completed && boxes == QStringList{"Remote configuration completed successfully."};
        state.ResumeTiming();
    }
    state.counters["LongestStallMs"] = stall;
    state.counters["Completed"] = completed ? 1 : 0;
}
BENCHMARK(BM_RemoteConfigPacket)->Arg(0)->Arg(1)->ArgName("logHalved")->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
