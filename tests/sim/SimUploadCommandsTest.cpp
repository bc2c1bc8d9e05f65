#include <gtest/gtest.h>

#include "sim/SimShell.h"

using namespace tidepost::sim;

namespace {

const QDateTime kWritten(QDate(2026, 12, 10), QTime(9, 5), Qt::UTC);

struct UploadShell : ::testing::Test {
    UploadShell() { shell.Uploads.Put({"AB123456.TXT", QString(250, 'x'), kWritten}); }
    SimShell shell;
};

TEST_F(UploadShell, ListsAnUploadInEitherLayout) {
    EXPECT_EQ(shell.ReplyTo("ls AB123456.TXT"),
              "ls AB123456.TXT\r\nName     Num     Size  Date      Time\r\n"
              "AB123456.TXT       250  26-12-10  09:05\r\n   1843200 bytes free\r\ncan0:/$ ");
    shell.Inbox.ListingLayout = 2;
    EXPECT_EQ(shell.ReplyTo("ls AB123456.TXT"),
              "ls AB123456.TXT\r\nDirectory of AB123456.TXT\r\n"
              "AB123456     .TXT                   26-12-10  09:05     250 bytes\r\n1 file(s)\r\ncan0:/$ ");
    EXPECT_EQ(shell.ReplyTo("ls XY000001.TXT"), "ls XY000001.TXT\r\nls: XY000001.TXT: no such file\r\ncan0:/$ ");
}

TEST_F(UploadShell, DeletesUploadsBesideReceivedMessages) {
    EXPECT_EQ(shell.ReplyTo("delete AB123456.TXT"), "delete AB123456.TXT\r\ncan0:/$ ");
    EXPECT_TRUE(shell.Uploads.Files.isEmpty());
    EXPECT_EQ(shell.ReplyTo("delete AB123456.TXT"),
              "delete AB123456.TXT\r\ndelete: AB123456.TXT: no such file\r\ncan0:/$ ");
}

TEST_F(UploadShell, SubmissionIsRefusedOnceWhenAnErrorIsChosen) {
    EXPECT_EQ(shell.ReplyTo("tx AB123456.TXT -l 112"), "tx AB123456.TXT -l 112\r\ncan0:/$ ");
    shell.Uploads.NextTxError = "ERROR 121: DNID not found";
    EXPECT_EQ(shell.ReplyTo("tx AB123456.TXT -l 112"), "tx AB123456.TXT -l 112\r\nERROR 121: DNID not found\r\ncan0:/$ ");
    EXPECT_EQ(shell.ReplyTo("tx AB123456.TXT -l 112"), "tx AB123456.TXT -l 112\r\ncan0:/$ ");
}

TEST_F(UploadShell, DistressGeneratorSettingsBlock) {
    shell.Transceiver.Utc = QDateTime(QDate(2026, 12, 10), QTime(12, 30), Qt::UTC);
    EXPECT_EQ(shell.ReplyTo("se -g"),
              "se -g\r\nParameters for Distress Alert Generator\r\n"
              "Current LES/NCS Id: 112\r\n"
              "Nature of Distress: U\r\n"
              "Position          : 55 40 12 N 012 35 47 E\r\n"
              "Time of Position  : 12:30\r\n"
              "Course            : 090 deg/true\r\n"
              "Speed             : 11 knots\r\ncan0:/$ ");
}

}  // namespace
