#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include "platform/QtSerialControl.h"
#include "support/FakeSettingsStore.h"
#include "support/PtyPair.h"

using namespace tidepost;

namespace {

struct SettingsCase {
    const char* text;
    bool valid;
    qint32 baud = 0;
    QSerialPort::Parity parity = QSerialPort::NoParity;
    QSerialPort::DataBits data = QSerialPort::Data8;
    QSerialPort::StopBits stop = QSerialPort::OneStop;
};

TEST(SerialSettingsText, ParsesSpeedParityDataAndStopBits) {
    const SettingsCase cases[] = {
        {"115200,n,8,1", true, 115200, QSerialPort::NoParity, QSerialPort::Data8, QSerialPort::OneStop},
        {"9600,E,7,2", true, 9600, QSerialPort::EvenParity, QSerialPort::Data7, QSerialPort::TwoStop},
        {"4800,o,8,1.5", true, 4800, QSerialPort::OddParity, QSerialPort::Data8, QSerialPort::OneAndHalfStop},
        {"19200,m,5,1", true, 19200, QSerialPort::MarkParity, QSerialPort::Data5, QSerialPort::OneStop},
        {"38400,s,6,1", true, 38400, QSerialPort::SpaceParity, QSerialPort::Data6, QSerialPort::OneStop},
        {" 9600 , n , 8 , 1 ", true, 9600, QSerialPort::NoParity, QSerialPort::Data8, QSerialPort::OneStop},
        {"", false},
        {"115200,n,8", false},
        {"115200,n,8,1,1", false},
        {"fast,n,8,1", false},
        {"0,n,8,1", false},
        {"-9600,n,8,1", false},
        {"115200,x,8,1", false},
        {"115200,n,9,1", false},
        {"115200,n,4,1", false},
        {"115200,n,8,3", false},
    };
    for (const SettingsCase& c : cases) {
        SCOPED_TRACE(c.text);
        const std::optional<SerialSettings> s = ParseSerialSettings(c.text);
        ASSERT_EQ(s.has_value(), c.valid);
        if (!c.valid) continue;
        EXPECT_EQ(s->BaudRate, c.baud);
        EXPECT_EQ(s->Parity, c.parity);
        EXPECT_EQ(s->DataBits, c.data);
        EXPECT_EQ(s->StopBits, c.stop);
    }
}

TEST(ComPortDevice, ComesFromTheSettingsStoreElseTheNumberedSerialDevice) {
    test::FakeSettingsStore store;
    store.Save("Tidepost", "Config", "COM2 Device", "/dev/ttyUSB0");
    EXPECT_EQ(ComPortDevice(store, "Tidepost", 2), "/dev/ttyUSB0");
    EXPECT_EQ(ComPortDevice(store, "Tidepost", 1), "/dev/ttyS0");
    EXPECT_EQ(ComPortDevice(store, "Tidepost", 16), "/dev/ttyS15");
    EXPECT_EQ(ComPortDevice(store, "Other", 2), "/dev/ttyS1");
    EXPECT_EQ(ComPortDevice(store, "Tidepost", 0), "");
}

TEST(PinChangeEvents, NameEachChangedLineWithTheCarrierLast) {
    using P = QSerialPort;
    EXPECT_TRUE(PinChangeEvents(P::DataCarrierDetectSignal, P::DataCarrierDetectSignal).isEmpty());
    EXPECT_EQ(PinChangeEvents(P::NoSignal, P::ClearToSendSignal), QList<int>{ISerialControl::EvCTS});
    EXPECT_EQ(PinChangeEvents(P::DataSetReadySignal, P::NoSignal), QList<int>{ISerialControl::EvDSR});
    EXPECT_EQ(PinChangeEvents(P::NoSignal, P::RingIndicatorSignal), QList<int>{ISerialControl::EvRing});
    EXPECT_EQ(PinChangeEvents(P::DataCarrierDetectSignal | P::ClearToSendSignal, P::DataSetReadySignal),
              (QList<int>{ISerialControl::EvCTS, ISerialControl::EvDSR, ISerialControl::EvCD}));
}

// The real port against a pseudo-terminal: the test plays the transceiver on the master side.
struct SerialOnPty : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(pty.IsOpen());
        store.Save("Tidepost", "Config", "COM3 Device", pty.SlavePath());
        port.SetCommPort(3);
        port.SetSettings("115200,n,8,1");
        port.OnComm = [this] { events.append(port.CommEvent()); };
    }
    QByteArray ReadUntil(qsizetype size) {
        QByteArray got;
        (void)QTest::qWaitFor([&] { got += port.Input(); return got.size() >= size; }, 5000);
        return got;
    }

    test::PtyPair pty;
    test::FakeSettingsStore store;
    QtSerialControl port{store, "Tidepost"};
    QList<int> events;
};

TEST_F(SerialOnPty, OpensTheDeviceNamedInTheSettingsStore) {
    EXPECT_FALSE(port.PortOpen());
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.DeviceName(), pty.SlavePath());
    EXPECT_TRUE(port.CDHolding());
    // A second open of an open port fails and leaves it open.
    EXPECT_EQ(port.Open(), ISerialControl::ErrPortOpenFailed);
    EXPECT_TRUE(port.PortOpen());
    port.Close();
    EXPECT_FALSE(port.PortOpen());
    EXPECT_EQ(port.Open(), ISerialControl::OpenOk);
}

TEST_F(SerialOnPty, OpenFailures) {
    struct Case {
        const char* name;
        int port;
        QString settings;
        int result;
    };
    store.Save("Tidepost", "Config", "COM4 Device", "/dev/does-not-exist");
    const Case cases[] = {
        {"no port 0", 0, "115200,n,8,1", ISerialControl::ErrBadPortNumber},
        {"missing device", 4, "115200,n,8,1", ISerialControl::ErrBadPortNumber},
        {"bad settings", 3, "115200,q,8,1", ISerialControl::ErrInvalidSettings},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        port.SetCommPort(c.port);
        port.SetSettings(c.settings);
        EXPECT_EQ(port.Open(), c.result);
        EXPECT_EQ(port.LastErrorNumber(), c.result);
        EXPECT_FALSE(port.LastErrorDescription().isEmpty());
        EXPECT_FALSE(port.PortOpen());
    }
}

TEST_F(SerialOnPty, ALongTextInPiecesArrivesWholeWhileTheDeviceIsSlowerThanTheWrites) {
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    QByteArray text;
    for (int i = 0; i < 30000; ++i) text.append(char('a' + i % 26));
    for (qsizetype at = 0; at < text.size(); at += 100) EXPECT_TRUE(port.Output(text.mid(at, 100)));
    EXPECT_EQ(pty.ReadAtLeast(text.size()), text);
    EXPECT_TRUE(port.PortOpen()) << "a full output buffer is no lost line";
    EXPECT_TRUE(events.isEmpty());
}

TEST_F(SerialOnPty, ProbesOtherPortsWithoutTouchingTheOpenOne) {
    test::PtyPair other;
    ASSERT_TRUE(other.IsOpen());
    store.Save("Tidepost", "Config", "COM4 Device", "/dev/does-not-exist");
    store.Save("Tidepost", "Config", "COM5 Device", other.SlavePath());
    store.Save("Tidepost", "Config", "COM6 Device", pty.SlavePath());  // the open device again
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);

    EXPECT_EQ(port.ProbePort(3), ISerialControl::OpenOk);
    EXPECT_EQ(port.ProbePort(4), ISerialControl::ErrBadPortNumber);
    EXPECT_EQ(port.ProbePort(5), ISerialControl::OpenOk);
    EXPECT_EQ(port.ProbePort(6), ISerialControl::OpenOk);
    EXPECT_EQ(port.ProbePort(0), ISerialControl::ErrBadPortNumber);

    // The live port keeps its number, its settings and its line, both ways.
    EXPECT_TRUE(port.PortOpen());
    EXPECT_EQ(port.CommPort(), 3);
    EXPECT_EQ(port.Settings(), "115200,n,8,1");
    ASSERT_TRUE(pty.Write("can0:/$ "));
    EXPECT_EQ(ReadUntil(8), "can0:/$ ");
    ASSERT_TRUE(port.Output("st -v\r\n"));
    EXPECT_EQ(pty.ReadAtLeast(7), "st -v\r\n");
}

TEST_F(SerialOnPty, WritesEveryByteUnchanged) {
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(static_cast<char>(b));
    const QByteArray line = "st -l\r\n";
    EXPECT_TRUE(port.Output(line));
    EXPECT_TRUE(port.Output(all));
    EXPECT_EQ(pty.ReadAtLeast(line.size() + all.size()), line + all);
}

TEST_F(SerialOnPty, ReadsEverythingWaitingAndRemovesIt) {
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    EXPECT_EQ(port.Input(), QByteArray());
    ASSERT_TRUE(pty.Write("st -l\r\n"));
    ASSERT_TRUE(pty.Write("can0:/$ "));
    EXPECT_EQ(ReadUntil(15), "st -l\r\ncan0:/$ ");
    EXPECT_EQ(port.Input(), QByteArray());
}

// A line that talks faster than the program reads (a device streaming on the wrong port) is taken
// in bounded pieces: what is not read yet stays with the system, not in memory, and every byte
// still arrives, in order.
TEST_F(SerialOnPty, AFastLineIsReadInBoundedPiecesAndNothingIsLost) {
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    QByteArray text(2 * 1024 * 1024, 0);
    for (qsizetype i = 0; i < text.size(); ++i) text[i] = char('a' + i % 26 + (i / 4096) % 2 * ('A' - 'a'));
    std::atomic<qsizetype> written{0};
    std::atomic<bool> stop{false};
    std::thread writer([&] {
        pollfd p{pty.MasterFd(), POLLOUT, 0};
        while (!stop && written < text.size()) {
            if (::poll(&p, 1, 20) <= 0) continue;
            const qsizetype at = written;
            const ssize_t n = ::write(pty.MasterFd(), text.constData() + at, size_t(std::min<qsizetype>(4096, text.size() - at)));
            if (n > 0) written += n;
        }
    });
    (void)QTest::qWaitFor([&] { return written == text.size(); }, 500);
    QByteArray got = port.Input();
    EXPECT_LE(got.size(), kMaxReadBytes);
    (void)QTest::qWaitFor([&] { got += port.Input(); return got.size() >= text.size(); }, 10000);
    stop = true;
    writer.join();
    EXPECT_TRUE(got == text) << got.size();
}

TEST_F(SerialOnPty, ReceiveEventOnlyWhileTheThresholdIsOne) {
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    port.OnComm = [this] {
        events.append(port.CommEvent());
        port.SetRThreshold(0);  // as the link's handler does: one event until it asks again
    };
    port.SetRThreshold(0);
    ASSERT_TRUE(pty.Write("a"));
    QTest::qWait(100);
    EXPECT_TRUE(events.isEmpty());

    port.SetRThreshold(1);
    ASSERT_TRUE(pty.Write("b"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !events.isEmpty(); }, 5000));
    ASSERT_TRUE(pty.Write("c"));
    QTest::qWait(100);
    EXPECT_EQ(events, QList<int>{ISerialControl::EvReceive});
    EXPECT_EQ(ReadUntil(3), "abc");
}

TEST_F(SerialOnPty, HangUpClosesThePortOnce) {
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    port.SetRThreshold(1);
    pty.HangUp();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !port.PortOpen(); }, 5000));
    // Qt would otherwise report the failed read on every pass of the event loop.
    QTest::qWait(200);
    EXPECT_EQ(events, QList<int>{ISerialControl::EvCD});
    EXPECT_EQ(port.CommEvent(), ISerialControl::EvCD);
    EXPECT_FALSE(port.CDHolding());
    EXPECT_EQ(port.LastErrorNumber(), ISerialControl::ErrReadFailed);
    EXPECT_EQ(port.Input(), QByteArray());
    EXPECT_FALSE(port.Output("ver\r\n"));
    EXPECT_EQ(port.LastErrorNumber(), ISerialControl::ErrPortNotOpen);
}

TEST_F(SerialOnPty, ReopensAfterAHangUpOnANewLine) {
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    pty.HangUp();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !port.PortOpen(); }, 5000));

    test::PtyPair next;
    store.Save("Tidepost", "Config", "COM3 Device", next.SlavePath());
    ASSERT_EQ(port.Open(), ISerialControl::OpenOk);
    ASSERT_TRUE(port.Output("ver\r\n"));
    EXPECT_EQ(next.ReadAtLeast(5), "ver\r\n");
}

TEST(QtSerialControl, WriteToAClosedPortFails) {
    test::FakeSettingsStore store;
    QtSerialControl port(store, "Tidepost");
    EXPECT_FALSE(port.Output("ver\r\n"));
    EXPECT_EQ(port.LastErrorNumber(), ISerialControl::ErrPortNotOpen);
    EXPECT_EQ(port.Input(), QByteArray());
    EXPECT_FALSE(port.CDHolding());
}

}  // namespace
