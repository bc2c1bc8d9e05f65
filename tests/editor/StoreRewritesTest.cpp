// The index rewrites of the folder views (read flag, unread flag, delete) keep every other byte of
// the file, with any of the three line ends; the sent-items view's long logs load on a worker and
// come in in the same order as a short log's.
#include <QDir>
#include <QFile>
#include <QTest>
#include <gtest/gtest.h>

#include "editor/FolderViewsFixture.h"
#include "editor/MessageIndexMark.h"
#include "foundation/cMsgLog.h"
#include "messages/SentItemsGrid.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

QByteArray InLine(const QString& file, const char* read, const QString& subject = "Direct") {
    return ("MSG" + file.left(8) + ":112:0:0:26-12-10 14:05: 512:4711:" + subject + ":" + read + ":" + file).toLatin1();
}

struct LineEnd {
    const char* name;
    QByteArray end;
};
const LineEnd kEnds[] = {{"CR LF", "\r\n"}, {"LF", "\n"}, {"CR", "\r"}};

struct StoreRewrites : FolderViewsFixture {
    QString inboxDir;
    StoreRewrites() {
        inboxDir = platform.DataFolder() + "/inbox";
        QDir().mkpath(inboxDir);
        f.gInboxDir = inboxDir;
        for (const char* name : {"26121001.txt", "26121002.txt", "26121003.txt"}) WriteFile(inboxDir + "/" + name, "text");
    }
    static void WriteFile(const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    static QByteArray ReadFile(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    // Three lines with `end`; the middle one as given. A subject that names another file must
    // not make its line the one that changes.
    static QByteArray Index(const QByteArray& end, const char* middleRead, bool withMiddle = true) {
        return InLine("26121001.txt", "Yes", "26121002.txt") + end +
               (withMiddle ? InLine("26121002.txt", middleRead) + end : QByteArray()) + InLine("26121003.txt", "no") +
               end;
    }
};

TEST_F(StoreRewrites, ReadUnreadAndDeleteChangeOnlyTheirLineWithEachLineEnd) {
    for (const LineEnd& e : kEnds) {
        SCOPED_TRACE(e.name);
        const QString index = inboxDir + "/in.idx";

        WriteFile(index, Index(e.end, "No"));
        ASSERT_FALSE(MarkMessageRead(f, inboxDir, "26121002.txt", StoredMessageType::Received));
        EXPECT_EQ(ReadFile(index), Index(e.end, "Yes"));
        EXPECT_FALSE(MarkMessageRead(f, inboxDir, "26121002.txt", StoredMessageType::Received));
        EXPECT_EQ(ReadFile(index), Index(e.end, "Yes")) << "a line read already stays";

        views.InboxButton_Click();
        inbox->SetRow(inbox->FindRow(0, "26121002.txt"));
        views.MarkInboxMessageUnread();
        EXPECT_EQ(ReadFile(index), Index(e.end, "No"));
        EXPECT_TRUE(inbox->RowBold(inbox->FindRow(0, "26121002.txt")));

        cMsgLog(f).DeleteFromMsgLog("26121002.txt", inboxDir, "in");
        EXPECT_EQ(ReadFile(index), Index(e.end, "No", false));
        EXPECT_EQ(QDir(inboxDir).entryList({"*.bak", "*.tmp"}, QDir::Files), QStringList{});
    }
}

TEST_F(StoreRewrites, TheNameIsMatchedAsEachRewriteAlwaysHas) {
    const QString index = inboxDir + "/in.idx";
    // The read mark takes the name exactly; the unread mark takes it in any letter case.
    WriteFile(index, InLine("26121002.TXT", "No") + "\r\n");
    EXPECT_FALSE(MarkMessageRead(f, inboxDir, "26121002.txt", StoredMessageType::Received));
    EXPECT_EQ(ReadFile(index), InLine("26121002.TXT", "No") + "\r\n");

    WriteFile(index, InLine("26121002.TXT", "Yes") + "\r\n");
    views.InboxButton_Click();
    inbox->SetRow(1);
    WriteFile(inboxDir + "/26121002.TXT", "text");
    views.MarkInboxMessageUnread();
    EXPECT_EQ(ReadFile(index), InLine("26121002.TXT", "No") + "\r\n");
}

// The views hold what they showed, but a rewrite starts from the file as it is now: lines added
// by the store since the view was loaded stay.
TEST_F(StoreRewrites, AStoreChangedOnDiskSinceTheViewLoadedKeepsItsNewLines) {
    const QString index = inboxDir + "/in.idx";
    WriteFile(index, Index("\r\n", "Yes"));
    views.InboxButton_Click();
    const QByteArray arrived = InLine("26121004.txt", "No") + "\r\n";
    WriteFile(index, Index("\r\n", "Yes") + arrived);

    inbox->SetRow(inbox->FindRow(0, "26121002.txt"));
    views.MarkInboxMessageUnread();
    EXPECT_EQ(ReadFile(index), Index("\r\n", "No") + arrived);

    views.Seams.LoadText = [this](const QString& folder, const QString& file, bool, bool, int) {
        return bool(MarkMessageRead(f, folder, file, StoredMessageType::Received));
    };
    const QByteArray another = InLine("26121005.txt", "No") + "\r\n";
    WriteFile(index, Index("\r\n", "No") + arrived + another);
    inbox->SetRow(inbox->FindRow(0, "26121002.txt"));
    EXPECT_FALSE(views.OpenSelectedInboxMessage());
    EXPECT_EQ(ReadFile(index), Index("\r\n", "Yes") + arrived + another);
    EXPECT_FALSE(inbox->RowBold(inbox->FindRow(0, "26121002.txt")));
}

// Names and dates chosen so that the date order differs from the name order, with equal dates.
QByteArray SentLog() {
    const char* rows[][2] = {
        {"26121003.out", "12-12-01"}, {"26121001.out", "12-12-03"}, {"26121010.out", "12-12-02"},
        {"2612102.out", "12-12-02"},  {"-", "12-12-02"},            {"26121002.out", "12-12-03"},
    };
    QByteArray log;
    for (const auto& r : rows)
        log += QByteArray(r[0]) + ";alice@example.org;112;E-Mail 7 Bit;" + r[1] + ";09:05; 12;1;Delivered;0;0;0;0;03;07;"
               "09;05;Alice;;;Hello\r\n";
    return log;
}

struct SentItemsLoading : FolderViewsFixture {
    QStringList ShownAfter(int backgroundLines) {
        GetSentItemsLoad(m).BackgroundLines = backgroundLines;
        views.OutboxButton_Click();
        EXPECT_TRUE(QTest::qWaitFor([this] { return !GetSentItemsLoad(m).Pending(); }, 20000));
        return Column(*sent, 0);
    }
};

TEST_F(SentItemsLoading, ALongLogComesInFromTheWorkerInTheViewsOrder) {
    Write("OUT.IDX", SentLog());
    const QStringList direct = ShownAfter(1000);
    ASSERT_EQ(direct.size(), 6);
    EXPECT_EQ(direct, (QStringList{"26121002.out", "26121001.out", "26121010.out", "2612102.out", "-", "26121003.out"}))
        << "by date, newest first; equal dates by name, newest first";
    const int hotListsBefore = seamCalls.count("HotList 2004 0");

    GetSentItemsLoad(m).BackgroundLines = 0;
    sent->SetRows(1);
    views.OutboxButton_Click();
    EXPECT_TRUE(GetSentItemsLoad(m).Pending()) << "the rows come from the worker";
    EXPECT_EQ(sent->Rows(), 1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !GetSentItemsLoad(m).Pending(); }, 20000));
    EXPECT_EQ(Column(*sent, 0), direct);
    EXPECT_EQ(sent->Row(), 1);
    EXPECT_EQ(sent->TextMatrix(1, 9), "Delivered");
    EXPECT_EQ(seamCalls.count("HotList 2004 0"), hotListsBefore + 1);
}

TEST_F(SentItemsLoading, OnlyTheLatestLoadIsShown) {
    GetSentItemsLoad(m).BackgroundLines = 0;
    Write("OUT.IDX", SentLog());
    views.OutboxButton_Click();
    Write("OUT.IDX", Lines({SubmissionLine("26121020.out", "112", "7", "Sending")}));
    views.OutboxButton_Click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !GetSentItemsLoad(m).Pending(); }, 20000));
    QTest::qWait(20);  // the first load's rows, had they been taken, would have come by now
    EXPECT_EQ(Column(*sent, 0), QStringList{"26121020.out"});
    EXPECT_EQ(seamCalls.count("HotList 2004 0"), 1);
}

// A status change while the view's rows are still on the worker: the view shows the new status.
TEST_F(SentItemsLoading, ARewriteWhileTheViewLoadsIsNotUndone) {
    OutboxFixture::views.Shown = 2;
    GetSentItemsLoad(m).BackgroundLines = 0;
    Write("OUT.IDX", Lines({SubmissionLine("26121020.out", "112", "7", "Sending")}));
    views.OutboxButton_Click();
    ASSERT_TRUE(GetSentItemsLoad(m).Pending());
    EXPECT_EQ(OutBox().UpdateOutBoxFile("26121020.out", "", "Delivered", false), 1);
    EXPECT_FALSE(GetSentItemsLoad(m).Pending());
    QTest::qWait(20);
    EXPECT_EQ(Column(*sent, 9), QStringList{"Delivered"});
}

// A submission's status changes while another view is shown: the hidden grid is not rebuilt,
// and the view shows the new status when it is opened.
TEST_F(SentItemsLoading, AHiddenViewIsBuiltWhenItIsShown) {
    Write("OUT.IDX", Lines({SubmissionLine("26121020.out", "112", "7", "Sending")}));
    views.OutboxButton_Click();
    OutboxFixture::views.Shown = 1;
    EXPECT_EQ(OutBox().UpdateOutBoxFile("26121020.out", "", "Delivered", false), 1);
    EXPECT_EQ(Column(*sent, 9), QStringList{"Sending"});
    views.OutboxButton_Click();
    EXPECT_EQ(Column(*sent, 9), QStringList{"Delivered"});
}

}  // namespace

namespace {

struct InboxLoading : StoreRewrites {
    void Load() {
        views.InboxButton_Click();
        ASSERT_TRUE(views.InboxLoadPending()) << "a long index is read on the worker thread";
        EXPECT_EQ(inbox->Rows(), 1);
        ASSERT_TRUE(QTest::qWaitFor([this] { return !views.InboxLoadPending(); }, 20000));
    }
};

TEST_F(InboxLoading, ALongIndexComesInFromTheWorkerAndAMarkReloadsAtOnce) {
    views.InboxBackgroundLoadLines = 0;
    WriteFile(inboxDir + "/in.idx", Index("\r\n", "Yes"));
    Load();
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121001.txt", "26121002.txt", "26121003.txt"}));
    EXPECT_EQ(inbox->Row(), 1);
    EXPECT_EQ(seamCalls.count("HotList 2003 0"), 1);

    inbox->SetRow(inbox->FindRow(0, "26121002.txt"));
    views.MarkInboxMessageUnread();
    EXPECT_FALSE(views.InboxLoadPending()) << "the unread mark reloads the view at once";
    EXPECT_EQ(inbox->Row(), inbox->FindRow(0, "26121002.txt"));
    EXPECT_TRUE(inbox->RowBold(inbox->Row()));
}

// A message stored while the view loads: the row it adds would be lost under the loaded rows,
// so the view loads again and shows it.
TEST_F(InboxLoading, AMessageArrivingWhileTheViewLoadsIsNotLost) {
    views.InboxBackgroundLoadLines = 0;
    WriteFile(inboxDir + "/in.idx", Index("\r\n", "Yes"));
    views.InboxButton_Click();
    ASSERT_TRUE(views.InboxLoadPending());
    WriteFile(inboxDir + "/in.idx", Index("\r\n", "Yes") + InLine("26121004.txt", "No") + "\r\n");
    views.InboxMSGrid_AddRow({"26121004.txt"}, 0);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !views.InboxLoadPending(); }, 20000));
    QTest::qWait(20);  // the first load's rows, had they been taken, would have come by now
    EXPECT_EQ(Column(*inbox, 0).size(), 4);
    EXPECT_NE(inbox->FindRow(0, "26121004.txt"), -1);
}

}  // namespace
