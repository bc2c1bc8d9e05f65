#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <algorithm>

#include "foundation/FlexRow.h"

using namespace tidepost;

namespace {

QStringList CellsOf(const std::vector<FlexRow>& rows, int col) {
    QStringList texts;
    for (const FlexRow& row : rows) texts.append(row.Cell(col));
    return texts;
}

TEST(FlexRow, CellsComeBackAsTheyWentIn) {
    const QString lone = QString(QChar(0xD800)) + QStringLiteral("x");  // half a surrogate pair, kept as it is
    const struct Case {
        const char* what;
        QStringList cells;
    } cases[] = {
        {"no cells", {}},
        {"plain", {"26121001.egc", "LES 112", "", "Urgent"}},
        {"only empty cells", {"", "", ""}},
        {"Latin-1 letters one byte each", {QString::fromUtf8("Størm Ålesund"), QString::fromUtf8("é")}},
        {"letters beyond Latin-1", {"a", QString::fromUtf8("Ωμέγα"), "z"}},
        {"a pair and a lone surrogate", {QString::fromUtf8("😀"), lone, "b"}},
        {"a cell longer than one length byte", {QString(200, u'x'), "y"}},
        {"a cell longer than two length bytes", {QString(20000, u'q'), QString(20000, QChar(0x3A9))}},
        {"many cells", QStringList(300, "c")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const FlexRow row(c.cells, 0x0000FF, true);
        EXPECT_EQ(row.CellCount(), c.cells.size());
        EXPECT_EQ(row.Cells(), c.cells);
        for (int i = 0; i < c.cells.size(); ++i) {
            EXPECT_EQ(row.Cell(i), c.cells[i]);
            EXPECT_TRUE(row.CellIs(i, c.cells[i]));
            EXPECT_FALSE(row.CellIs(i, c.cells[i] + QStringLiteral("!")));
        }
        EXPECT_EQ(row.Cell(int(c.cells.size())), QString()) << "beyond the last cell is empty";
        EXPECT_EQ(row.Cell(-1), QString());
        EXPECT_TRUE(row.CellIs(int(c.cells.size()), u""));
        EXPECT_EQ(row.ForeColor, 0x0000FF);
        EXPECT_TRUE(row.Bold);

        std::vector<QStringView> views(c.cells.begin(), c.cells.end());
        EXPECT_EQ(FlexRow::FromViews(views.data(), qsizetype(views.size())).Cells(), c.cells);
    }
}

TEST(FlexRow, PlainTextTakesOneByteACharacter) {
    const FlexRow row(QStringList{"26121001.egc", "Distress", QString::fromUtf8("Å")});
    EXPECT_LE(row.PackedBytes(), 12 + 8 + 1 + 5);
    const FlexRow wide(QStringList{"ab", QString::fromUtf8("Ω")});
    EXPECT_EQ(wide.Cell(1), QString::fromUtf8("Ω"));
    EXPECT_LE(wide.PackedBytes(), 3 * 2 + 4);
}

TEST(FlexRow, SetCellGrowsAndResizeCuts) {
    FlexRow row(QStringList{"a", "b"});
    row.SetCell(1, QString::fromUtf8("βeta"));
    row.SetCell(4, "e");
    EXPECT_EQ(row.Cells(), (QStringList{"a", QString::fromUtf8("βeta"), "", "", "e"}));
    row.SetCell(1, "b");
    EXPECT_EQ(row.Cell(1), "b");
    row.SetCell(-1, "x");
    EXPECT_EQ(row.CellCount(), 5) << "no cell left of the first";
    row.Resize(2);
    EXPECT_EQ(row.Cells(), (QStringList{"a", "b"}));
    row.Resize(3);
    EXPECT_EQ(row.Cells(), (QStringList{"a", "b", ""}));
    row.SetCells({});
    EXPECT_EQ(row.CellCount(), 0);
}

std::vector<FlexRow> RowsOf(const QList<QStringList>& cells) {
    std::vector<FlexRow> rows;
    int n = 0;
    for (const QStringList& c : cells) {
        rows.emplace_back(c, n, n % 2 == 1);
        ++n;
    }
    return rows;
}

TEST(FlexRow, SortTable) {
    const struct Case {
        const char* what;
        QList<QStringList> rows;
        int first, last;
        bool descending, ignoreCase;
        QStringList expected;  // the first column afterwards
    } cases[] = {
        {"counters by value", {{"100"}, {"99"}, {"9"}}, 0, 0, false, true, {"9", "99", "100"}},
        {"stored names date first", {{"26121001.egc"}, {"261209100.egc"}, {"26121099.egc"}}, 0, 0, true, true,
         {"26121099.egc", "26121001.egc", "261209100.egc"}},
        {"ties keep their order", {{"b", "1"}, {"a", "2"}, {"B", "3"}, {"a", "4"}}, 0, 0, false, true,
         {"a", "a", "b", "B"}},
        {"case counts when asked", {{"b"}, {"B"}, {"a"}, {"A"}}, 0, 0, false, false, {"A", "B", "a", "b"}},
        {"descending keeps ties in order", {{"x", "1"}, {"y", "2"}, {"x", "3"}}, 0, 0, true, true, {"y", "x", "x"}},
        {"second column breaks ties", {{"a", "2"}, {"a", "10"}, {"b", "1"}}, 0, 1, true, true, {"b", "a", "a"}},
        {"missing cells are empty", {{"b"}, {}, {"a"}}, 0, 0, false, true, {"", "a", "b"}},
        {"wide rows among narrow ones", {{QString::fromUtf8("Ω")}, {"z"}, {QString::fromUtf8("é")}}, 0, 0, false, true,
         {"z", QString::fromUtf8("é"), QString::fromUtf8("Ω")}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<FlexRow> rows = RowsOf(c.rows);
        SortFlexRows(rows, c.first, c.last, c.descending, c.ignoreCase);
        EXPECT_EQ(CellsOf(rows, 0), c.expected);
    }
    // Ties stay in order: the second column of "ties keep their order".
    std::vector<FlexRow> rows = RowsOf(cases[2].rows);
    SortFlexRows(rows, 0, 0, false, true);
    EXPECT_EQ(CellsOf(rows, 1), (QStringList{"2", "4", "1", "3"}));
    EXPECT_EQ(rows[0].ForeColor, 1) << "colour and weight move with the row";
    EXPECT_EQ(rows[0].Bold, true);
    EXPECT_EQ(rows[3].ForeColor, 2);
    EXPECT_EQ(rows[3].Bold, false);
}

// Many rows of few distinct texts: the order is the one a stable sort of the plain cell lists
// by the same comparison gives.
TEST(FlexRow, SortMatchesAStableSortOfTheTexts) {
    QRandomGenerator random(7);
    const QStringList texts{"a", "A", "b", "10", "9", "x10", "x9", "26121001.egc", "261210100.EGC", "", QString::fromUtf8("é")};
    QList<QStringList> cells;
    for (int i = 0; i < 2000; ++i)
        cells.append({texts[random.bounded(int(texts.size()))], texts[random.bounded(int(texts.size()))],
                      QString::number(i)});
    for (const bool descending : {false, true})
        for (const bool ignoreCase : {false, true}) {
            const Qt::CaseSensitivity cs = ignoreCase ? Qt::CaseInsensitive : Qt::CaseSensitive;
            QList<QStringList> expected = cells;
            std::stable_sort(expected.begin(), expected.end(), [&](const QStringList& a, const QStringList& b) {
                for (int col = 0; col <= 1; ++col) {
                    const int r = CompareGridTexts(a[col], b[col], cs);
                    if (r != 0) return descending ? r > 0 : r < 0;
                }
                return false;
            });
            std::vector<FlexRow> rows = RowsOf(cells);
            SortFlexRows(rows, 0, 1, descending, ignoreCase);
            ASSERT_EQ(rows.size(), size_t(expected.size()));
            for (size_t i = 0; i < rows.size(); ++i) ASSERT_EQ(rows[i].Cells(), expected[qsizetype(i)]) << i;
        }
}

}  // namespace
