#include <gtest/gtest.h>

#include "sim/SimDistressCommands.h"
#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

struct TestModeShell : ::testing::Test {
    // The body between the echo line and the prompt.
    QString Body(const QString& command) {
        const QString reply = shell.ReplyTo(command);
        const QString head = command + shell.EchoTerminator;
        EXPECT_TRUE(reply.startsWith(head)) << command.toStdString();
        EXPECT_TRUE(reply.endsWith(shell.Prompt)) << command.toStdString();
        return reply.mid(head.size(), reply.size() - head.size() - shell.Prompt.size());
    }
    QString Control(const QString& word, const QString& rest = {}) {
        QString said;
        EXPECT_TRUE(DistressControl(shell, word, rest, said));
        return said;
    }
    SimShell shell;
};

TEST_F(TestModeShell, QueryStartAndStopWithTheirNotifications) {
    const QString enabled = "Distress functionality enabled\r\n";
    const QString disabled = "Distress functionality disabled\r\n";
    EXPECT_EQ(Body("se -q"), enabled);
    EXPECT_EQ(Control("distress"), "test-mode off");
    EXPECT_EQ(Body("se -q 1"), disabled);
    EXPECT_EQ(Body("se -q"), disabled);
    EXPECT_EQ(Control("distress"), "test-mode on");
    EXPECT_EQ(Body("st -l"), "INFO 733: Distress buttons test mode entered\r\n");
    EXPECT_EQ(Body("st -l"), "") << "reported once";
    EXPECT_EQ(Body("se -q 1"), disabled);
    EXPECT_EQ(Body("st -l"), "") << "no change, no notification";
    EXPECT_EQ(Body("se -q 0"), enabled);
    EXPECT_EQ(Body("st -l"), "INFO 803: Distress buttons test mode ended\r\n");
    EXPECT_EQ(Control("distress"), "test-mode off");
}

TEST_F(TestModeShell, TransceiversWithoutTheTestModeOrRefusingTheArgument) {
    EXPECT_EQ(Control("test-mode", "not-implemented"), "");
    for (const char* command : {"se -q", "se -q 1", "se -q 0"}) EXPECT_EQ(Body(command), "NOT implemented\r\n");
    EXPECT_EQ(Control("test-mode", "illegal"), "");
    EXPECT_EQ(Body("se -q 1"), "Illegal argument\r\n");
    EXPECT_EQ(Body("se -q 0"), "Illegal argument\r\n");
    EXPECT_EQ(Body("se -q"), "Distress functionality enabled\r\n");
    EXPECT_EQ(Control("distress"), "test-mode off");
    EXPECT_EQ(Control("test-mode", "sometimes"), "? test-mode normal|not-implemented|illegal");
    EXPECT_EQ(shell.Transceiver.TestModeAnswer, "illegal");
    EXPECT_EQ(Control("test-mode", "normal"), "");
    EXPECT_EQ(Body("se -q 1"), "Distress functionality disabled\r\n");
}

TEST_F(TestModeShell, TestEndedAtTheTransceiverIsReported) {
    Body("se -q 1");
    Body("st -l");
    EXPECT_EQ(Control("test-end"), "");
    EXPECT_EQ(Body("se -q"), "Distress functionality enabled\r\n");
    EXPECT_EQ(Body("st -l"), "INFO 803: Distress buttons test mode ended\r\n");
    QString said;
    EXPECT_FALSE(DistressControl(shell, "mute", {}, said));
}

TEST_F(TestModeShell, RepliesFollowTheShellsLineEnds) {
    shell.EchoTerminator = "\r\r\n";
    shell.LineEnd = "\n";
    EXPECT_EQ(shell.ReplyTo("se -q 1"), "se -q 1\r\r\nDistress functionality disabled\n" + shell.Prompt);
}

}  // namespace
