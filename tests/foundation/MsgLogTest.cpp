#include <QDir>
#include <gtest/gtest.h>

#include "foundation/Foundation.h"
#include "foundation/cErrorQueue.h"
#include "foundation/cMsgLog.h"
#include "support/TestPlatform.h"
#include "support/QueuedTexts.h"

using namespace tidepost;

namespace {
class MsgLogTest : public ::testing::Test {
protected:
    MsgLogTest() { f.gConfiguration.DataPath = platform.DataFolder(); }
    QStringList Files(const QString& sub) const {
        return QDir(platform.DataFolder() + "/" + sub).entryList(QDir::Files);
    }

    test::TestPlatform platform;
    Foundation f{platform.Os};
    cMsgLog msgLog{f};
};

struct IndexCase {
    const char* name;
    const char* log;        // strLog
    const char* fileName;   // the index as stored
    QByteArray before;
    const char* reference;
    QByteArray after;
};

// A free-text field of an earlier line holds the reference; only the line that names the
// stored file may go.
const IndexCase kCases[] = {
    {"inbox",
     "in",
     "IN.IDX",
     "IN.001:102:0:0:06-12-31 23:59:812:345:120703-01.in:No:120703-02.in\r\n"
     "IN.002:102:0:0:07-01-01 00:01:100:346:Mem:No:120703-01.in\r\n",
     "120703-01.in",
     "IN.001:102:0:0:06-12-31 23:59:812:345:120703-01.in:No:120703-02.in\r\n"},
    {"sent items",
     "out",
     "OUT.IDX",
     "120703-02.out;Telex;102;x;2012-07-03;09:05;10;<None>;Sent re 120703-01.out;0\r\n"
     "120703-01.out;Telex;102;x;2012-07-03;09:05;10;<None>;Initiated;0\r\n",
     "120703-01.out",
     "120703-02.out;Telex;102;x;2012-07-03;09:05;10;<None>;Sent re 120703-01.out;0\r\n"},
    {"EGC",
     "egc",
     "egc.idx",
     "EGC.001:Unk:-1:-1:-1:Unknown::-1:-1:12070301.egc:No:12070302.egc\r\n"
     "EGC.002:102:31:1:0:2012-07-03 09:05:300:7:Mem:Yes:12070301.egc\r\n"
     "EGC.003:102:31:1:0:2012-07-03 09:05:300:7:Mem:Yes:12070303.egc\r\n",
     "12070301.egc",
     "EGC.001:Unk:-1:-1:-1:Unknown::-1:-1:12070301.egc:No:12070302.egc\r\n"
     "EGC.003:102:31:1:0:2012-07-03 09:05:300:7:Mem:Yes:12070303.egc\r\n"},
    {"only the first of two matching lines, empty lines kept",
     "in",
     "in.idx",
     "\r\nIN.001:102:0:0:06-12-31 23:59:812:345:Mem:No:a.in\r\n\r\nIN.002:102:0:0:06-12-31 23:59:812:345:Mem:No:a.in\r\n",
     "a.in",
     "\r\n\r\nIN.002:102:0:0:06-12-31 23:59:812:345:Mem:No:a.in\r\n"},
    {"a last line without line end",
     "in",
     "in.idx",
     "IN.001:1:0:0:06-12-31 23:59:1:1:Mem:No:a.in\r\nIN.002:1:0:0:06-12-31 23:59:1:1:Mem:No:b.in",
     "b.in",
     "IN.001:1:0:0:06-12-31 23:59:1:1:Mem:No:a.in\r\n"},
    {"CR alone ends the lines: the newest of them goes, the others stay",
     "in",
     "in.idx",
     "IN.001:1:0:0:06-12-31 23:59:1:1:Mem:No:a.in\rIN.002:1:0:0:06-12-31 23:59:1:1:Mem:No:b.in\r",
     "b.in",
     "IN.001:1:0:0:06-12-31 23:59:1:1:Mem:No:a.in\r"},
    {"CR alone, a line in the middle",
     "egc",
     "egc.idx",
     "EGC.001:102:31:1:0:2012-07-03 09:05:300:7:Mem:Yes:1.egc\rEGC.002:102:31:1:0:2012-07-03 09:05:300:7:Mem:Yes:2.egc\r"
     "EGC.003:102:31:1:0:2012-07-03 09:05:300:7:Mem:Yes:3.egc\r",
     "2.egc",
     "EGC.001:102:31:1:0:2012-07-03 09:05:300:7:Mem:Yes:1.egc\rEGC.003:102:31:1:0:2012-07-03 09:05:300:7:Mem:Yes:3.egc\r"},
    {"LF alone and mixed line ends are kept as they are",
     "out",
     "OUT.IDX",
     "a.out;1\nb.out;2\r\nc.out;3\r",
     "b.out",
     "a.out;1\nc.out;3\r"},
    {"no line names the file",
     "in",
     "in.idx",
     "IN.001:1:0:0:06-12-31 23:59:1:1:a.in:No:b.in\r\n",
     "a.in",
     "IN.001:1:0:0:06-12-31 23:59:1:1:a.in:No:b.in\r\n"},
    {"the name must match whole and in case",
     "out",
     "OUT.IDX",
     "x-a.out;1\r\nA.OUT;2\r\na.out2;3\r\n",
     "a.out",
     "x-a.out;1\r\nA.OUT;2\r\na.out2;3\r\n"},
};
}  // namespace

TEST_F(MsgLogTest, RemovesTheFirstLineNamingTheFile) {
    for (const IndexCase& c : kCases) {
        const QString sub = QString("case%1").arg(&c - kCases);
        platform.WriteDataFile(sub + "/" + c.fileName, c.before);
        EXPECT_FALSE(msgLog.DeleteFromMsgLog(c.reference, platform.DataFolder() + "/" + sub, c.log)) << c.name;
        EXPECT_EQ(platform.ReadDataFile(sub + "/" + c.fileName), c.after) << c.name;
        EXPECT_EQ(Files(sub), QStringList{c.fileName}) << c.name;  // no temporary file stays
    }
}

TEST_F(MsgLogTest, FolderWithBackslashesAndTrailingSeparator) {
    platform.WriteDataFile("Inbox/In.Idx", "IN.001:1:0:0:06-12-31 23:59:1:1:Mem:No:a.in\r\nIN.002:x:b.in\r\n");
    QString dir = platform.DataFolder() + "/Inbox\\";
    msgLog.DeleteFromMsgLog("a.in", dir, "in");
    EXPECT_EQ(platform.ReadDataFile("Inbox/In.Idx"), "IN.002:x:b.in\r\n");
}

TEST_F(MsgLogTest, EmptyReferenceTouchesNoFile) {
    QDir(platform.DataFolder()).mkdir("Inbox");
    platform.WriteDataFile("Outbox/OUT.IDX", ";1\r\n");
    msgLog.DeleteFromMsgLog("", platform.DataFolder() + "/Inbox", "in");
    msgLog.DeleteFromMsgLog("", platform.DataFolder() + "/Outbox", "out");
    EXPECT_TRUE(Files("Inbox").isEmpty());
    EXPECT_EQ(platform.ReadDataFile("Outbox/OUT.IDX"), ";1\r\n");
}

TEST_F(MsgLogTest, MissingIndexIsCreatedEmpty) {
    QDir(platform.DataFolder()).mkdir("EGC");
    msgLog.DeleteFromMsgLog("a.egc", platform.DataFolder() + "/EGC", "egc");
    EXPECT_EQ(Files("EGC"), QStringList{"egc.idx"});
    EXPECT_EQ(platform.ReadDataFile("EGC/egc.idx"), "");
}

TEST_F(MsgLogTest, MissingFolderIsQuiet) {
    EXPECT_FALSE(msgLog.DeleteFromMsgLog("a.in", platform.DataFolder() + "/none", "in"));
    EXPECT_FALSE(QFileInfo::exists(platform.DataFolder() + "/none"));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}

TEST_F(MsgLogTest, AnsiBytesOfOtherLinesAreKept) {
    platform.WriteDataFile("in.idx", "IN.001:\xE9t\xE9:No:a.in\r\nIN.002:\xFF\x80:No:b\xE9.in\r\n");
    msgLog.DeleteFromMsgLog(QString::fromUtf8("bé.in"), platform.DataFolder(), "in");
    EXPECT_EQ(platform.ReadDataFile("in.idx"), "IN.001:\xE9t\xE9:No:a.in\r\n");
}

// The message is gone but its line stays in the index: the user must hear of it.
TEST_F(MsgLogTest, IndexThatCannotBeRewrittenOrReadIsReported) {
    const QByteArray index = "IN.001:1:0:0:06-12-31 23:59:1:1:Mem:No:a.in\r\n";
    platform.WriteDataFile("in.idx", index);
    // A folder where the new index would be staged makes the rewrite fail.
    ASSERT_TRUE(QDir(platform.DataFolder()).mkdir("in.tmp"));
    msgLog.DeleteFromMsgLog("a.in", platform.DataFolder(), "in");
    EXPECT_EQ(platform.ReadDataFile("in.idx"), index);

    QDir(platform.DataFolder()).rmdir("in.tmp");
    ASSERT_TRUE(QDir(platform.DataFolder()).mkdir("Outbox"));
    ASSERT_TRUE(QDir(platform.DataFolder()).mkdir("Outbox/OUT.IDX"));
    msgLog.DeleteFromMsgLog("a.out", platform.DataFolder() + "/Outbox", "out");

    QStringList queued;
    queued << test::DrainErrorQueue(f);
    const QString advice = "'.\r\nPlease make sure you have write access to this directory and file, and that the "
                           "file is not opened by another process.";
    EXPECT_EQ(queued, (QStringList{"(cMsgLog.DeleteFromMsgLog) Error '75': Path/File access error.\r\n"
                                   "Could not open the file '" + platform.DataFolder() + "/in.idx" + advice,
                                   "(cMsgLog.DeleteFromMsgLog) Error '70': Permission denied.\r\n"
                                   "Could not open the file '" + platform.DataFolder() + "/Outbox/OUT.IDX" + advice}));
    EXPECT_TRUE(platform.Boxes.Shown.isEmpty());
}
