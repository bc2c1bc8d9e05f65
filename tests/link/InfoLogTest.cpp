#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "foundation/Foundation.h"
#include "link/InfoHandler.h"
#include "link/cInfoLog.h"
#include "support/TestPlatform.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

const QDateTime kWhen(QDate(2012, 7, 3), QTime(9, 5, 7));

struct InfoLog : ::testing::Test {
    void SetUp() override { f.gConfiguration.DataPath = platform.DataFolder(); }
    QByteArray File() const { return platform.ReadDataFile("InfoLog.txt"); }
    QList<QByteArray> FileLines() const {
        QList<QByteArray> lines = File().split('\n');
        if (!lines.isEmpty() && lines.last().isEmpty()) lines.removeLast();
        return lines;
    }
    // A log of n lines, numbered 1 (newest) to n.
    void WriteLog(int n) const {
        QByteArray content;
        for (int i = 1; i <= n; ++i) content += "2012-07-01 10:00:00\x02" "1\x02" + QByteArray::number(i) + "\x02old " + QByteArray::number(i) + "\r\n";
        platform.WriteDataFile("InfoLog.txt", content);
    }

    TestPlatform platform;
    Foundation f{platform.Os};
    cInfoLog log{f};
};

TEST(CleanInfoText, PutsTheTextOnOneLine) {
    struct Case {
        QString text;
        QString expected;
    } cases[] = {
        {"Transmission failed.\r\nLES 21 Destination \x02" "29       File OUT.021\x03",
         "Transmission failed. LES 21 Destination 29       File OUT.021"},
        {"a\rb\nc\r\n\r\nd", "a b c  d"},
        {"\x02\x03", ""},
        {"plain", "plain"},
    };
    for (const Case& c : cases) EXPECT_EQ(CleanInfoText(c.text), c.expected) << c.text.toStdString();
}

TEST_F(InfoLog, FirstEntryCreatesTheLogWithOneLine) {
    ASSERT_TRUE(log.AddInfo(kWhen, 1, 80, "Transmission failed.\r\nLES 21 Destination \x02" "29       File OUT.021\x03"));
    EXPECT_EQ(File(), QByteArray("2012-07-03 09:05:07\x02" "1\x02" "80\x02Transmission failed. LES 21 Destination 29       "
                                 "File OUT.021\r\n"));
    EXPECT_FALSE(QFileInfo::exists(platform.DataFolder() + "/InfoLog.tmp"));
}

TEST_F(InfoLog, NewestEntryComesFirstAndTheReaderGivesItsFields) {
    ASSERT_TRUE(log.AddInfo(kWhen, 1, 21, "Distress Acknowledgement received"));
    ASSERT_TRUE(log.AddInfo(kWhen.addSecs(60), 2, 0, "Unknown error received from mobile"));
    ASSERT_TRUE(log.AddInfo(kWhen.addSecs(120), 4, 10000, "In harbour"));

    const QList<InfoLogEntry> entries = log.ReadInfoLog();
    ASSERT_EQ(log.LineCount(), 3);
    ASSERT_EQ(entries.size(), 3);
    EXPECT_EQ(entries[0].InfoType, 4);
    EXPECT_EQ(entries[0].InfoNumber, 10000);
    EXPECT_EQ(entries[0].InfoMessage, "In harbour");
    EXPECT_EQ(entries[0].oDate, kWhen.addSecs(120));
    EXPECT_EQ(entries[1].InfoType, 2);
    EXPECT_EQ(entries[1].InfoNumber, 0);
    EXPECT_EQ(entries[2].InfoNumber, 21);
    EXPECT_EQ(entries[2].InfoMessage, "Distress Acknowledgement received");
    EXPECT_EQ(entries[2].oDate, kWhen);
}

TEST_F(InfoLog, KeepsAtMostFiveHundredLines) {
    struct Case {
        int before;
        int after;
        QByteArray lastKept;  // the text of the last line left
    } cases[] = {{499, 500, "old 499"}, {500, 500, "old 499"}, {650, 500, "old 499"}, {3, 4, "old 3"}};
    for (const Case& c : cases) {
        WriteLog(c.before);
        ASSERT_TRUE(log.AddInfo(kWhen, 1, 30, "new"));
        const QList<QByteArray> lines = FileLines();
        ASSERT_EQ(lines.size(), c.after) << c.before;
        EXPECT_TRUE(lines.first().endsWith("\x02new\r")) << c.before;
        EXPECT_TRUE(lines.last().endsWith("\x02" + c.lastKept + "\r")) << c.before;
        for (const QByteArray& line : lines) EXPECT_TRUE(line.endsWith('\r'));
    }
}

TEST_F(InfoLog, TextStaysInTheAnsiCodePage) {
    ASSERT_TRUE(log.AddInfo(kWhen, 1, 30, QString::fromLatin1("Caf\xE9")));
    EXPECT_TRUE(File().endsWith("Caf\xE9\r\n"));
    EXPECT_EQ(log.ReadInfoLog().first().InfoMessage, QString::fromLatin1("Caf\xE9"));
}

// A damaged line takes nothing away but itself: it becomes an empty entry at its place and the
// other entries keep their indexes.
TEST_F(InfoLog, DamagedLineLeavesAnEmptyEntryAtItsPlace) {
    const QByteArray good1 = "2012-07-03 09:05:07\x02" "1\x02" "21\x02" "first\r\n";
    const QByteArray good2 = "2012-07-02 08:00:00\x02" "2\x02" "111\x02" "last\r\n";
    const QByteArray damaged[] = {
        "2012-07-03 09:00:00\x02" "1\x02" "30\r\n",                 // three fields
        "2012-07-03 09:00:00\x02" "1\x02" "30\x02" "a\x02" "b\r\n",  // five fields
        "yesterday\x02" "1\x02" "30\x02" "text\r\n",                 // no date
        "2012-07-03 09:00:00\x02" "x\x02" "30\x02" "text\r\n",       // kind not a number
        "2012-07-03 09:00:00\x02" "300\x02" "30\x02" "text\r\n",     // kind beyond a byte
        "2012-07-03 09:00:00\x02" "1\x02" "40000\x02" "text\r\n",    // number beyond 16 bits
        "\r\n",                                                      // empty line
    };
    for (const QByteArray& bad : damaged) {
        platform.WriteDataFile("InfoLog.txt", good1 + bad + good2);
        const QList<InfoLogEntry> entries = log.ReadInfoLog();
        ASSERT_EQ(log.LineCount(), 3) << bad.constData();
        ASSERT_EQ(entries.size(), 3);
        EXPECT_EQ(entries[0].InfoMessage, "first");
        EXPECT_EQ(entries[1].InfoType, 0);
        EXPECT_EQ(entries[1].InfoNumber, 0);
        EXPECT_TRUE(entries[1].InfoMessage.isEmpty());
        EXPECT_FALSE(entries[1].oDate.isValid());
        EXPECT_EQ(entries[2].InfoNumber, 111);
        EXPECT_EQ(entries[2].InfoMessage, "last");
    }
}

TEST_F(InfoLog, MissingLogReadsAsNoEntries) {
    WriteLog(2);
    ASSERT_EQ(log.ReadInfoLog().size(), 2);
    QFile::remove(platform.DataFolder() + "/InfoLog.txt");
    EXPECT_TRUE(log.ReadInfoLog().isEmpty());
    EXPECT_EQ(log.LineCount(), 0);
}

TEST_F(InfoLog, NameIsFoundInAnyLetterCase) {
    platform.WriteDataFile("infolog.TXT", "2012-07-01 10:00:00\x02" "1\x02" "30\x02" "old\r\n");
    ASSERT_TRUE(log.AddInfo(kWhen, 1, 31, "new"));
    EXPECT_EQ(platform.ReadDataFile("infolog.TXT").count('\n'), 2);
    EXPECT_EQ(log.ReadInfoLog().size(), 2);
}

TEST_F(InfoLog, FailureIsLoggedAndLeavesTheLogAlone) {
    // A folder where the log should be can be neither read nor replaced.
    ASSERT_TRUE(QDir(platform.DataFolder()).mkdir("InfoLog.txt"));
    EXPECT_FALSE(log.AddInfo(kWhen, 1, 30, "lost"));
    EXPECT_TRUE(QFileInfo(platform.DataFolder() + "/InfoLog.txt").isDir());
    const QString errorLog = QString::fromLatin1(platform.ReadDataFile("ErrorLog.txt"));
    EXPECT_TRUE(errorLog.contains("(InfoLog.AddInfo) Error '70': Permission denied.\r\n")) << errorLog.toStdString();
    EXPECT_FALSE(f.gErrorQueue && f.gErrorQueue->Count() > 0);
}

TEST_F(InfoLog, WithoutADataFolderNothingIsWritten) {
    f.gConfiguration.DataPath.clear();
    EXPECT_FALSE(log.AddInfo(kWhen, 1, 30, "lost"));
    EXPECT_TRUE(log.ReadInfoLog().isEmpty());
}

}  // namespace
