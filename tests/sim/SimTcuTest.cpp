#include <gtest/gtest.h>

#include "sim/SimShell.h"
#include "sim/SimTcu.h"

using namespace tidepost::sim;

namespace {

// The unit in front of a transceiver shell, with everything it writes collected.
struct SimTcuTest : ::testing::Test {
    SimTcuTest() {
        tcu.SetWriter([this](const QByteArray& b) { out += QString::fromLatin1(b); });
        tcu.Connected();
    }
    QString Take() {
        QString s;
        s.swap(out);
        return s;
    }
    void Bridge() {
        tcu.Receive("minic -f\r\n");
        ASSERT_TRUE(tcu.Bridged());
        out.clear();
    }
    SimShell transceiver;
    SimTcuShell tcu{transceiver};
    QString out;
};

TEST_F(SimTcuTest, GreetsWithItsPromptAndAnswersItsOwnCommands) {
    EXPECT_EQ(Take(), "\r\nkv880:/$ ");
    struct Case {
        const char* line;
        const char* answer;
    };
    const Case cases[] = {
        {"", "\r\nkv880:/$ "},
        {"exit", "exit\r\nkv880:/$ "},
        {"sysconf -h 0", "sysconf -h 0\r\nkv880:/$ "},
        {"sysconf -i 192.168.1.50", "sysconf -i 192.168.1.50\r\nkv880:/$ "},
        {"st -l", "st -l\r\nst: command not found\r\nkv880:/$ "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        tcu.Receive(QByteArray(c.line) + "\r\n");
        EXPECT_EQ(Take(), c.answer);
    }
    EXPECT_EQ(tcu.HostMode, 0);
    EXPECT_EQ(tcu.FixedIp, "192.168.1.50");
    EXPECT_FALSE(tcu.Bridged());
    EXPECT_TRUE(transceiver.Received.isEmpty());
}

TEST_F(SimTcuTest, BridgeStartsWithAConnectedLineAndPassesTheTransceiversShellThrough) {
    Take();
    tcu.Receive("\r\nminic -f\r\n");
    EXPECT_EQ(Take(), "\r\nkv880:/$ minic -f\r\nConnected to transceiver\r\n");
    EXPECT_TRUE(tcu.Bridged());

    tcu.Receive("st -l\r\n");
    EXPECT_EQ(Take(), "st -l\r\ncan0:/$ ");
    EXPECT_EQ(transceiver.Received, QStringList{"st -l"});
}

TEST_F(SimTcuTest, BridgeAfterMoreInputInTheSameChunk) {
    Take();
    tcu.Receive("minic -f\r\nst -l\r\n");
    EXPECT_EQ(Take(), "minic -f\r\nConnected to transceiver\r\nst -l\r\ncan0:/$ ");
}

TEST_F(SimTcuTest, ExitEndsTheBridgeOnlyAsAWholeLine) {
    struct Case {
        QList<QByteArray> chunks;
        bool exits;
    };
    const Case cases[] = {
        {{"exit\r\n"}, true},
        {{"ex", "it", "\r", "\n"}, true},
        {{"exit\n"}, true},
        {{"exitx\r\n"}, false},
        {{"xexit\r\n"}, false},
        {{"ex", "x\r\n"}, false},
        {{"exi\r\n"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.chunks.join("|").toStdString());
        Bridge();
        transceiver.Received.clear();
        for (const QByteArray& chunk : c.chunks) tcu.Receive(chunk);
        EXPECT_EQ(tcu.Bridged(), !c.exits);
        if (c.exits) {
            // One answer: the LF of a CR LF does not reach the unit's shell as an empty line.
            EXPECT_EQ(Take(), "exit\r\nkv880:/$ ");
            EXPECT_TRUE(transceiver.Received.isEmpty());
        } else {
            EXPECT_EQ(transceiver.Received.size(), 1);
        }
        tcu.Connected();
        Take();
    }
}

TEST_F(SimTcuTest, EndOfTheBridgeShowsTheUnitsPromptAgain) {
    Bridge();
    tcu.EndBridge();
    EXPECT_FALSE(tcu.Bridged());
    EXPECT_EQ(Take(), "\r\nkv880:/$ ");
    tcu.Receive("\r\n");
    EXPECT_EQ(Take(), "\r\nkv880:/$ ");
}

TEST_F(SimTcuTest, UnitWithoutItsShellOnTheConnection) {
    tcu.BridgeAtConnect = true;
    tcu.Connected();
    Take();
    tcu.Receive("\r\nminic -f\r\n");
    EXPECT_EQ(Take(), "\r\ncan0:/$ minic -f\r\nminic: command not found\r\ncan0:/$ ");
}

TEST_F(SimTcuTest, RebootLeavesTheBridgeAndTellsTheTransport) {
    int reboots = 0;
    tcu.OnReboot = [&] { ++reboots; };
    Take();
    tcu.Receive("reboot\r\n");
    EXPECT_EQ(reboots, 1);
    EXPECT_EQ(Take(), "reboot\r\nRebooting...\r\n");
}

}  // namespace
