#include <gtest/gtest.h>

#include "sim/SimShell.h"

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
