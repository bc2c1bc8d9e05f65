#include <QDir>
#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "foundation/ILog.h"
#include "foundation/cErrorLog.h"
#include "support/TestPlatform.h"

using namespace tidepost;

namespace {
class LogsTest : public ::testing::Test {
protected:
    LogsTest() { f.gConfiguration.DataPath = platform.DataFolder(); }
    test::TestPlatform platform;
    Foundation f{platform.Os};
};
}  // namespace

TEST_F(LogsTest, ErrorLogLineHasUnpaddedTime) {
    ErrorLog(f).AddLine("x");
    EXPECT_EQ(platform.ReadDataFile("ErrorLog.txt"), "2012-7-3 9:5:0 x\r\n");
    platform.Clock.Set(QDateTime(QDate(2012, 12, 31), QTime(23, 59, 58)));
    ErrorLog(f).AddLine("y");
    EXPECT_EQ(platform.ReadDataFile("ErrorLog.txt"), "2012-7-3 9:5:0 x\r\n2012-12-31 23:59:58 y\r\n");
}

TEST_F(LogsTest, ErrorLogIsCreatedOnceAndKept) {
    EXPECT_EQ(f.gErrorLog, nullptr);
    cErrorLog& log = ErrorLog(f);
    EXPECT_EQ(&ErrorLog(f), &log);
}

TEST_F(LogsTest, LogLineHasPaddedTimeAndTwoBlanks) {
    cLog log(f);
    log.SetLogFile("ErrorLog.txt");
    EXPECT_TRUE(log.Log("x"));
    EXPECT_EQ(platform.ReadDataFile("ErrorLog.txt"), "2012-07-03 09:05:00  x\r\n");
}

TEST_F(LogsTest, LinesAreAnsiText) {
    cLog log(f);
    log.SetLogFile("RemoteLog.txt");
    ASSERT_TRUE(log.Log(QString::fromUtf8("Å ü €")));
    EXPECT_EQ(platform.ReadDataFile("RemoteLog.txt"), QByteArray("2012-07-03 09:05:00  \xC5 \xFC \x80\r\n"));
}

TEST_F(LogsTest, LogFindsTheFileWhateverItsCase) {
    platform.WriteDataFile("REMOTELOG.TXT", "old\r\n");
    cLog log(f);
    log.SetLogFile("RemoteLog.txt");
    ASSERT_TRUE(log.Log("new"));
    EXPECT_EQ(platform.ReadDataFile("REMOTELOG.TXT"), "old\r\n2012-07-03 09:05:00  new\r\n");
    EXPECT_FALSE(QFileInfo::exists(platform.DataFolder() + "/RemoteLog.txt"));
}

TEST_F(LogsTest, LogWithoutFileNameWritesNothing) {
    cLog log(f);
    EXPECT_FALSE(log.Log("x"));
    EXPECT_TRUE(QDir(platform.DataFolder()).isEmpty());
}

TEST_F(LogsTest, BaseWriterLogsNothing) {
    ILog none;
    none.SetLogFile("ErrorLog.txt");
    EXPECT_FALSE(none.Log("x"));
    EXPECT_TRUE(QDir(platform.DataFolder()).isEmpty());
}

TEST_F(LogsTest, UnwritableDataFolderLosesTheLineSilently) {
    // A data folder that is a file, or missing: root may write anywhere, so no permission bits.
    const QString fileAsFolder = platform.WriteDataFile("not-a-folder", "x");
    for (const QString& dataPath : {fileAsFolder, platform.DataFolder() + "/missing", QString()}) {
        f.gConfiguration.DataPath = dataPath;
        ErrorLog(f).AddLine("lost");
        cLog log(f);
        log.SetLogFile("ErrorLog.txt");
        EXPECT_FALSE(log.Log("lost")) << dataPath.toStdString();
    }
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
    EXPECT_EQ(QDir(platform.DataFolder()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"not-a-folder"});
}
