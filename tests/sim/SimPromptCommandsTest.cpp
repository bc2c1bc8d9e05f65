#include <gtest/gtest.h>

#include "sim/SimShell.h"
#include "sim/SimTransceiver.h"

using namespace tidepost::sim;

namespace {

TEST(SimPromptCommands, PasswordChangeAsksThreeTimesWithoutEchoingTheAnswers) {
    for (const auto& [confirmation, result] : {std::pair{"new1", "Password changed"},
                                               std::pair{"new2", "Passwords do not match"}}) {
        QByteArray written;
        SimShell shell([&](const QByteArray& b) { written += b; });
        shell.Receive("passwd\r\n");
        EXPECT_EQ(written, "passwd\r\nEnter password: ");
        written.clear();
        shell.Receive("abc\r\n");
        EXPECT_EQ(written, "\r\nEnter new password: ");
        written.clear();
        shell.Receive("new1\r\n");
        EXPECT_EQ(written, "\r\nConfirm new password: ");
        written.clear();
        shell.Receive(QByteArray(confirmation) + "\r\n");
        EXPECT_EQ(written, QByteArray("\r\n") + result + "\r\ncan0:/$ ");
        EXPECT_EQ(shell.Received, (QStringList{"passwd", "abc", "new1", confirmation}));
        written.clear();
        shell.Receive("st -l\r\n");
        EXPECT_EQ(written, "st -l\r\ncan0:/$ ") << "back to commands";
    }
}

TEST(SimPromptCommands, ConfigurationMenuTakesTheNextLineAsAFileNumber) {
    QByteArray written;
    SimShell shell([&](const QByteArray& b) { written += b; });
    shell.Receive("ro\r\n");
    EXPECT_TRUE(written.startsWith("ro\r\nConfiguration\r\n"));
    EXPECT_TRUE(written.endsWith("Enter filenumber > "));
    written.clear();
    shell.Receive("30\r\n");
    EXPECT_EQ(written, "30\r\nFile 30 selected\r\ncan0:/$ ");
    written.clear();
    shell.Receive("ro\r\n");
    written.clear();
    shell.Receive("x\r\n");
    EXPECT_EQ(written, "x\r\nNot a file number\r\ncan0:/$ ");
}

}  // namespace

namespace {

TEST(SimPromptCommands, RoutingMenuListsEachClassWithItsMask) {
    QByteArray written;
    SimShell shell([&](const QByteArray& b) { written += b; });
    shell.Transceiver.Routes[10] = 3;
    shell.Receive("ro\r\n");
    const QString expected =
        "ro\r\nConfiguration\r\n"
        "10 : Mail                          : 3\r\n"
        "30 : EGC System Messages           : 1\r\n"
        "31 : EGC FleetNET Messages         : 1\r\n"
        "32 : EGC SafetyNET Safety          : 1\r\n"
        "33 : EGC SafetyNET Urgent+Distress : 1\r\n"
        "0  : Exit\r\nEnter filenumber > ";
    EXPECT_EQ(QString::fromLatin1(written), expected);
    written.clear();
    shell.Receive("0\n");  // a bare LF ends the answer too
    EXPECT_EQ(written, "0\r\ncan0:/$ ");
}

TEST(SimPromptCommands, RoutingIsSetByClassAndItsMenuCanLeaveThingsOut) {
    QByteArray written;
    SimShell shell([&](const QByteArray& b) { written += b; });
    shell.Receive("ro 10  3\r\n");
    EXPECT_EQ(written, "ro 10  3\r\ncan0:/$ ");
    EXPECT_EQ(shell.Transceiver.Routes[10], 3);
    for (const char* bad : {"ro 11 1", "ro 10 8", "ro 10", "ro 10 x"}) {
        written.clear();
        shell.Receive(QByteArray(bad) + "\r\n");
        EXPECT_TRUE(written.contains("usage: ro <class> <mask>")) << bad;
    }
    EXPECT_EQ(shell.Transceiver.Routes[10], 3);

    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "route33", "7"));
    EXPECT_EQ(shell.Transceiver.Routes[33], 7);
    EXPECT_FALSE(SetTransceiverValue(shell.Transceiver, "route12", "1"));
    EXPECT_FALSE(SetTransceiverValue(shell.Transceiver, "route10", "9"));
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "ro-omit", "31"));
    written.clear();
    shell.Receive("ro\r\n");
    EXPECT_FALSE(written.contains("31 :"));
    EXPECT_TRUE(written.contains("33 : EGC SafetyNET Urgent+Distress : 7"));
    shell.Receive("0\r\n");
    ASSERT_TRUE(SetTransceiverValue(shell.Transceiver, "ro-omit", "header"));
    written.clear();
    shell.Receive("ro\r\n");
    EXPECT_TRUE(written.startsWith("ro\r\n10 : Mail"));
    EXPECT_FALSE(SetTransceiverValue(shell.Transceiver, "ro-omit", "all"));
}

TEST(SimPromptCommands, PrinterReportGivesWhatWasSetOrTheDefaults) {
    QByteArray written;
    SimShell shell([&](const QByteArray& b) { written += b; });
    shell.Receive("set -z\r\n");
    EXPECT_EQ(written, "set -z\r\nPRINTER=YES\r\nFFEED=NO\r\nPLINES=53\r\nPRTYPEMAX=70\r\nPRTYPEREM=3\r\ncan0:/$ ");
    shell.Receive("se -z PRINTER=OFF\r\n");
    shell.Receive("se -z PLINES=40\r\n");
    written.clear();
    shell.Receive("set -z\r\n");
    EXPECT_EQ(written, "set -z\r\nPRINTER=OFF\r\nFFEED=NO\r\nPLINES=40\r\nPRTYPEMAX=70\r\nPRTYPEREM=3\r\ncan0:/$ ");
}

}  // namespace
