#include <QTest>
#include <gtest/gtest.h>

#include "egc/EgcIndexLine.h"
#include "editor/FolderViewsFixture.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

using EgcView = FolderViewsFixture;

TEST_F(EgcView, LoadsEachLongEnoughLineNewestFirst) {
    WriteEgc("egc.idx", EgcLine("26121001.egc", "1", "Yes") + "\r\n" +              //
                            EgcLine("26121002.egc", " 2", "No") + "\r\n" +          // urgent with a blank
                            "\r\n" +                                               // empty line
                            "EGC.1:112:4:1:0:2026-12-10 14:05: 512:4711:0:No\r\n" +  // 11 parts
                            EgcLine("26121003.egc", "3", "NO", "4", "Unknown:") + ":extra\n" +
                            EgcLine("261210100.egc", "0", "", "x", "unknown:05") + "\n" +
                            EgcLine("26120999.egc", "1", "Not", "40000") + "\r\n");
    views.EGCButton_Click();

    ASSERT_EQ(egc->Rows(), 6) << "no row for the short and the empty line";
    EXPECT_EQ(Column(*egc, 0),
              (QStringList{"261210100.egc", "26121003.egc", "26121002.egc", "26121001.egc", "26120999.egc"}));
    const auto row = [this](int r) {
        QStringList cells;
        for (int c = 0; c < 10; ++c) cells.append(egc->TextMatrix(r, c));
        return cells;
    };
    EXPECT_EQ(row(4), (QStringList{"26121001.egc", "EGC.123", "112", "NAV Warning", "Safety", "7 Bit IA5",
                                   "2026-12-10 14:05", " 512", "4711", "0"}));
    EXPECT_EQ(row(1)[3], "General Call") << "a code that is no number reads as 0";
    EXPECT_EQ(row(1)[6], "unknown:05") << "only \"Unknown\" exactly stands alone";
    EXPECT_EQ(row(2)[6], "Unknown");
    EXPECT_EQ(row(2)[0], "26121003.egc") << "parts after the twelfth are ignored";
    EXPECT_EQ(row(5)[3], "Unknown") << "a code beyond 16 bits is unknown and the load goes on";
    EXPECT_EQ(row(3)[4], "Urgent");

    struct Style {
        int row;
        int colour;
        bool bold;
    };
    for (const Style& s : {Style{1, 0, false}, Style{2, 255, true}, Style{3, 255, true}, Style{4, 0, false},
                           Style{5, 0, true}}) {
        SCOPED_TRACE(s.row);
        EXPECT_EQ(egc->RowForeColor(s.row), s.colour);
        EXPECT_EQ(egc->RowBold(s.row), s.bold);
    }
    EXPECT_EQ(egc->TextMatrix(0, 0), "Disk Filename");
    EXPECT_EQ(egc->TextMatrix(0, 9), "Routing");
    EXPECT_EQ(egc->Row(), 1);
    EXPECT_TRUE(egc->HighlightAlways());
    EXPECT_EQ(seamCalls, (QStringList{"MessageLogShown 3", "HotList 2005 0"}));
}

TEST_F(EgcView, CodesTable) {
    struct Case {
        const char* part;
        std::optional<int> code;
    };
    const Case cases[] = {{" 2 ", 2}, {"", 0}, {"abc", 0}, {"2.5", 2}, {"3.5", 4}, {"-1", -1},
                          {"32767", 32767}, {"32768", std::nullopt}, {"-32769", std::nullopt}, {"7x", 7}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.part);
        EXPECT_EQ(ReadEgcCode(QString::fromLatin1(c.part)), c.code);
    }
}

TEST_F(EgcView, EveryLineOfALongIndexLoads) {
    QByteArray text;
    const int lines = 40000;
    for (int i = 0; i < lines; ++i) text += EgcLine(QString("2612%1.egc").arg(i, 6, 10, QChar('0'))) + "\r\n";
    WriteEgc("EGC.IDX", text);
    views.EGCButton_Click();
    EXPECT_TRUE(views.EgcLoadPending()) << "a long index is read on the worker thread";
    EXPECT_EQ(egc->Rows(), 1);
    ASSERT_TRUE(QTest::qWaitFor([this] { return !views.EgcLoadPending(); }, 20000));
    EXPECT_EQ(egc->Rows(), lines + 1);
    EXPECT_EQ(egc->TextMatrix(1, 0), "2612039999.egc");
    EXPECT_EQ(egc->Row(), 1);
    EXPECT_TRUE(egc->HighlightAlways());
    EXPECT_EQ(seamCalls, (QStringList{"MessageLogShown 3", "HotList 2005 0"}));
}

TEST_F(EgcView, OnlyTheLatestOfTwoBackgroundLoadsIsShown) {
    views.EgcBackgroundLoadLines = 0;
    WriteEgc("egc.idx", EgcLine("26121001.egc") + "\r\n" + EgcLine("26121002.egc") + "\r\n");
    views.EGCButton_Click();
    WriteEgc("egc.idx", EgcLine("26121003.egc") + "\r\n");
    views.EGCButton_Click();
    ASSERT_TRUE(QTest::qWaitFor([this] { return !views.EgcLoadPending(); }, 20000));
    QTest::qWait(20);  // the first load's rows, had they been taken, would have come by now
    EXPECT_EQ(Column(*egc, 0), QStringList{"26121003.egc"});
    EXPECT_EQ(seamCalls.count("HotList 2005 0"), 1);
}

TEST_F(EgcView, MissingIndexIsCreatedEmpty) {
    views.EGCButton_Click();
    EXPECT_TRUE(EgcExists("EGC.IDX"));
    EXPECT_EQ(egc->Rows(), 1);
    EXPECT_FALSE(egc->HighlightAlways());
    EXPECT_TRUE(seamCalls.contains("MessageLogShown 3"));
}

TEST_F(EgcView, MissingFolderKeepsTheViewAndSaysSo) {
    f.gEgcDir = platform.DataFolder() + "/nowhere";
    views.EGCButton_Click();
    EXPECT_TRUE(seamCalls.isEmpty()) << "the view does not switch and nothing is counted";
    const QStringList texts = QueuedTexts();
    ASSERT_EQ(texts.size(), 1);
    EXPECT_TRUE(texts[0].startsWith("(MainForm.EGCButton_Click) Error '76': ")) << texts[0].toStdString();
    EXPECT_TRUE(texts[0].endsWith("Please set a valid path for EGC's in Options->Configuration->Routing and make "
                                  "sure you have write access."));
}

// Three EGCs with files, selected from row 1 to row 3, and a fourth unselected.
struct EgcDelete : EgcView {
    void SetUp() override {
        for (const char* name : {"26121001.egc", "26121002.egc", "26121003.egc", "26121004.egc"})
            WriteEgc(name, "text");
        WriteEgc("egc.idx", EgcLine("26121001.egc") + "\r\n" + EgcLine("26121002.egc") + "\r\n" +
                                EgcLine("26121003.egc") + "\r\n" + EgcLine("26121004.egc") + "\r\n");
        views.EGCButton_Click();
        egc->SetRow(2);
        egc->SetRowSel(4);  // 26121003, 26121002, 26121001
    }
};

TEST_F(EgcDelete, YesToAllAsksOnceFromTheBottomUp) {
    platform.Boxes.Answer(MsgAnswer::YesToAll);
    views.EGCDelete_Click();
    ASSERT_EQ(platform.Boxes.Shown.size(), 1);
    EXPECT_EQ(platform.Boxes.Shown[0].text, "Delete " + egcDir + "/26121001.egc ?");
    EXPECT_EQ(platform.Boxes.Shown[0].buttonCaptions, (QStringList{"Yes", "Yes to all", "No to all"}));
    EXPECT_EQ(Column(*egc, 0), QStringList{"26121004.egc"});
    EXPECT_EQ(ReadEgc("egc.idx"), EgcLine("26121004.egc") + "\r\n");
    EXPECT_FALSE(EgcExists("26121002.egc"));
    EXPECT_TRUE(EgcExists("26121004.egc"));
}

TEST_F(EgcDelete, NoToAllKeepsTheRest) {
    platform.Boxes.Answer(MsgAnswer::Yes);
    platform.Boxes.Answer(MsgAnswer::NoToAll);
    views.EGCDelete_Click();
    EXPECT_EQ(platform.Boxes.Shown.size(), 2);
    EXPECT_EQ(Column(*egc, 0), (QStringList{"26121004.egc", "26121003.egc", "26121002.egc"}));
    EXPECT_FALSE(EgcExists("26121001.egc"));
    EXPECT_TRUE(EgcExists("26121002.egc"));
}

TEST_F(EgcDelete, AQuestionClosedWithoutAnAnswerCountsAsNoToAll) {
    platform.Boxes.Answer(MsgAnswer::Cancel);
    views.EGCDelete_Click();
    EXPECT_EQ(platform.Boxes.Shown.size(), 1) << "no further question after the first was closed";
    EXPECT_EQ(Column(*egc, 0).size(), 4);
    EXPECT_TRUE(EgcExists("26121001.egc"));
}

TEST_F(EgcDelete, ARowInsertedWhileAskingMovesNothingWrong) {
    bool inserted = false;
    platform.Boxes.OnShow = [&](const MessageBoxRequest&) {
        if (inserted) return;
        inserted = true;
        egc->AddItem(1, {{"26121105.egc", "EGC.9"}, 255, true});  // an EGC arrives meanwhile
    };
    views.EGCDelete_Click();  // Yes to each question
    EXPECT_EQ(platform.Boxes.Shown.size(), 3);
    EXPECT_EQ(platform.Boxes.Shown[2].text, "Delete " + egcDir + "/26121003.egc ?");
    EXPECT_EQ(Column(*egc, 0), (QStringList{"26121105.egc", "26121004.egc"}));
}

TEST_F(EgcDelete, AFileRemovedByHandStillLosesItsLineAndRow) {
    QFile::remove(egcDir + "/26121001.egc");
    egc->SetRow(4);
    views.EGCDelete_Click();
    EXPECT_EQ(Column(*egc, 0), (QStringList{"26121004.egc", "26121003.egc", "26121002.egc"}));
    EXPECT_FALSE(ReadEgc("egc.idx").contains("26121001.egc"));
}

TEST_F(EgcView, MarkUnreadChangesOnlyTheReadField) {
    WriteEgc("26121001.egc", "text");
    WriteEgc("26121002.EGC", "text");
    const QByteArray other = EgcLine("26121001.egc", "1", "Yes");
    WriteEgc("egc.idx", other + "\n" + EgcLine("26121002.EGC", "1", "Yes") + ":extra\r\n");
    views.EGCButton_Click();
    egc->SetRow(1);  // 26121002.EGC
    views.EGCMarkUnread_Click();
    EXPECT_TRUE(egc->RowBold(1));
    EXPECT_FALSE(egc->RowBold(2));
    EXPECT_EQ(ReadEgc("egc.idx"), other + "\n" + EgcLine("26121002.EGC", "1", "No") + ":extra\r\n")
        << "found by its file name, any letter case; the part after it kept";
    EXPECT_FALSE(EgcExists("egc.bak"));
}

TEST_F(EgcView, MarkUnreadOfAMissingFileOnlyTurnsTheRowBold) {
    const QByteArray index = EgcLine("26121001.egc", "1", "Yes") + "\r\n";
    WriteEgc("egc.idx", index);
    views.EGCButton_Click();
    views.EGCMarkUnread_Click();
    EXPECT_TRUE(egc->RowBold(1));
    EXPECT_EQ(ReadEgc("egc.idx"), index);
    EXPECT_TRUE(QueuedTexts().isEmpty());
}

}  // namespace

namespace {

using EgcArrival = FolderViewsFixture;

TEST_F(EgcArrival, ANewEgcGoesOnTopAndTheCurrentRowStays) {
    WriteEgc("egc.idx", EgcLine("26121001.egc", "0", "Yes") + "\r\n" + EgcLine("26121002.egc", "0", "Yes") + "\r\n");
    views.EGCButton_Click();
    egc->SetRow(2);
    ASSERT_EQ(egc->TextMatrix(2, 0), "26121001.egc");
    views.AddEgcRow(QString::fromLatin1(EgcLine("26121003.egc", "3", "No")));
    ASSERT_EQ(egc->Rows(), 4);
    EXPECT_EQ(egc->TextMatrix(1, 0), "26121003.egc");
    EXPECT_EQ(egc->RowForeColor(1), 255);
    EXPECT_TRUE(egc->RowBold(1));
    EXPECT_EQ(egc->Row(), 3);
    EXPECT_EQ(egc->TextMatrix(3, 0), "26121001.egc") << "the row that was current stays current";
}

TEST_F(EgcArrival, ARowArrivingWhileTheViewLoadsIsNotLost) {
    views.EgcBackgroundLoadLines = 0;
    WriteEgc("egc.idx", EgcLine("26121001.egc") + "\r\n");
    views.EGCButton_Click();
    ASSERT_TRUE(views.EgcLoadPending());
    // The store appends the line, then tells the view.
    WriteEgc("egc.idx", EgcLine("26121001.egc") + "\r\n" + EgcLine("26121002.egc") + "\r\n");
    views.AddEgcRow(QString::fromLatin1(EgcLine("26121002.egc")));
    ASSERT_TRUE(QTest::qWaitFor([this] { return !views.EgcLoadPending(); }, 20000));
    QTest::qWait(20);
    EXPECT_EQ(Column(*egc, 0), (QStringList{"26121002.egc", "26121001.egc"}));
}

}  // namespace
