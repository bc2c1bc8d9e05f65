#include <gtest/gtest.h>

#include "sim/SimShell.h"
#include "sim/SimTcu.h"
#include "sim/SimTcuControl.h"

using namespace tidepost::sim;

namespace {

struct SimTcuControlTest : ::testing::Test {
    SimTcuControlTest() { server.Tcu.SetWriter([this](const QByteArray& b) { out += QString::fromLatin1(b); }); }
    void Control(const QString& line) {
        ASSERT_TRUE(TcuControl(server, line.section(' ', 0, 0), line.section(' ', 1).trimmed())) << line.toStdString();
    }
    SimShell transceiver;
    SimTcuServer server{transceiver};
    QString out;
};

TEST_F(SimTcuControlTest, BridgeAnswerCanBeSetAndPutBack) {
    Control("tcu-answer minic: command not found");
    server.Tcu.Connected();
    out.clear();
    server.Tcu.Receive("minic -f\r\n");
    EXPECT_EQ(out, "minic -f\r\nminic: command not found\r\n");
    EXPECT_TRUE(server.Tcu.Bridged());

    Control("tcu-answer");
    server.Tcu.Connected();
    out.clear();
    server.Tcu.Receive("minic -f\r\n");
    EXPECT_EQ(out, "minic -f\r\nConnected to transceiver\r\n");
}

TEST_F(SimTcuControlTest, MutedUnitReadsEveryLineAndAnswersNone) {
    server.Tcu.Connected();
    out.clear();
    Control("tcu-mute");
    server.Tcu.Receive("\r\nminic -f\r\nreboot\r\n");
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(server.Tcu.Received, (QStringList{"", "minic -f", "reboot"}));
    EXPECT_FALSE(server.Tcu.Bridged());

    Control("tcu-unmute");
    server.Tcu.Receive("minic -f\r\n");
    EXPECT_EQ(out, "minic -f\r\nConnected to transceiver\r\n");
}

TEST_F(SimTcuControlTest, OtherWordsAreNotTheUnits) {
    EXPECT_FALSE(TcuControl(server, "mute", ""));
    EXPECT_FALSE(TcuControl(server, "tcu-drop", ""));
    EXPECT_FALSE(server.Tcu.Mute);
}

TEST_F(SimTcuControlTest, TracePrintsTheLinesOfBothShellsAsTheyAreRead) {
    QStringList printed;
    TraceShells(transceiver, &server, [&](const QString& line) { printed.append(line); });
    server.Tcu.Connected();
    server.Tcu.Receive("\r\nsysconf -i 1.2.3.4\r\nminic -f\r\nst -v\r\nexit\r\n");
    EXPECT_EQ(printed, (QStringList{"TCU reads \"\"", "TCU reads \"sysconf -i 1.2.3.4\"", "TCU reads \"minic -f\"",
                                    "MES reads \"st -v\"", "TCU reads \"exit\""}));
    printed.clear();
    server.Tcu.Receive("a\tb\"\r\n");
    EXPECT_EQ(printed, QStringList{"TCU reads \"a\\x09b\\x22\""});
}

}  // namespace
