#include <QDir>
#include <functional>
#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "foundation/ILog.h"
#include "foundation/LogFiles.h"
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

namespace {
// Lines of different lengths, so the cut falls inside a line, up to 40 bytes below the limit:
// one more line stays below it, the next goes past.
QByteArray OldLog() {
    QByteArray log;
    for (int i = 0; log.size() < kMaxLogBytes - 300; ++i)
        log += "old line " + QByteArray::number(i) + " " + QByteArray(i % 97, 'x') + "\r\n";
    return log + "old line last " + QByteArray(kMaxLogBytes - 40 - log.size() - 16, 'x') + "\r\n";
}
}  // namespace

// An error log on a PC that has run for years: past its limit it keeps its newest half, every
// line whole, and goes on growing from there.
TEST_F(LogsTest, LogPastItsLimitKeepsItsNewestHalfInWholeLines) {
    const struct {
        const char* file;
        std::function<void(const QString&)> write;
        QByteArray line;
    } writers[] = {
        {"ErrorLog.txt", [&](const QString& text) { ErrorLog(f).AddLine(text); }, "2012-7-3 9:5:0 newest\r\n"},
        {"RemoteLog.txt",
         [&](const QString& text) {
             cLog log(f);
             log.SetLogFile("RemoteLog.txt");
             EXPECT_TRUE(log.Log(text));
         },
         "2012-07-03 09:05:00  newest\r\n"},
    };
    const QByteArray old = OldLog();
    for (const auto& w : writers) {
        SCOPED_TRACE(w.file);
        platform.WriteDataFile(w.file, old);
        w.write("still below");
        const QByteArray below = platform.ReadDataFile(w.file);
        ASSERT_LE(below.size(), kMaxLogBytes);
        ASSERT_TRUE(below.startsWith(old));

        w.write("newest");
        const QByteArray full = below + w.line;
        const QByteArray kept = platform.ReadDataFile(w.file);
        ASSERT_LT(kept.size(), full.size()) << "the log was cut";
        EXPECT_TRUE(full.endsWith(kept)) << "the newest part, unchanged";
        EXPECT_EQ(full.at(full.size() - kept.size() - 1), '\n') << "cut where a line starts";
        EXPECT_TRUE(kept.startsWith("old line "));
        EXPECT_LE(kept.size(), full.size() / 2);
        EXPECT_GT(kept.size(), full.size() / 2 - 120);

        w.write("after");
        EXPECT_TRUE(platform.ReadDataFile(w.file).startsWith(kept));
    }
    EXPECT_EQ(QDir(platform.DataFolder()).entryList(QDir::Files), (QStringList{"ErrorLog.txt", "RemoteLog.txt"}))
        << "no staging file stays";
}
