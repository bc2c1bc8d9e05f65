#include <QFile>
#include <gtest/gtest.h>

#include "egc/EgcFixture.h"
#include "egc/EgcIndexLine.h"
#include "messages/EgcCodes.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

struct EgcStore : EgcFixture {
    // Three stored EGCs: two routine (the older of 2006-12-30) and one distress.
    void ThreeStored() {
        WriteIndex("EGC.001:101:31:0:0:2006-12-31 10:00:5:1:+M:No:r2.egc\r\n"
                   "EGC.002:101:31:3:0:2006-12-01 10:00:5:1:+M:Yes:d.egc\r\n"
                   "EGC.003:101:31:0:0:2006-12-30 10:00:5:1:+M:No:r1.egc\r\n");
        for (const char* name : {"r1.egc", "r2.egc", "d.egc"}) WriteEgcFile(name);
    }
};

TEST_F(EgcStore, CleanUpOrderAndLevels) {
    ThreeStored();
    EXPECT_TRUE(CleanUpDisk(e, 0));
    EXPECT_FALSE(QFile::exists(folder + "/r1.egc"));
    EXPECT_TRUE(CleanUpDisk(e, 0));
    EXPECT_FALSE(QFile::exists(folder + "/r2.egc"));
    EXPECT_FALSE(CleanUpDisk(e, 0)) << "a routine EGC displaces routine ones only";
    EXPECT_FALSE(CleanUpDisk(e, 2));
    EXPECT_TRUE(CleanUpDisk(e, 3));
    EXPECT_EQ(EgcFiles(), QStringList{"egc.idx"});
    EXPECT_TRUE(IndexLines().isEmpty());
    EXPECT_FALSE(QFile::exists(folder + "/egc.tmp"));
}

TEST_F(EgcStore, FindOldest) {
    WriteIndex("EGC.001:101:31:0:0:2006-12-31 10:00:5:1:+M:No:a.egc\r\n"
               "EGC.002:101:31:0:0:2006-12-31 10:00:5:1:+M:yes:b.egc\r\n"  // same stamp: the earlier line wins
               "EGC.003:Unk:-1:-1:-1:2006-12-01 10:00:5:-1:Unknown:No:c.egc\r\n"
               "EGC.004:101:31:0:0:Unknown::5:1:+M:No:d.egc\r\n"
               "EGC.005:101:31:1:0:80-05-01 00:00:5:1:+M:No:e.egc\r\n"
               "EGC.006:101:31:1:0:81-05-01 00:00:5:1:+M:YES:f.egc\r\n"
               "EGC.007:101:31:x:0:1990-05-01 00:00:5:1:+M:No:g.egc\r\n");
    EXPECT_EQ(e.gEGC.FindOldestEGC(0, false), "a.egc");
    EXPECT_EQ(e.gEGC.FindOldestEGC(0, true), "b.egc");
    EXPECT_EQ(e.gEGC.FindOldestEGC(1, false), "f.egc") << "81 is 1981, 80 is 2080";
    EXPECT_EQ(e.gEGC.FindOldestEGC(255, false), "");
    EXPECT_EQ(e.gEGC.FindOldestEGC(3, false), "");
    QFile::remove(folder + "/egc.idx");
    EXPECT_EQ(e.gEGC.FindOldestEGC(0, false), "") << "no index, no EGC";
}

TEST_F(EgcStore, DeleteKeepsEveryOtherLineByteForByte) {
    const QByteArray other = "EGC.002:101:31:3:0:2006-12-01 10:00:5:1:+M:Yes:d.egc\n";
    WriteIndex("EGC.001:101:31:0:0:2006-12-31 10:00:5:1:+M:No:a.egc\r\n" + other + "short line\r\nlast");
    WriteEgcFile("a.egc");
    view.Shown = true;
    EXPECT_TRUE(e.gEGC.DeleteEGC("a.egc"));
    EXPECT_EQ(EgcFile("egc.idx"), other + "short line\r\nlast");
    EXPECT_FALSE(QFile::exists(folder + "/a.egc"));
    EXPECT_EQ(view.Reloads, 1);
    // A name not in the index: its file goes, the index stays.
    WriteEgcFile("x.egc");
    EXPECT_FALSE(e.gEGC.DeleteEGC("x.egc"));
    EXPECT_FALSE(QFile::exists(folder + "/x.egc"));
    EXPECT_EQ(EgcFile("egc.idx"), other + "short line\r\nlast");
    // A line whose file is already gone is still removed.
    EXPECT_TRUE(e.gEGC.DeleteEGC("d.egc"));
    EXPECT_EQ(EgcFile("egc.idx"), "short line\r\nlast");
    EXPECT_FALSE(QFile::exists(folder + "/egc.tmp"));
}

TEST_F(EgcStore, DeleteNeverReachesOutsideTheFolder) {
    platform.WriteDataFile("keep.txt", "keep");
    WriteIndex("EGC.001:101:31:0:0:2006-12-31 10:00:5:1:+M:No:../keep.txt\r\n");
    EXPECT_TRUE(e.gEGC.DeleteEGC("../keep.txt"));
    EXPECT_EQ(platform.ReadDataFile("keep.txt"), "keep");
    EXPECT_TRUE(IndexLines().isEmpty());
}

TEST_F(EgcStore, RepairCompletesUnkLinesFromTheLog) {
    WriteIndex("EGC.007:Unk:-1:-1:-1:2006-12-31 14:05:512:-1:Unknown:Yes:a.egc\r\n"
               "EGC.007:Unk:-1:-1:-1:Unknown::-1:-1:Unknown:No:b.egc\r\n"
               "EGC.008:Unk:-1:-1:-1:Unknown::-1:-1:Unknown:No:c.egc\r\n"
               "EGC.009:101:31:0:0:2006-12-31 14:05:512:1:+M:No:d.egc\r\n");
    e.gEGC.RepairEgcLog();
    EXPECT_EQ(IndexLines()[0].split(':')[1], "Unk") << "nothing changes while no log is loaded";
    EgcSpec s;
    s.Les = 5;
    s.Priority = 1;
    s.Date = "07-01-02";
    s.Time = "09:30";
    e.gEGC.DecodeEgcLog(Log({s}));
    view.Shown = true;
    e.gEGC.RepairEgcLog();
    EXPECT_EQ(IndexLines(), (QStringList{"EGC.007:5:31:1:0:2007-01-02 09:30:512:1234:+M:Yes:a.egc",
                                         "EGC.007:5:31:1:0:2007-01-02 09:30:512:1234:+M:No:b.egc",
                                         "EGC.008:Unk:-1:-1:-1:Unknown::-1:-1:Unknown:No:c.egc",
                                         "EGC.009:101:31:0:0:2006-12-31 14:05:512:1:+M:No:d.egc"}));
    EXPECT_EQ(view.Reloads, 1);
    EXPECT_EQ(alarm.Raised, 0);
    EXPECT_FALSE(QFile::exists(folder + "/EGC.BAK"));
}

TEST_F(EgcStore, RepairOfAMissingIndexChangesNothing) {
    e.gEGC.DecodeEgcLog(Log({{7}}));
    e.gEGC.RepairEgcLog();
    EXPECT_EQ(EgcFiles(), QStringList{});
    EXPECT_TRUE(TakeBoxes().isEmpty());
}

TEST_F(EgcStore, IndexLineShapes) {
    EgcLogEntry r;
    r.Les = 5;
    r.Service = 31;
    r.Priority = 2;
    r.Language = 0;
    r.Date = "2006-12-31";
    r.Time = "14:05";
    r.Length = 70000;
    r.RefNo = 99999;
    r.Routing = "Mem";
    r.FileName = "EGC.007";
    EXPECT_EQ(EgcIndexLineText(r, "06123101.egc"), "EGC.007:005:31:2:0:2006-12-31 14:05:70000:99999:Mem:No:06123101.egc");
    r.Les = -1;
    r.Date = r.Time = "Unknown";
    const QString unknown = EgcIndexLineText(r, "x.egc");
    EXPECT_EQ(unknown.split(':').size(), 12);
    EXPECT_TRUE(unknown.startsWith("EGC.007:Unk:"));
    const auto row = EgcRowFromIndexLine(unknown);
    ASSERT_TRUE(row);
    EXPECT_TRUE(row->Urgent);
    EXPECT_TRUE(row->Unread);
    EXPECT_EQ(row->Cells[6], "Unknown");
}

TEST(EgcCodes, DataTexts) {
    EXPECT_EQ(ConvertEGCData(-1), "Unknown");
    EXPECT_EQ(ConvertEGCData(0), "0");
    EXPECT_EQ(ConvertEGCData(-2), "-2");
    EXPECT_EQ(ConvertEGCData(99999), "99999");
    EXPECT_EQ(ConvertEGCServiceNo(44), ConvertEGCServiceNo(34));
    EXPECT_EQ(ConvertEGCServiceNo(73), ConvertEGCServiceNo(72));
    for (int code : {1, 12, 32}) EXPECT_EQ(ConvertEGCServiceNo(code), "Unknown");
}

}  // namespace
