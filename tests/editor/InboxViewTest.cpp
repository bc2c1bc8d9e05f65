#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

#include "editor/FolderViewsFixture.h"
#include "editor/InboxIndexLine.h"
#include "support/QueuedTexts.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

// One in.idx line as the message store writes it.
QByteArray InLine(const QString& file, const QString& priority = "0", const QString& read = "No",
                  const QString& when = "26-12-10 14:05", const QString& bits = "0") {
    return ("MSG" + file.left(8) + ":112:" + priority + ":" + bits + ":" + when + ": 512:4711:Direct:" + read + ":" +
            file)
        .toLatin1();
}

struct InboxView : FolderViewsFixture {
    QString inboxDir;
    InboxView() {
        inboxDir = platform.DataFolder() + "/inbox";
        QDir().mkpath(inboxDir);
        f.gInboxDir = inboxDir;
    }
    void WriteIn(const QString& name, const QByteArray& bytes) const {
        QFile file(inboxDir + "/" + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray ReadIn(const QString& name) const {
        QFile file(inboxDir + "/" + name);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
};

TEST_F(InboxView, EveryLineShowsWithItsLookAndTheNewestOnTop) {
    WriteIn("IN.IDX", InLine("26121001.txt", "0", "Yes", "26-12-10 01:00") + "\r\n" +      //
                          InLine("26121002.txt", "1", "No", "26-12-10 02:00") + "\r\n" +   //
                          "\r\n" +                                                         // empty line
                          InLine("26121003.txt", "2", "no", "26-12-10 03:00") + "\r\n" +   //
                          InLine("26121004.txt", "x", "NO", "26-12-10 04:00") + "\r\n" +   // bad code
                          InLine("26121005.txt", "3", "Yes", "26-12-10 05:00", "6") + "\r\n" +
                          InLine("26121006.txt", " 3", "Yes", "26-12-10 06:00", "7") + "\r\n" +
                          InLine("26121007.txt", "5", "Yes", "26-12-10 07:00", "9") + "\n");
    views.InboxButton_Click();

    ASSERT_EQ(inbox->Rows(), 8) << "the empty line is skipped, the bad one and all after it shown";
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121007.txt", "26121006.txt", "26121005.txt", "26121004.txt",
                                              "26121003.txt", "26121002.txt", "26121001.txt"}));
    QStringList top;
    for (int c = 0; c < 9; ++c) top.append(inbox->TextMatrix(7, c));
    EXPECT_EQ(top, (QStringList{"26121001.txt", "MSG26121001", "112", "Routine", "7 Bit IA5", "26-12-10 01:00", "512",
                                "4711", "Direct"}));
    struct Look {
        int row;
        const char* priority;
        const char* bits;
        int colour;
        bool bold;
    };
    for (const Look& l : {Look{1, "Unknown", "Unknown", 0, false}, Look{2, "Distress", "8 Bit Data", 255, false},
                          Look{3, "Distress", "5 Bit TELEX", 255, false}, Look{4, "Unknown", "7 Bit IA5", 0, true},
                          Look{5, "Urgent", "7 Bit IA5", 255, true}, Look{6, "Safety", "7 Bit IA5", 0, true},
                          Look{7, "Routine", "7 Bit IA5", 0, false}}) {
        SCOPED_TRACE(l.row);
        EXPECT_EQ(inbox->TextMatrix(l.row, 3), l.priority);
        EXPECT_EQ(inbox->TextMatrix(l.row, 4), l.bits);
        EXPECT_EQ(inbox->RowForeColor(l.row), l.colour);
        EXPECT_EQ(inbox->RowBold(l.row), l.bold);
    }
    EXPECT_EQ(inbox->TextMatrix(0, 0), "Disk Filename");
    EXPECT_EQ(inbox->TextMatrix(0, 8), "Routing");
    EXPECT_EQ(inbox->Row(), 1);
    EXPECT_EQ(seamCalls, (QStringList{"MessageLogShown 1", "HotList 2003 0"}));
}

TEST_F(InboxView, MissingIndexIsCreatedEmpty) {
    views.InboxButton_Click();
    EXPECT_TRUE(QFile::exists(inboxDir + "/in.idx")) << "named as the message store names it";
    EXPECT_EQ(inbox->Rows(), 1);
    EXPECT_TRUE(seamCalls.contains("MessageLogShown 1"));
}

TEST_F(InboxView, MissingFolderKeepsTheViewAndSaysSo) {
    f.gInboxDir = platform.DataFolder() + "/nowhere";
    views.InboxButton_Click();
    EXPECT_TRUE(seamCalls.isEmpty());
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    const MessageBoxRequest& box = platform.Boxes.Shown[0];
    EXPECT_TRUE(box.text.startsWith("(MainForm.InboxButton_Click) Error '76': ")) << box.text.toStdString();
    EXPECT_TRUE(box.text.endsWith("Please set a valid Inbox path in Options->Configuration->Routing and make sure you "
                                  "have write access."));
    EXPECT_EQ(box.title, "Error76");
    EXPECT_FALSE(QDir(f.gInboxDir).exists());
}

TEST_F(InboxView, SortByColumnAlternatesPerView) {
    WriteIn("in.idx", InLine("26121002.txt", "0", "No", "26-12-10 01:00") + "\r\n" +
                          InLine("26121001.txt", "0", "No", "26-12-10 02:00") + "\r\n" +
                          InLine("26121003.txt", "0", "No", "26-12-10 00:30") + "\r\n");
    views.InboxButton_Click();
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121001.txt", "26121002.txt", "26121003.txt"})) << "by date";
    views.InSortColumn_Click();
    EXPECT_EQ(views.InboxSortOrder, 5);
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121001.txt", "26121002.txt", "26121003.txt"}));
    views.InSortColumn_Click();
    EXPECT_EQ(views.InboxSortOrder, 6);
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121003.txt", "26121002.txt", "26121001.txt"}));

    EXPECT_EQ(views.SentItemsSortOrder, 0) << "each view keeps its own setting";
    views.SentItemsSortColumn_Click();
    EXPECT_EQ(views.SentItemsSortOrder, 5);

    views.InboxButton_Click();
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121001.txt", "26121002.txt", "26121003.txt"}))
        << "opening again gives the default order";
}

TEST_F(InboxView, SortByColumnWithSeveralRowsSelectedMovesOnlyThose) {
    WriteIn("in.idx", InLine("26121004.txt", "0", "No", "26-12-10 04:00") + "\r\n" +
                          InLine("26121001.txt", "0", "No", "26-12-10 03:00") + "\r\n" +
                          InLine("26121003.txt", "0", "No", "26-12-10 02:00") + "\r\n" +
                          InLine("26121002.txt", "0", "No", "26-12-10 01:00") + "\r\n");
    views.InboxButton_Click();
    inbox->SetRow(2);
    inbox->SetRowSel(3);
    views.InSortColumn_Click();
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121004.txt", "26121001.txt", "26121003.txt", "26121002.txt"}));
    inbox->SetRow(1);
    inbox->SetRowSel(4);
    views.InSortColumn_Click();
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121004.txt", "26121003.txt", "26121002.txt", "26121001.txt"}));
}

TEST(InboxIndexLine, MarkedUnreadChangesOnlyTheReadField) {
    EXPECT_EQ(InboxLineMarkedUnread(u"A:112:0:0:26-12-10 14:05: 512:4711:Direct:Yes:26121001.txt"),
              "A:112:0:0:26-12-10 14:05: 512:4711:Direct:No:26121001.txt");
    EXPECT_EQ(InboxLineMarkedUnread(u"A:112:0:0"), std::nullopt);
}

// Five messages with files, newest first in the grid: 26121005 on row 1 … 26121001 on row 5.
struct InboxDelete : InboxView {
    QByteArray index;
    void SetUp() override {
        for (int i = 1; i <= 5; ++i) {
            const QString name = QString("2612100%1.txt").arg(i);
            WriteIn(name, "text");
            index += InLine(name, "0", "Yes", QString("26-12-10 0%1:00").arg(i)) + "\r\n";
        }
        WriteIn("in.idx", index);
        views.InboxButton_Click();
    }
    QByteArray IndexWithout(std::initializer_list<int> gone) const {
        QByteArray out;
        for (int i = 1; i <= 5; ++i)
            if (std::find(gone.begin(), gone.end(), i) == gone.end())
                out += InLine(QString("2612100%1.txt").arg(i), "0", "Yes", QString("26-12-10 0%1:00").arg(i)) + "\r\n";
        return out;
    }
    QStringList Asked() const {
        QStringList names;
        for (const MessageBoxRequest& b : platform.Boxes.Shown) names.append(b.text.section('/', -1));
        return names;
    }
};

TEST_F(InboxDelete, AnswersDecideWhatGoes) {
    struct Case {
        const char* name;
        QList<MsgAnswer> answers;
        int rowFrom, rowTo;
        QStringList asked;
        QStringList left;
        std::initializer_list<int> gone;
    };
    const Case cases[] = {
        {"yes each, top down", {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes}, 1, 5,
         {"26121001.txt ?", "26121002.txt ?", "26121003.txt ?", "26121004.txt ?", "26121005.txt ?"}, {}, {1, 2, 3, 4, 5}},
        {"yes to all, bottom up", {MsgAnswer::YesToAll}, 4, 2, {"26121002.txt ?"}, {"26121005.txt", "26121001.txt"},
         {2, 3, 4}},
        {"no to all at the third", {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::NoToAll}, 1, 5,
         {"26121001.txt ?", "26121002.txt ?", "26121003.txt ?"},
         {"26121005.txt", "26121004.txt", "26121003.txt"}, {1, 2}},
        {"closed without an answer", {MsgAnswer::Cancel}, 1, 5, {"26121001.txt ?"},
         {"26121005.txt", "26121004.txt", "26121003.txt", "26121002.txt", "26121001.txt"}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform.Boxes.Shown.clear();
        WriteIn("in.idx", index);
        for (int i = 1; i <= 5; ++i) WriteIn(QString("2612100%1.txt").arg(i), "text");
        views.InboxButton_Click();
        for (MsgAnswer a : c.answers) platform.Boxes.Answer(a);
        inbox->SetRow(c.rowFrom);
        inbox->SetRowSel(c.rowTo);
        views.InboxDeleteMessage_Click();
        EXPECT_EQ(Asked(), c.asked);
        EXPECT_EQ(Column(*inbox, 0), c.left);
        EXPECT_EQ(ReadIn("in.idx"), IndexWithout(c.gone)) << "the other lines stay byte for byte";
        for (int i : c.gone) EXPECT_FALSE(QFile::exists(inboxDir + QString("/2612100%1.txt").arg(i)));
    }
    EXPECT_EQ(platform.Boxes.Shown.value(0).buttonCaptions, (QStringList{"Yes", "Yes to all", "No to all"}));
    EXPECT_TRUE(platform.Boxes.Shown.value(0).text.startsWith("Delete " + inboxDir + "/"));
}

TEST_F(InboxDelete, AFileRemovedByHandStillLosesItsLineAndRow) {
    QFile::remove(inboxDir + "/26121003.txt");
    inbox->SetRow(3);
    platform.Boxes.Answer(MsgAnswer::Yes);
    views.InboxDeleteMessage_Click();
    EXPECT_EQ(Column(*inbox, 0), (QStringList{"26121005.txt", "26121004.txt", "26121002.txt", "26121001.txt"}));
    EXPECT_EQ(ReadIn("in.idx"), IndexWithout({3}));
    EXPECT_EQ(inbox->Row(), 3) << "the row that took its place";
    EXPECT_TRUE(QueuedTexts().isEmpty());
}

TEST_F(InboxDelete, MarkUnreadMarksTheChosenFilesAfterAReSort) {
    views.InSortColumn_Click();  // oldest first: 26121001 on row 1
    inbox->SetRow(2);
    inbox->SetRowSel(3);  // 26121002 and 26121003
    views.InboxMarkUnread_Click();
    QByteArray expected;
    for (int i = 1; i <= 5; ++i)
        expected += InLine(QString("2612100%1.txt").arg(i), "0", i == 2 || i == 3 ? "No" : "Yes",
                           QString("26-12-10 0%1:00").arg(i)) +
                    "\r\n";
    EXPECT_EQ(ReadIn("in.idx"), expected);
    EXPECT_FALSE(QFile::exists(inboxDir + "/In.bak"));
    EXPECT_EQ(Column(*inbox, 0).first(), "26121005.txt") << "reloaded in the default order";
    EXPECT_TRUE(inbox->RowBold(inbox->FindRow(0, "26121002.txt")));
    EXPECT_TRUE(inbox->RowBold(inbox->FindRow(0, "26121003.txt")));
    EXPECT_FALSE(inbox->RowBold(inbox->FindRow(0, "26121004.txt")));
}

TEST_F(InboxDelete, MarkUnreadOfAMissingFileOnlyTurnsTheRowBold) {
    QFile::remove(inboxDir + "/26121005.txt");
    inbox->SetRow(1);
    views.InboxMarkUnread_Click();
    EXPECT_TRUE(inbox->RowBold(1));
    EXPECT_EQ(ReadIn("in.idx"), index);
    EXPECT_TRUE(QueuedTexts().isEmpty());
}

// The viewer as a seam: what it was asked to show, and whether it could.
struct InboxOpen : InboxDelete {
    struct Shown {
        QString file;
        bool next, previous;
        int type;
    };
    QList<Shown> shown;
    void SetUp() override {
        InboxDelete::SetUp();
        views.Seams.LoadText = [this](const QString& folder, const QString& file, bool next, bool previous, int type) {
            shown.append({file, next, previous, type});
            return !QFile::exists(folder + "/" + file);
        };
    }
};

TEST_F(InboxOpen, FlagsFollowTheRowAndAFailedStepIsUndone) {
    struct Case {
        const char* name;
        int row;
        std::function<void()> act;
        QString file;
        bool next, previous;
        int rowAfter;
    };
    QFile::remove(inboxDir + "/26121003.txt");
    const Case cases[] = {
        {"open the top row", 1, [this] { views.OpenSelectedInboxMessage(); }, "26121005.txt", false, true, 1},
        {"open the bottom row", 5, [this] { views.OpenSelectedInboxMessage(); }, "26121001.txt", true, false, 5},
        {"next from the second", 2, [this] { views.GetNextInboxMessage(); }, "26121005.txt", false, true, 1},
        {"previous from the fourth", 4, [this] { views.GetPrevInboxMessage(); }, "26121001.txt", true, false, 5},
        {"next onto a missing file", 4, [this] { views.GetNextInboxMessage(); }, "26121003.txt", true, true, 4},
        {"previous onto a missing file", 2, [this] { views.GetPrevInboxMessage(); }, "26121003.txt", true, true, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        shown.clear();
        inbox->SetRow(c.row);
        c.act();
        ASSERT_EQ(shown.size(), 1);
        EXPECT_EQ(shown[0].file, c.file);
        EXPECT_EQ(shown[0].next, c.next);
        EXPECT_EQ(shown[0].previous, c.previous);
        EXPECT_EQ(shown[0].type, 1);
        EXPECT_EQ(inbox->Row(), c.rowAfter);
    }
}

TEST_F(InboxOpen, AnUnreadRowTurnsNormalOnceShownOnly) {
    WriteIn("in.idx", InLine("26121001.txt", "0", "No") + "\r\n" + InLine("26121009.txt", "0", "No", "26-12-11 00:00") +
                          "\r\n");
    views.InboxButton_Click();
    EXPECT_TRUE(views.OpenSelectedInboxMessage()) << "26121009.txt has no file";
    EXPECT_TRUE(inbox->RowBold(1));
    inbox->SetRow(2);
    EXPECT_FALSE(views.OpenSelectedInboxMessage());
    EXPECT_FALSE(inbox->RowBold(2));
}

TEST_F(InboxOpen, AnEmptyGridOpensNothing) {
    WriteIn("in.idx", "");
    views.InboxButton_Click();
    EXPECT_FALSE(views.OpenSelectedInboxMessage());
    views.GetNextInboxMessage();
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(InboxOpen, TheEgcGridOpensItsOwnFolderAsTypeThree) {
    WriteEgc("26121001.egc", "text");
    WriteEgc("egc.idx", EgcLine("26121001.egc") + "\r\n");
    views.EGCButton_Click();
    EXPECT_FALSE(views.OpenSelectedEgc());
    ASSERT_EQ(shown.size(), 1);
    EXPECT_EQ(shown[0].type, 3);
    EXPECT_FALSE(egc->RowBold(1));
}

using SentItemsView = FolderViewsFixture;

TEST_F(SentItemsView, OpensWithHeadersAndDeletesTheChosenSubmission) {
    for (const char* name : {"26121001.out", "26121002.out"}) Write(name, "text");
    const QByteArray first = SubmissionLine("26121001.out", "112", "1", "Delivered");
    Write("OUT.IDX", Lines({first, SubmissionLine("26121002.out", "112", "2", "Delivered")}));
    views.OutboxButton_Click();
    ASSERT_EQ(sent->Rows(), 3);
    EXPECT_EQ(sent->TextMatrix(0, 0), "Filename");
    EXPECT_EQ(sent->TextMatrix(0, 9), "Status");
    EXPECT_EQ(sent->Row(), 1);
    EXPECT_TRUE(seamCalls.contains("MessageLogShown 2"));
    EXPECT_TRUE(seamCalls.contains("HotList 2004 0"));

    sent->SetRow(sent->FindRow(0, "26121002.out"));
    platform.Boxes.Answer(MsgAnswer::Yes);
    views.SentItemsDeleteMessage_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Delete " + f.gOutboxDir + "26121002.out ?");
    EXPECT_EQ(Column(*sent, 0), QStringList{"26121001.out"});
    EXPECT_FALSE(QFile::exists(f.gOutboxDir + "26121002.out"));
    EXPECT_EQ(Read("OUT.IDX"), Lines({first}));
}

}  // namespace
