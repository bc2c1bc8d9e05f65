#include <gtest/gtest.h>

#include <QTest>
#include <algorithm>
#include <functional>

#include "editor/FolderViewsFixture.h"
#include "messages/SentItemsGrid.h"

using namespace tidepost;
using namespace tidepost::test;

namespace {

QByteArray SentLine(const QByteArray& file, const QByteArray& date, const QByteArray& ref, const QByteArray& status,
                    const QByteArray& to = "Alice") {
    return file + ";alice@example.org;112;E-Mail 7 Bit;" + date + ";09:05; 12;" + ref + ";" + status +
           ";0;0;0;0;03;07;09;05;" + to + ";;;Hello";
}

// Dates and names in different orders, and two distress alerts of the same name.
const QList<QByteArray> kLog = {
    SentLine("26121003.out", "12-12-01", "OUT.3", "Delivered"),
    SentLine("26121001.out", "12-12-03", "OUT.1", "Sending"),
    SentLine("26121010.out", "12-12-02", "OUT.10", "Sending"),
    SentLine("-", "12-12-02", "-", "Conf.Ok", "SEARCH & RESCUE"),
    SentLine("-", "12-12-02", "-", "Sending", "SEARCH & RESCUE"),
};

// The sent-items view on screen, the message area's changes handed to it as the main window does.
struct SentItemsRowChanges : FolderViewsFixture {
    void SetUp() override {
        OutboxFixture::views.Shown = 2;
        OutboxFixture::views.OnChangeSentItemsRows = [this](const std::vector<SentItemsRowChange>& changes) {
            return views.ChangeSentItemsRows(changes);
        };
        OutboxFixture::views.OnAddSentItemsRow = [this](const FlexRow& row) { return views.AddSentItemsRow(row); };
        Write("OUT.IDX", Lines(kLog));
    }
    QList<QStringList> Rows() const {
        QList<QStringList> rows;
        for (int row = 1; row < sent->Rows(); ++row) {
            QStringList cells;
            for (int col = 0; col < sent->Cols(); ++col) cells.append(sent->TextMatrix(row, col));
            rows.append(cells);
        }
        return rows;
    }
    void Submit(const QByteArray& line) {
        ASSERT_TRUE(OutBox().AppendLogLine(outbox + "/OUT.IDX", QString::fromLatin1(line)));
        ShowNewSentItem(m, QString::fromLatin1(line));
    }
    bool LoadDone() {
        return QTest::qWaitFor([this] { return !GetSentItemsLoad(m).Pending(); }, 20000);
    }
};

TEST_F(SentItemsRowChanges, AStatusChangeChangesItsRowInPlace) {
    views.OutboxButton_Click();
    sent->SetRow(2);
    views.OutBox_SetAllColumnsSelected();
    QList<QStringList> expected = Rows();
    const QString selected = sent->TextMatrix(2, 0);

    struct Case {
        const char* name;
        std::function<int()> change;
        QString file, oldStatus;  // the row that changes
        QString ref, status;      // its new cells
    } const cases[] = {
        {"NewReferenceAndStatus", [this] { return OutBox().UpdateOutBoxFile("26121010.out", "OUT.77", "Delivered", false); },
         "26121010.out", "Sending", "OUT.77", "Delivered"},
        {"OneOfTwoRowsOfTheSameName",
         [this] { return OutBox().UpdateOutBox("", "-", "Sending", "", "Failed", false); }, "-", "Sending", "-", "Failed"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.change(), 1);
        for (QStringList& row : expected)
            if (row[0] == c.file && row[9] == c.oldStatus) {
                row[8] = c.ref;
                row[9] = c.status;
                break;
            }
        EXPECT_EQ(Rows(), expected) << "the rows keep their order; only the one row changed";
        EXPECT_EQ(sent->Row(), 2);
        EXPECT_EQ(sent->RowSel(), 2);
        EXPECT_EQ(sent->TextMatrix(sent->Row(), 0), selected);
        EXPECT_EQ(sent->ColSel(), 9);
    }
}

TEST_F(SentItemsRowChanges, ANewSubmissionComesOnTopAndTheSelectionStaysOnItsRows) {
    views.OutboxButton_Click();
    sent->SetRow(2);
    sent->SetRowSel(3);
    const QList<QStringList> before = Rows();
    const QByteArray line = SentLine("26121011.out", "12-12-04", "<None>", "Initiated");
    Submit(line);
    const QList<QStringList> after = Rows();
    ASSERT_EQ(after.size(), before.size() + 1);
    EXPECT_EQ(after.first(), SentItemsRowOf(f, QString::fromLatin1(line)).Cells());
    EXPECT_EQ(after.mid(1), before);
    EXPECT_EQ(sent->Row(), 3);
    EXPECT_EQ(sent->RowSel(), 4);

    // Behind another view the grid is left to be built when it is shown.
    OutboxFixture::views.Shown = 1;
    Submit(SentLine("26121012.out", "12-12-04", "<None>", "Initiated"));
    EXPECT_EQ(Rows(), after);
    views.OutboxButton_Click();
    EXPECT_EQ(Rows().size(), after.size() + 1);
}

// A change of the log while the view's rows are still on the worker: the rows that come in show it.
TEST_F(SentItemsRowChanges, AChangeDuringALoadIsInTheRowsThatComeIn) {
    const QByteArray line = SentLine("26121011.out", "12-12-04", "<None>", "Initiated");
    struct Case {
        const char* name;
        std::function<void()> change;
        QString file, status;  // a row the view must show
        int rows;
    } const cases[] = {
        {"Submission", [&] { Submit(line); }, "26121011.out", "Initiated", int(kLog.size()) + 1},
        {"StatusChange", [this] { OutBox().UpdateOutBoxFile("26121003.out", "", "Failed", false); }, "26121003.out",
         "Failed", int(kLog.size())},
    };
    GetSentItemsLoad(m).BackgroundLines = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Write("OUT.IDX", Lines(kLog));
        views.OutboxButton_Click();
        ASSERT_TRUE(GetSentItemsLoad(m).Pending());
        c.change();
        ASSERT_TRUE(LoadDone());
        QTest::qWait(20);  // rows of the load the change overtook, had they been taken, would be in by now
        const QList<QStringList> rows = Rows();
        EXPECT_EQ(rows.size(), c.rows);
        EXPECT_TRUE(std::any_of(rows.begin(), rows.end(),
                                [&](const QStringList& r) { return r[0] == c.file && r[9] == c.status; }));
        EXPECT_EQ(sent->Row(), 1);
    }
}

}  // namespace

namespace {

// What one log line shows in each column: colons taken out of names, blanks out of the LES,
// service, size and reference, the aliases joined, the status in the user's language.
// Few changes are found by comparing each row's name in place, many by a hash of the names; both
// change every row they name and load nothing again.
TEST_F(SentItemsRowChanges, FewAndManyChangesAtOnce) {
    QList<QByteArray> log;
    for (int i = 0; i < 12; ++i)
        log.append(SentLine(QByteArray("261210") + QByteArray::number(10 + i) + ".out", "12-12-01",
                            "OUT." + QByteArray::number(i), "Sending"));
    Write("OUT.IDX", Lines(log));
    for (const int count : {3, 12}) {
        SCOPED_TRACE(count);
        views.OutboxButton_Click();
        ASSERT_TRUE(LoadDone());
        const QList<QStringList> before = Rows();
        ASSERT_EQ(before.size(), 12);
        std::vector<SentItemsRowChange> changes;
        for (int i = 0; i < count; ++i) {
            QStringList after = before[i];
            after[9] = QString("Status%1").arg(i);
            changes.push_back({before[i], after});
        }
        EXPECT_TRUE(views.ChangeSentItemsRows(changes));
        EXPECT_FALSE(GetSentItemsLoad(m).Pending()) << "no row was missing";
        const QList<QStringList> rows = Rows();
        for (int i = 0; i < 12; ++i) {
            QStringList expected = before[i];
            if (i < count) expected[9] = QString("Status%1").arg(i);
            EXPECT_EQ(rows[i], expected) << i;
        }
    }
}

TEST_F(SentItemsRowChanges, RowOfALogLineTable) {
    const struct Case {
        QByteArray line;
        QStringList cells;
        int colour;
    } cases[] = {
        {SentLine("26121003.out", "12-12-01", "OUT.3", "Delivered"),
         {"26121003.out", "Alice", "alice@example.org", "112", "E-Mail 7 Bit", "12-12-01 09:05", "09:05", "12", "OUT.3",
          "Delivered"},
         0},
        {"2612:1003.out;a:b@c;1 12;E-Mail;d;t;1 2;O U T;Failed;0;0;0;0;0;0;0;0;Al:ice;B:ob;;x",
         {"26121003.out", "Alice,Bob", "ab@c", "112", "E-Mail", "d t", "t", "12", "OUT", "Failed"}, 0},
        {SentLine("-", "12-12-02", "-", "Conf.Ok", "SEARCH & RESCUE"),
         {"-", "SEARCH & RESCUE", "alice@example.org", "112", "E-Mail 7 Bit", "12-12-02 09:05", "09:05", "12", "-",
          "Conf.Ok"},
         255},
        {"only;two", {"only", "", "two", "", "", " ", "", "", "", ""}, 0},
        {";;;;;;;;;;;;;;;;;;a;;", {"", "a", "", "", "", " ", "", "", "", ""}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        const FlexRow row = SentItemsRowOf(f, QString::fromLatin1(c.line));
        EXPECT_EQ(row.Cells(), c.cells);
        EXPECT_EQ(row.ForeColor, c.colour);
        EXPECT_FALSE(row.Bold);
    }
}

}  // namespace
