#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <algorithm>

#include "foundation/Array2D.h"
#include "foundation/RuntimeError.h"

using namespace tidepost;

namespace {

// A table of (key, tag) rows; the tag tells whether the rows moved whole.
Array2D MakeTable(const QVariantList& keys) {
    Array2D t(2, static_cast<int>(keys.size()));
    for (int r = 0; r < keys.size(); ++r) {
        t(0, r) = keys[r];
        t(1, r) = QString("row%1:%2").arg(r).arg(keys[r].toString());
    }
    return t;
}

QVariantList Column(const Array2D& t, int c) {
    QVariantList values;
    for (int r = 0; r < t.Rows(); ++r) values << t(c, r);
    return values;
}

// Every row is still whole: its tag names the key it started with.
void ExpectRowsIntact(const Array2D& t, int count) {
    QStringList tags;
    for (int r = 0; r < t.Rows(); ++r) {
        const QString tag = t(1, r).toString();
        EXPECT_TRUE(tag.endsWith(":" + t(0, r).toString())) << tag.toStdString();
        tags << tag.section(':', 0, 0);
    }
    tags.sort();
    tags.removeDuplicates();
    EXPECT_EQ(tags.size(), count);
}

TEST(SortArray2D, SortsTextsAndNumbersBothWays) {
    const struct {
        const char* label;
        QVariantList keys;
        bool ascending;
        QVariantList sorted;
    } cases[] = {
        {"two rows need the gap of 1", {"b", "a"}, true, {"a", "b"}},
        {"one row", {"x"}, true, {"x"}},
        {"file names newest first", {"12070301.out", "12070402.out", "11123101.out", "12070401.out"}, false,
         {"12070402.out", "12070401.out", "12070301.out", "11123101.out"}},
        {"texts by character codes", {"b", "B", "a", "10", "9"}, true, {"10", "9", "B", "a", "b"}},
        {"numbers by value", {10, 9, -3, 2.5, 100}, true, {-3, 2.5, 9, 10, 100}},
        {"greatest number first", {10, 9, -3, 2.5, 100}, false, {100, 10, 9, 2.5, -3}},
        {"a number below any text", {"1", 5, "", 7}, true, {5, 7, "", "1"}},
        {"empty counts as 0 beside numbers", {3, QVariant(), -1}, true, {-1, QVariant(), 3}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.label);
        Array2D t = MakeTable(c.keys);
        SortArray2D(t, 0, c.ascending);
        EXPECT_EQ(Column(t, 0), c.sorted);
        ExpectRowsIntact(t, static_cast<int>(c.keys.size()));
    }
}

// Many rows with repeated keys: the key column ends in order and no row is torn or lost,
// whatever order the equal rows end in.
TEST(SortArray2D, ManyRowsWithEqualKeys) {
    for (int rows : {3, 4, 7, 64, 257}) {
        for (bool ascending : {true, false}) {
            SCOPED_TRACE(rows);
            QVariantList keys;
            auto* random = QRandomGenerator::global();
            for (int r = 0; r < rows; ++r) keys << static_cast<int>(random->bounded(10));
            Array2D t = MakeTable(keys);
            SortArray2D(t, 0, ascending);
            const QVariantList got = Column(t, 0);
            EXPECT_TRUE(std::is_sorted(got.begin(), got.end(), [&](const QVariant& a, const QVariant& b) {
                return ascending ? CompareStoredValues(a, b) < 0 : CompareStoredValues(a, b) > 0;
            }));
            ExpectRowsIntact(t, rows);
        }
    }
}

TEST(SortArray2D, SortsByTheGivenColumn) {
    Array2D t(3, 3);
    const QVariantList byCol2[] = {{"x", 1, "c"}, {"y", 2, "a"}, {"z", 3, "b"}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) t(c, r) = byCol2[r][c];
    SortArray2D(t, 2, true);
    EXPECT_EQ(Column(t, 0), (QVariantList{"y", "z", "x"}));
    EXPECT_EQ(Column(t, 1), (QVariantList{2, 3, 1}));
}

TEST(SortArray2D, LeavesTablesWithoutElementsOrAColumnOutsideAlone) {
    Array2D none;
    SortArray2D(none, 0, true);
    EXPECT_EQ(none.Rows(), 0);

    Array2D t = MakeTable({"b", "a"});
    SortArray2D(t, 2, true);
    SortArray2D(t, -1, true);
    EXPECT_EQ(Column(t, 0), (QVariantList{"b", "a"}));
}

// The pages sort row numbers over a column's texts instead of the table: every row must end where
// SortArray2D puts it, equal keys included, since the order of ties shows in the page.
TEST(SortRowsByText, EndsEveryRowWhereSortArray2DPutsIt) {
    const auto check = [](const QVariantList& keys, bool ascending) {
        const int rows = static_cast<int>(keys.size());
        Array2D t = MakeTable(keys);
        SortArray2D(t, 0, ascending);
        QStringList texts;
        for (const QVariant& k : keys) texts << k.toString();
        QList<QStringView> views;
        QList<int> order;
        for (int r = 0; r < rows; ++r) {
            views << texts[r];
            order << r;
        }
        SortRowsByText(views, order, ascending);
        for (int r = 0; r < rows; ++r)
            EXPECT_EQ(t(1, r).toString(), QString("row%1:%2").arg(order[r]).arg(texts[order[r]]));
    };
    auto* random = QRandomGenerator::global();
    for (int rows : {0, 1, 2, 3, 5, 64, 1000}) {
        for (bool ascending : {true, false}) {
            SCOPED_TRACE(testing::Message() << rows << (ascending ? " ascending" : " descending"));
            // Few distinct texts, some empty and some differing only in case, so ties abound.
            QVariantList ties;
            const char* texts[] = {"", "a", "A", "b", "Delivered", "Initiated", "10", "9"};
            for (int r = 0; r < rows; ++r) ties << QString::fromLatin1(texts[random->bounded(8)]);
            // No two keys alike: shuffled, in order, in reverse.
            QVariantList distinct, inOrder, reversed;
            for (int r = 0; r < rows; ++r) distinct << QString::number(r * 7919 % 10007);
            for (int r = 0; r < rows; ++r) inOrder << QString("%1").arg(r, 5, 10, QChar('0'));
            for (int r = rows - 1; r >= 0; --r) reversed << inOrder[r];
            for (const QVariantList& keys : {ties, distinct, inOrder, reversed}) check(keys, ascending);
        }
    }
}

TEST(GetElementCount, CountsTheFirstDimension) {
    EXPECT_EQ(GetElementCount(Array2D()), 0);
    EXPECT_EQ(GetElementCount(Array2D(11, 0)), 0);
    EXPECT_EQ(GetElementCount(Array2D(11, 4)), 11);
    EXPECT_EQ(GetElementCount(QStringList()), 0);
    EXPECT_EQ(GetElementCount(QStringList{"a", "b"}), 2);
}

TEST(Array2D, ResizingRowsKeepsTheRowsThatStay) {
    Array2D t = MakeTable({"a", "b", "c"});
    t.ResizeRows(5);
    EXPECT_EQ(Column(t, 0), (QVariantList{"a", "b", "c", QVariant(), QVariant()}));
    t.ResizeRows(2);
    EXPECT_EQ(Column(t, 0), (QVariantList{"a", "b"}));
    EXPECT_EQ(t(1, 1).toString(), "row1:b");
}

}  // namespace

// Checked in release builds too: a wrong index is an error the caller can handle, never a write
// into some other cell or past the table.
TEST(Array2D, IndexOutsideTheTableIsSubscriptOutOfRange) {
    Array2D table(3, 2);
    const Array2D& constTable = table;
    const Array2D empty;
    const struct {
        int column;
        int row;
    } outside[] = {{-1, 0}, {3, 0}, {0, -1}, {0, 2}, {3, 1}, {2, 2}, {0, 1 << 30}};
    for (const auto& c : outside) {
        SCOPED_TRACE(testing::Message() << c.column << "," << c.row);
        try {
            table(c.column, c.row) = 1;
            ADD_FAILURE() << "no error";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number, 9);
            EXPECT_EQ(e.Description, "Subscript out of range");
        }
        EXPECT_THROW((void)constTable(c.column, c.row), RuntimeError);
    }
    EXPECT_THROW((void)empty(0, 0), RuntimeError);
    EXPECT_THROW(table.SwapRows(0, 2), RuntimeError);
    table.ResizeRows(1);
    EXPECT_THROW(table(0, 1) = 1, RuntimeError);
    EXPECT_NO_THROW(table(2, 0) = 1);
}
